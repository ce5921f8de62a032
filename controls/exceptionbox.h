// The ExceptionBox: the error box in which the dispatch reports any error that
// escapes an event handler.
#pragma once

#include <QMessageBox>
#include <QString>

#include "controls/messagebox.h"

namespace quillmark {

// The box text for an error message: the message with "." appended when its
// last character has a code above 46 (letters, digits, "/", ":", "?", every
// Chinese character); unchanged when empty or ending in ".", a blank, a
// control character or one of "!" to "-".
QString ExceptionBoxText(const QString& message);

// Shows the box text (already with its full stop) to the user and returns when
// the user has closed it.
using ExceptionPresenter = MessagePresenter;

// Replaces how the box is shown, for tests; an empty presenter restores the
// real modal box. Returns the presenter that was in place.
ExceptionPresenter SetExceptionPresenter(ExceptionPresenter presenter);

// Reports `message` as the ExceptionBox does: cancels any mouse capture and
// held button, shows ExceptionBoxText(message) modally with the application
// title as caption, then gives the keyboard focus back where it was.
void ShowException(const QString& message);

// Qt's critical message box with one OK button, which copies its content on
// Ctrl+C in the MessageBoxClipboardText form on every platform.
class ErrorMessageBox : public QMessageBox {
    Q_OBJECT
public:
    ErrorMessageBox(const QString& caption, const QString& text, QWidget* parent = nullptr);

    // The Ctrl+C text of this box.
    QString clipboardText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quillmark
