#include "mainwindow/application.h"

#include <utility>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QResource>

#include "controls/webbrowser.h"
#include "languages/languages.h"

namespace quillmark {

namespace {

// `family` first from the cut-down copy, then whole from the system.
QFont fontAt(const QString& copy, const QString& family, int characterHeight) {
    QFont font;
    font.setFamilies({copy, family});
    font.setPixelSize(qMax(1, qRound(characterHeight / kLayoutScale)));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void registerFonts(const QString& resource) {
    // Registered in place: the resource is stored uncompressed.
    const QResource fonts(resource);
    if (fonts.isValid() && fonts.compressionAlgorithm() == QResource::NoCompression)
        QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char*>(fonts.data()), qsizetype(fonts.size())));
}

// The Traditional Chinese faces are registered when first asked for, so that
// no other language pays for them at start-up.
bool traditionalFonts() {
    if (CurrentLanguage() != Language::TraditionalChinese) return false;
    static const bool registered = (registerFonts(QStringLiteral(":/fonts/ui-fonts-tc.ttc")), true);
    return registered;
}

bool& layoutScaleInEnvironment() {
    static bool put = false;
    return put;
}

QUrl& siteOverride() {
    static QUrl address;
    return address;
}

}  // namespace

void PrepareLayoutScale() {
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(kLayoutScale, 'g', 6));
        layoutScaleInEnvironment() = true;
    }
}

void SetUpApplication() {
    if (std::exchange(layoutScaleInEnvironment(), false)) qunsetenv("QT_SCALE_FACTOR");
    QCoreApplication::setApplicationName(QString::fromUtf8(kProductName));
    QCoreApplication::setOrganizationName(QString::fromUtf8(kCompanyName));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(kFileVersion));
    // Qt appends the display name to window titles that do not already end in
    // it; the window's title is this name, so it is shown once.
    QGuiApplication::setApplicationDisplayName(QString::fromUtf8(kProductName));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(kApplicationId));
    QApplication::setWindowIcon(WindowIcon());
    registerFonts(QStringLiteral(":/fonts/ui-fonts.ttc"));
}

QString WebEngineLibraryFor(const QString& programDir) {
    const QDir dir(programDir);
    const QString file = QStringLiteral(QUILLMARK_WEBPANEL_FILE);
    const QString beside = dir.filePath(file);
    if (QFileInfo::exists(beside)) return beside;
    const QString installed = QDir::cleanPath(
        dir.filePath(QStringLiteral(QUILLMARK_WEBPANEL_DIR_FROM_BINDIR "/") + file));
    return QFileInfo::exists(installed) ? installed : QString();
}

void UseInstalledWebEngine() {
    SetWebEngineLibrary(WebEngineLibraryFor(QCoreApplication::applicationDirPath()));
}

QUrl SiteAddress() {
    return siteOverride().isEmpty() ? QUrl(QString::fromUtf8(kSiteUrl)) : siteOverride();
}

void SetSiteAddress(const QUrl& address) { siteOverride() = address; }

QFont LayoutFont(int characterHeight) {
    if (traditionalFonts())
        return fontAt(QStringLiteral("Quillmark Sans TC"), QStringLiteral("Noto Sans CJK TC"),
                      characterHeight);
    return fontAt(QStringLiteral("Quillmark Sans"), QStringLiteral("Noto Sans CJK SC"),
                  characterHeight);
}

QFont LayoutSongFont(int characterHeight) {
    QFont font = traditionalFonts() ? fontAt(QStringLiteral("Quillmark Serif TC"),
                                             QStringLiteral("Noto Serif CJK TC"), characterHeight)
                                    : fontAt(QStringLiteral("Quillmark Serif"),
                                             QStringLiteral("Noto Serif CJK SC"), characterHeight);
    font.setStyleHint(QFont::Serif);
    return font;
}

QIcon WindowIcon() {
    // X11 hands every size of the icon to the window manager, reading each
    // picture; larger ones come from the installed desktop icons.
    static const QIcon icon = [] {
        QIcon sizes;
        for (int size : {16, 32, 48, 64})
            sizes.addFile(QStringLiteral(":/assets/icon-%1.png").arg(size), QSize(size, size));
        return sizes;
    }();
    return icon;
}

}  // namespace quillmark
