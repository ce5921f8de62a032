// The map view inside the real window: one drag move and one wheel step, each
// through Qt's event delivery to a repainted view.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include "gridmap/zoomimage.h"
#include "mainwindow/Unit1.h"

namespace {

using quillmark::TForm1;

// Shows the window and waits until it is exposed: an unexposed view paints
// nothing, and the figures would flatter it.
void showExposed(TForm1& form) {
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
}

void sendMouse(QWidget* view, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

// One move of a held drag, back and forth by 7 pixels so the origin changes
// every time without reaching a limit.
void BM_DragMove(benchmark::State& state) {
    TForm1 form;
    showExposed(form);
    TZoomImage* view = form.ImgLocGraph;
    const QPoint start(232, 90);
    sendMouse(view, QEvent::MouseButtonPress, start, Qt::LeftButton);
    sendMouse(view, QEvent::MouseMove, start + QPoint(7, 0), Qt::LeftButton);
    if (view->OriginX() == 680) state.SkipWithError("the drag does not move the map");
    int i = 0;
    for (auto _ : state) {
        const QPoint to = start + QPoint((i++ & 1) ? 0 : 7, 0);
        sendMouse(view, QEvent::MouseMove, to, Qt::LeftButton);
    }
    sendMouse(view, QEvent::MouseButtonRelease, start, Qt::NoButton);
}
BENCHMARK(BM_DragMove)->Unit(benchmark::kMicrosecond);

// One notch of the wheel, alternately in and out, between 200 % and the next
// zoom step.
void BM_WheelStep(benchmark::State& state) {
    TForm1 form;
    showExposed(form);
    TZoomImage* view = form.ImgLocGraph;
    const QPointF at(232, 90);
    const double before = view->ZoomPercent();
    int i = 0;
    for (auto _ : state) {
        const int notch = (i++ & 1) ? -120 : 120;
        QWheelEvent event(at, view->mapToGlobal(at), QPoint(), QPoint(0, notch), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &event);
    }
    if (view->ZoomPercent() == before && (i & 1)) state.SkipWithError("the wheel does not zoom");
}
BENCHMARK(BM_WheelStep)->Unit(benchmark::kMicrosecond);

}  // namespace
