// Draws what the map view shows after a locate action, without a window:
// the grid map at 200 % in the window's 464 x 180 client, with the field of a
// position marked and scrolled to. Writes docs/map-view-200.png.
//
// Usage: viewshot <out.png>   (marks the start-up position, field OL)
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <variant>

#include "gridmap/bitmapimage.h"
#include "gridmap/gridgeometry.h"
#include "gridmap/zoomviewcore.h"
#include "locator/locator.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: viewshot <out.png>\n");
        return 2;
    }
    const quillmark::Bitmap24 map = quillmark::toBitmap24(QImage(":/assets/gridmap.png"));
    if (map.Width() == 0) {
        std::fprintf(stderr, "viewshot: the grid map resource is missing\n");
        return 1;
    }

    // Set up as the window does at start-up.
    quillmark::ZoomViewCore view;
    view.setBorderStyle(quillmark::bsNone);
    view.setCenter(false);
    view.setControlSize(464, 180);
    view.Bitmap().Assign(map);
    view.setZoomPercent(200);
    view.setOriginX(680);
    view.setOriginY(140);
    view.RefreshView();
    view.Bitmap().Canvas().Pen.Mode = quillmark::pmNot;

    const auto result = quillmark::ComputeLocator({113, 15, 53, false, 23, 6, 32, false});
    const auto& located = std::get<quillmark::LocatorResult>(result);
    quillmark::HighlightField(view, map, located.Field);
    view.RefreshView();
    view.render();

    if (!quillmark::toQImage(view.backBuffer()).save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "viewshot: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("viewshot: %s marked, written to %s\n", located.Locator.c_str(), argv[1]);
    return 0;
}
