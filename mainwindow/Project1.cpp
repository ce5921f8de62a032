// The program entry: the window until it is closed (nothing is saved), or, for
// --help, --version and --locate, an answer on the terminal without a window.
#include <QApplication>

#include "languages/languages.h"
#include "mainwindow/Unit1.h"
#include "mainwindow/application.h"
#include "mainwindow/commandline.h"

int main(int argc, char* argv[]) {
    if (quillmark::WantsCommandLine(argc, argv)) {
        // No display is opened for these.
        QCoreApplication application(argc, argv);
        return quillmark::RunCommandLine(QCoreApplication::arguments());
    }
    quillmark::PrepareLayoutScale();
    QApplication application(argc, argv);
    if (const int status = quillmark::CheckWindowArguments(QCoreApplication::arguments()))
        return status;
    quillmark::SetUpApplication();
    quillmark::InstallDesktopLanguage();
    quillmark::UseInstalledWebEngine();
    quillmark::TForm1 Form1;
    Form1.showCentred();
    return QApplication::exec();
}
