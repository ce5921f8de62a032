// The window's single-line text box.
#pragma once

#include <QLineEdit>
#include <QString>

#include "controls/dispatch.h"

namespace quillmark {

// A QLineEdit whose change handler runs exactly once for every change of its
// text, whoever makes it (typing, paste, cut, undo, setText, a spin step),
// synchronously and nested inside the change. Setting an equal text is a no-op.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    // Sets the text as the program. Does nothing at all when `text` equals the
    // current text; otherwise the change handler has run when this returns.
    // Never cut to the typing limit and never upper-cased.
    void setText(const QString& text);

    // At most `count` characters can be typed or pasted; 0 means no limit.
    // Applies to the user only: texts set by the program are kept whole.
    void setTypingLimit(int count);
    int typingLimit() const { return m_typingLimit; }

    // Letters typed or pasted are turned into upper case before the change is
    // announced.
    void setUpperCaseTyping(bool on);

    // Runs through Dispatch after every change of the text.
    void setOnChange(Handler handler);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    class UserEditRule;
    friend class UserEditRule;

    void announceChange(const QString& text);
    void showSelection(bool shown);

    Handler m_onChange;
    QString m_announced;
    int m_typingLimit = 0;
    bool m_upperCaseTyping = false;
    bool m_settingText = false;
};

}  // namespace quillmark
