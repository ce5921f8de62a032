// The program entry: the application, its title and the main window, until the
// window is closed. No command line, no settings, nothing saved.
#include <QApplication>

#include "mainwindow/Unit1.h"
#include "mainwindow/application.h"

int main(int argc, char* argv[]) {
    quillmark::PrepareLayoutScale();
    QApplication application(argc, argv);
    quillmark::SetUpApplication();
    quillmark::UseInstalledWebEngine();
    quillmark::TForm1 Form1;
    Form1.showCentred();
    return QApplication::exec();
}
