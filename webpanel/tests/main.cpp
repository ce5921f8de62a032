// Engine tests run inside one QApplication with the build's engine plugin, and
// with the user's home, data, cache and configuration folders in a folder of
// their own, to see that the panels write nothing there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "controls/webbrowser.h"

namespace quillmark::testing {
QString* homeFolders = nullptr;
}  // namespace quillmark::testing

int main(int argc, char* argv[]) {
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    for (const char* variable : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
        qputenv(variable, (home.path() + u'/' + QLatin1String(variable)).toUtf8());
    QString homePath = home.path();
    quillmark::testing::homeFolders = &homePath;
    QApplication application(argc, argv);
    quillmark::SetWebEngineLibrary(QStringLiteral(QUILLMARK_TEST_WEBPANEL));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
