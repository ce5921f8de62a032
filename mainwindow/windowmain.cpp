// The window as a plugin of the program: Project1 loads it only when the
// arguments ask for the window, so that the command line never loads Qt's
// GUI libraries.
#include <QApplication>

#include "languages/languages.h"
#include "mainwindow/Unit1.h"
#include "mainwindow/application.h"

extern "C" int QuillmarkWindowMain(int argc, char* argv[]) {
    quillmark::PrepareLayoutScale();
    QApplication application(argc, argv);
    quillmark::SetUpApplication();
    quillmark::InstallDesktopLanguage();
    quillmark::UseInstalledWebEngine();
    quillmark::TForm1 Form1;
    Form1.showCentred();
    return QApplication::exec();
}
