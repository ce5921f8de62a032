// quillmark-grab <window-id> <out.png> [timeout-seconds]
//
// Saves a screenshot of an X11 window once its content has settled: two grabs
// 300 ms apart that are equal and not a single colour. Exits 1 on timeout.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <cstdio>

namespace {

bool isPlain(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first) return false;
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: quillmark-grab <window-id> <out.png> [timeout-seconds]\n");
        return 2;
    }
    bool ok = false;
    const WId window = args[1].toULongLong(&ok, 0);
    const int timeoutMs = args.size() > 3 ? args[3].toInt() * 1000 : 30000;
    if (!ok) {
        std::fprintf(stderr, "quillmark-grab: bad window id %s\n", qPrintable(args[1]));
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    QImage previous;
    while (clock.elapsed() < timeoutMs) {
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(window).toImage();
        if (!shot.isNull() && !isPlain(shot) && shot == previous)
            return shot.convertToFormat(QImage::Format_RGB888).save(args[2]) ? 0 : 1;
        previous = shot;
        QThread::msleep(300);
    }
    std::fprintf(stderr, "quillmark-grab: the window did not settle\n");
    return 1;
}
