// Widget tests run inside one QApplication, set up as the program sets it up.
#include <gtest/gtest.h>

#include <QApplication>

#include "mainwindow/application.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quillmark::SetUpApplication();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
