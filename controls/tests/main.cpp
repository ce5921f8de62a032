// Control tests run inside one QApplication titled as the program's, since the
// error box takes its caption from the application.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Quillmark V1.0"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
