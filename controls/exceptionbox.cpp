#include "controls/exceptionbox.h"

#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace quillmark {

namespace {

ExceptionPresenter& presenter() {
    static ExceptionPresenter current;
    return current;
}

void showRealBox(const QString& text) {
    ErrorMessageBox box(QGuiApplication::applicationDisplayName(), text,
                        QApplication::activeWindow());
    box.exec();
}

// A held mouse button must not go on acting behind the box: an auto-repeating
// spin arrow would otherwise keep stepping (and failing) while the box is up.
void cancelMouseCapture() {
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isDown())
            button->setDown(false);
    }
}

}  // namespace

QString ExceptionBoxText(const QString& message) {
    if (message.isEmpty()) return message;
    const char32_t last = message.toUcs4().back();
    return last > U'.' ? message + u'.' : message;
}

QString MessageBoxClipboardText(const QString& caption, const QString& message,
                                const QStringList& buttonCaptions) {
    const QString divider = QStringLiteral("---------------------------\r\n");
    QString buttons;
    for (QString button : buttonCaptions) buttons += button.remove(u'&') + QStringLiteral("   ");
    return divider + caption + QStringLiteral("\r\n") + divider + message + QStringLiteral("\r\n") +
           divider + buttons + QStringLiteral("\r\n") + divider;
}

ExceptionPresenter SetExceptionPresenter(ExceptionPresenter replacement) {
    return std::exchange(presenter(), std::move(replacement));
}

void ShowException(const QString& message) {
    cancelMouseCapture();
    const QPointer<QWidget> focus = QApplication::focusWidget();
    const QString text = ExceptionBoxText(message);
    if (presenter())
        presenter()(text);
    else
        showRealBox(text);
    if (focus && QApplication::focusWidget() != focus) {
        focus->activateWindow();
        // Not a new entry into the box: a text box keeps its caret and selection.
        focus->setFocus(Qt::ActiveWindowFocusReason);
    }
}

ErrorMessageBox::ErrorMessageBox(const QString& caption, const QString& text, QWidget* parent)
    : QMessageBox(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent) {
    setTextFormat(Qt::PlainText);
    setWindowModality(Qt::ApplicationModal);
}

QString ErrorMessageBox::clipboardText() const {
    QStringList captions;
    for (const QAbstractButton* button : buttons()) captions << button->text();
    return MessageBoxClipboardText(windowTitle(), text(), captions);
}

void ErrorMessageBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_C && event->modifiers() == Qt::ControlModifier) {
        QGuiApplication::clipboard()->setText(clipboardText());
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

}  // namespace quillmark
