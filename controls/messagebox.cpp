#include "controls/messagebox.h"

#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include "controls/exceptionbox.h"

namespace quillmark {

namespace {

CopyServices& copyServices() {
    static CopyServices current;
    return current;
}

void cancelMouseCapture() {
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isDown())
            button->setDown(false);
    }
}

bool putOnSystemClipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    // Qt does not say when another program keeps the clipboard; our own text
    // reads back only when we hold it.
    return clipboard->text() == text;
}

}  // namespace

void PresentModalBox(const MessagePresenter& presenter, const MessagePresenter& realBox,
                     const QString& text) {
    cancelMouseCapture();
    const QPointer<QWidget> focus = QApplication::focusWidget();
    if (presenter)
        presenter(text);
    else
        realBox(text);
    if (focus && QApplication::focusWidget() != focus) {
        focus->activateWindow();
        // Not a new entry into the box: a text box keeps its caret and selection.
        focus->setFocus(Qt::ActiveWindowFocusReason);
    }
}

QScreen* ActiveScreen() {
    if (const QWidget* active = QApplication::activeWindow(); active && active->screen())
        return active->screen();
    return QGuiApplication::primaryScreen();
}

QString MessageBoxClipboardText(const QString& caption, const QString& message,
                                const QStringList& buttonCaptions) {
    const QString divider = QStringLiteral("---------------------------\r\n");
    QString buttons;
    for (QString button : buttonCaptions) buttons += button.remove(u'&') + QStringLiteral("   ");
    return divider + caption + QStringLiteral("\r\n") + divider + message + QStringLiteral("\r\n") +
           divider + buttons + QStringLiteral("\r\n") + divider;
}

CopyServices SetCopyServices(CopyServices services) {
    return std::exchange(copyServices(), std::move(services));
}

bool HandleCopyKey(const QKeyEvent* event, const QString& clipboardText) {
    if (event->key() != Qt::Key_C || event->modifiers() != Qt::ControlModifier) return false;
    const CopyServices& services = copyServices();
    if (services.Beep)
        services.Beep();
    else
        QApplication::beep();
    const bool copied = services.PutOnClipboard ? services.PutOnClipboard(clipboardText)
                                                : putOnSystemClipboard(clipboardText);
    if (!copied)
        ShowException(
            QCoreApplication::translate("quillmark::MessageBox", "Cannot open clipboard"));
    return true;
}

}  // namespace quillmark
