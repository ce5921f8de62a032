// One user action's whole cascade on a shown window: a digit typed into
// EditLon (its handler, Edit1 following, Edit1Change writing the same text
// back), and one spin step (the seconds box, its handler rewriting EditLon,
// EditLonChange reading the text back).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "controls/spincontrol.h"
#include "controls/textbox.h"
#include "mainwindow/Unit1.h"

namespace {

using quillmark::TForm1;

// A window as the user has it, without its web panels' timers.
class ShownWindow {
public:
    ShownWindow() {
        form.Timer1->stop();
        form.Timer2->stop();
        form.show();
        QApplication::setActiveWindow(&form);
        (void)QTest::qWaitForWindowActive(&form);
    }
    TForm1 form;
};

void BM_DigitTypedIntoEditLon(benchmark::State& state) {
    ShownWindow window;
    quillmark::TextBox* box = window.form.EditLon;
    box->setFocus(Qt::MouseFocusReason);
    // The last digit of the degrees, 113 and 114 by turns: every keystroke
    // changes Edit1.
    bool four = true;
    for (auto _ : state) {
        box->setSelection(2, 1);
        QTest::keyClick(box, four ? Qt::Key_4 : Qt::Key_3);
        four = !four;
    }
    if (window.form.Edit1->text() != (four ? "113" : "114")) state.SkipWithError("no cascade");
}
BENCHMARK(BM_DigitTypedIntoEditLon);

void BM_SpinStep(benchmark::State& state) {
    ShownWindow window;
    quillmark::SpinControl* spin = window.form.UpDown3;
    int delta = +1;
    for (auto _ : state) {
        spin->step(delta);
        delta = -delta;
    }
    const QString seconds = window.form.Edit3->text();
    if (window.form.EditLon->text() != QStringLiteral("113°15'%1\"E").arg(seconds)) {
        state.SkipWithError("no cascade");
    }
}
BENCHMARK(BM_SpinStep);

// The same step by a click on the arrow. QTest delivers the click through the
// window and then processes pending events, so this includes repainting the
// boxes that changed.
void BM_SpinArrowClickAndRepaint(benchmark::State& state) {
    ShownWindow window;
    quillmark::SpinControl* spin = window.form.UpDown3;
    QToolButton* arrows[] = {spin->findChild<QToolButton*>("up"),
                             spin->findChild<QToolButton*>("down")};
    int turn = 0;
    for (auto _ : state) {
        QTest::mouseClick(arrows[turn], Qt::LeftButton, {}, QPoint(8, 5));
        turn ^= 1;
    }
    const QString seconds = window.form.Edit3->text();
    if (window.form.EditLon->text() != QStringLiteral("113°15'%1\"E").arg(seconds)) {
        state.SkipWithError("no cascade");
    }
}
BENCHMARK(BM_SpinArrowClickAndRepaint);

}  // namespace
