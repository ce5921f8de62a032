#include "mainwindow/application.h"

#include <unistd.h>

#include <QApplication>

namespace quillmark {

namespace {

QFont fontAt(const QString& family, int characterHeight) {
    QFont font(family);
    font.setPixelSize(qMax(1, qRound(characterHeight / kLayoutScale)));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

void PrepareLayoutScale() {
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", QByteArray::number(kLayoutScale, 'g', 6));
}

void PrepareWebEngine() {
    if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

void SetUpApplication() {
    QCoreApplication::setApplicationName(QString::fromUtf8(kProductName));
    QCoreApplication::setOrganizationName(QString::fromUtf8(kCompanyName));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(kFileVersion));
    // Qt appends the display name to window titles that do not already end in
    // it; the window's title is this name, so it is shown once.
    QGuiApplication::setApplicationDisplayName(QString::fromUtf8(kProductName));
    QGuiApplication::setDesktopFileName(QStringLiteral("quillmark"));
    QApplication::setWindowIcon(WindowIcon());
}

QFont LayoutFont(int characterHeight) {
    return fontAt(QStringLiteral("Noto Sans CJK SC"), characterHeight);
}

QFont LayoutSongFont(int characterHeight) {
    QFont font = fontAt(QStringLiteral("Noto Serif CJK SC"), characterHeight);
    font.setStyleHint(QFont::Serif);
    return font;
}

QIcon WindowIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/assets/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace quillmark
