// A bare Qt Widgets window with one label: what any Qt program pays to show a
// window, against which tools/measure/startup sets Quillmark's start-up.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Quillmark"));
    label.show();
    return QApplication::exec();
}
