#include "controls/exceptionbox.h"

#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

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

}  // namespace

QString ExceptionBoxText(const QString& message) {
    if (message.isEmpty()) return message;
    const char32_t last = message.toUcs4().back();
    return last > U'.' ? message + u'.' : message;
}

ExceptionPresenter SetExceptionPresenter(ExceptionPresenter replacement) {
    return std::exchange(presenter(), std::move(replacement));
}

void ShowException(const QString& message) {
    PresentModalBox(presenter(), showRealBox, ExceptionBoxText(message));
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
    if (HandleCopyKey(event, clipboardText())) {
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

}  // namespace quillmark
