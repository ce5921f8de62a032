// Web panel tests run inside one QApplication set up exactly as the program
// sets it up, with the build's browser engine plugin.
#include <gtest/gtest.h>

#include <QApplication>

#include "controls/webbrowser.h"
#include "mainwindow/application.h"

namespace quillmark::testing {
// Whoever runs the tests chose a scale: the program then leaves it alone.
bool userChoseScale = false;
}  // namespace quillmark::testing

int main(int argc, char* argv[]) {
    quillmark::testing::userChoseScale = !qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR");
    quillmark::PrepareLayoutScale();
    QApplication application(argc, argv);
    quillmark::SetUpApplication();
    quillmark::SetWebEngineLibrary(QStringLiteral(QUILLMARK_TEST_WEBPANEL));
    testing::InitGoogleTest(&argc, argv);
    // A child re-runs this program for one test, not a copy of this process.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    return RUN_ALL_TESTS();
}
