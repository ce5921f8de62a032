// The program entry: the window until it is closed (nothing is saved), or, for
// anything but Qt's own window options, the command line's answer on the
// terminal. Which of the two is decided before any display is opened.
#include <QApplication>

#include "commandline/commandline.h"
#include "mainwindow/Unit1.h"
#include "mainwindow/application.h"
#include "mainwindow/version.h"

int main(int argc, char* argv[]) {
    if (!quillmark::OpensWindow(argc, argv))
        return quillmark::RunCommandLine(argc, argv,
                                         {quillmark::kFileVersion, quillmark::kProductName});
    quillmark::PrepareLayoutScale();
    QApplication application(argc, argv);
    quillmark::SetUpApplication();
    quillmark::UseInstalledWebEngine();
    quillmark::TForm1 Form1;
    Form1.showCentred();
    return QApplication::exec();
}
