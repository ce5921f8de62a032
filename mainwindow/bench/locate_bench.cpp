// Speed of one click on the locate button: the click delivered, the boxes
// read, the locator computed, the map restored and marked, the result shown and
// the window's pending paints done, the 464 x 180 map view among them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include "controls/label.h"
#include "controls/radiobutton.h"
#include "controls/textbox.h"
#include "gridmap/zoomimage.h"
#include "mainwindow/Unit1.h"

namespace {

using quillmark::TForm1;

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void sendClick(QWidget* target) {
    const QPointF at = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

void enterPosition(TForm1& form, bool southAmerica) {
    form.Edit1->setText(southAmerica ? "58" : "113");
    form.Edit2->setText(southAmerica ? "22" : "15");
    form.Edit3->setText(southAmerica ? "54" : "53");
    (southAmerica ? form.RadioButton3 : form.RadioButton4)->check();
    form.Edit4->setText(southAmerica ? "34" : "23");
    form.Edit5->setText(southAmerica ? "36" : "6");
    form.Edit6->setText(southAmerica ? "13" : "32");
    (southAmerica ? form.RadioButton2 : form.RadioButton1)->check();
}

// Argument 0: every click on the start-up position (the map is restored and
// marked again, the view stays where it is). Argument 1: the clicks alternate
// between two fields on two continents, so the mark, the origin and the result
// change every time; entering the position between clicks is not timed.
void BM_LocateClick(benchmark::State& state) {
    const bool alternate = state.range(0) != 0;
    TForm1 form;
    form.show();
    PaintCounter viewPaints;
    form.ImgLocGraph->installEventFilter(&viewPaints);
    QCoreApplication::processEvents();
    sendClick(form.Image1);
    QCoreApplication::processEvents();

    bool southAmerica = false;
    viewPaints.paints = 0;
    for (auto _ : state) {
        if (alternate) {
            state.PauseTiming();
            southAmerica = !southAmerica;
            enterPosition(form, southAmerica);
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
        sendClick(form.Image1);
        QCoreApplication::processEvents();
    }
    if (form.EditResult->text() != (southAmerica ? "GF05TJ" : "OL63PC"))
        state.SkipWithError("the click did not show the locator");
    state.counters["view paints per click"] =
        static_cast<double>(viewPaints.paints) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_LocateClick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The handler's own share of a click: Image1Click called on a window that is
// never shown, so that no paint follows (the arguments as above).
void BM_Image1Click(benchmark::State& state) {
    const bool alternate = state.range(0) != 0;
    TForm1 form;
    bool southAmerica = false;
    for (auto _ : state) {
        if (alternate) {
            state.PauseTiming();
            southAmerica = !southAmerica;
            enterPosition(form, southAmerica);
            state.ResumeTiming();
        }
        form.Image1Click();
    }
    if (form.EditResult->text() != (southAmerica ? "GF05TJ" : "OL63PC"))
        state.SkipWithError("the click did not show the locator");
}
BENCHMARK(BM_Image1Click)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
