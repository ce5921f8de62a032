// A long seeded run of random user actions on the real window, checking after
// every one that the window is still sound. Its length and seed come from
// QUILLMARK_SOAK_ACTIONS (default 20000) and QUILLMARK_SOAK_SEED (default 1),
// so that a longer run is one command away.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include "controls/bitmappicture.h"
#include "controls/label.h"
#include "controls/radiobutton.h"
#include "controls/spincontrol.h"
#include "controls/tests/recorder.h"
#include "controls/tests/typing.h"
#include "controls/textbox.h"
#include "gridmap/gridgeometry.h"
#include "gridmap/zoomimage.h"
#include "gridmap/zoomviewcore.h"
#include "mainwindow/Unit1.h"

namespace quillmark {
namespace {

int fromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// The marks a map may carry: none, or exactly one field's cell inverted.
bool atMostOneFieldMarked(const Bitmap24& shown, const Bitmap24& pristine) {
    if (SamePixels(shown, pristine)) return true;
    if (shown.Width() != pristine.Width() || shown.Height() != pristine.Height()) return false;
    for (int row = 0; row < 18; ++row) {
        for (int column = 0; column < 18; ++column) {
            const CellRect cell = FieldCellRect({column, row}, pristine.Height());
            if (shown.Pixel(cell.x1, cell.y1) == pristine.Pixel(cell.x1, cell.y1)) continue;
            Bitmap24 marked(pristine);
            marked.Canvas().Pen.Mode = pmNot;
            marked.Canvas().Rectangle(cell.x1, cell.y1, cell.x2, cell.y2);
            return SamePixels(shown, marked);
        }
    }
    return false;
}

class Soak {
public:
    explicit Soak(unsigned seed) : m_random(seed) {
        form = std::make_unique<TForm1>();
        // The panels' timers belong to another test; this one is about input.
        form->Timer1->stop();
        form->Timer2->stop();
        form->show();
        QApplication::setActiveWindow(form.get());
        wrapHandlers();
        pristine = std::make_unique<Bitmap24>(form->ImgTemp->bitmap());
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return below(100) < percent; }

    // One random action; returns what it was, for the failure message.
    QString act() {
        switch (below(16)) {
            case 0:
            case 1:
            case 2:
            case 3:
                return typeInto(someBox(), someText());
            case 4:
                return pasteInto(someBox(), chance(50) ? hugeNumber() : longText());
            case 5: {
                TextBox* box = someBox();
                placeCaret(box);
                const Qt::Key key = std::array{Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Z,
                                               Qt::Key_Up, Qt::Key_Down}[below(5)];
                QTest::keyClick(box, key, key == Qt::Key_Z ? Qt::ControlModifier : Qt::NoModifier);
                return QStringLiteral("key %1 in %2").arg(key).arg(box->objectName());
            }
            case 6:
            case 7:
                return holdSpinArrow();
            case 8:
                return clickHemisphere();
            case 9:
            case 10:
                return clickLocate();
            case 11:
                return dragFarOutside();
            case 12:
                return wheelBurst();
            case 13:
                return typeInto(someBox(), someLine());
            case 14:
                return setNumbers();
            default:
                return doubleClickLocate();
        }
    }

    // Everything the window must still be after any action.
    void check(const QString& action) {
        SCOPED_TRACE(action.toStdString());
        ASSERT_EQ(m_depth, 0) << "a cascade did not end";
        // Each letter exchange nests two handlers, and the typing limits keep
        // the letters an axis can gather to a little over a hundred.
        ASSERT_LE(m_deepest, 300) << "a cascade ran too deep";
        m_deepest = 0;
        ASSERT_TRUE(SamePixels(form->ImgTemp->bitmap(), *pristine)) << "the pristine map changed";
        TZoomImage* view = form->ImgLocGraph;
        ASSERT_TRUE(atMostOneFieldMarked(view->Bitmap(), *pristine));
        ASSERT_GE(view->OriginX(), 0);
        ASSERT_LE(view->OriginX(), view->MaxOriginX());
        ASSERT_GE(view->OriginY(), 0);
        ASSERT_LE(view->OriginY(), view->MaxOriginY());
        ASSERT_GT(view->ZoomPercent(), 0.0);
        ASSERT_LE(view->ZoomPercent(), ZoomViewCore::kMaxZoomPercent);
        static const QRegularExpression locator(QStringLiteral("^([A-R]{2}[0-9]{2}[A-X]{2})?$"));
        ASSERT_TRUE(locator.match(form->EditResult->text()).hasMatch())
            << form->EditResult->text().toStdString();
        ASSERT_NE(form->RadioButton3->isChecked(), form->RadioButton4->isChecked());
        ASSERT_NE(form->RadioButton1->isChecked(), form->RadioButton2->isChecked());
    }

    std::unique_ptr<TForm1> form;
    std::unique_ptr<Bitmap24> pristine;
    testing::RecordedExceptionBox errors;
    testing::RecordedNoticeBox notices;
    int locatesShown = 0;

private:
    // Each input handler counts its nesting, so the test sees every cascade end.
    void wrapHandlers() {
        const auto wrap = [this](void (TForm1::*handler)()) {
            return [this, handler] {
                ++m_depth;
                m_deepest = std::max(m_deepest, m_depth);
                struct Leave {
                    int& depth;
                    ~Leave() { --depth; }
                } leave{m_depth};
                (form.get()->*handler)();
            };
        };
        TForm1& f = *form;
        f.EditLon->setOnChange(wrap(&TForm1::EditLonChange));
        f.EditLat->setOnChange(wrap(&TForm1::EditLatChange));
        f.Edit1->setOnChange(wrap(&TForm1::Edit1Change));
        f.Edit2->setOnChange(wrap(&TForm1::Edit2Change));
        f.Edit3->setOnChange(wrap(&TForm1::Edit3Change));
        f.Edit4->setOnChange(wrap(&TForm1::Edit4Change));
        f.Edit5->setOnChange(wrap(&TForm1::Edit5Change));
        f.Edit6->setOnChange(wrap(&TForm1::Edit6Change));
        f.RadioButton1->setOnClick(wrap(&TForm1::RadioButton1Click));
        f.RadioButton2->setOnClick(wrap(&TForm1::RadioButton2Click));
        f.RadioButton3->setOnClick(wrap(&TForm1::RadioButton3Click));
        f.RadioButton4->setOnClick(wrap(&TForm1::RadioButton4Click));
    }

    TextBox* someBox() {
        TextBox* const boxes[] = {form->EditLon, form->EditLat, form->Edit1,     form->Edit2,
                                  form->Edit3,   form->Edit4,   form->Edit5,     form->Edit6,
                                  form->EditLon, form->EditLat, form->EditResult};
        return boxes[below(int(std::size(boxes)))];
    }

    void placeCaret(TextBox* box) {
        const int length = int(box->text().size());
        const int start = below(length + 1);
        box->setFocus(Qt::MouseFocusReason);
        box->setSelection(start, chance(25) ? below(length - start + 1) : 0);
    }

    QString someText() {
        static const char* const kPieces[] = {
            "0",  "1",  "2",  "5",  "9",  "7",  "°",  "'",    "\"",     ".",  " ",    "\t",
            "E",  "W",  "N",  "S",  "e",  "w",  "n",  "s",    "x",      "-",  "+",    "$",
            "’",  "‘",  "′",  "”",  "“",  "″",  "º",  "˚",    "１",     "５", "Ｅ",   "Ｗ",
            "Ｓ", "Ｎ", "。", "．", "＂", "＇", "北", "经度", "\u3000", "😀",  "\x01", "ß",
        };
        QString text;
        for (int n = 1 + below(4); n > 0; --n)
            text += QString::fromUtf8(kPieces[below(int(std::size(kPieces)))]);
        return text;
    }

    QString someLine() {
        static const char* const kLines[] = {
            "113°15'53.76\"E",
            "23°6'32.02\"N",
            "179°59'59\"W",
            "89°59'59\"S",
            "0°0'0\"E",
            "91°0'0\"N",
            "180°0'0\"E",
            "１２°３４’５６”Ｗ",
            "12°34'56\"EW",
            "45°1'2\"NSNSNS",
            "2147483648°0'0\"",
            "99999999999°",
            "°'\"",
            "E",
            "",
            "-0°-0'-0\"S",
        };
        return QString::fromUtf8(kLines[below(int(std::size(kLines)))]);
    }

    QString hugeNumber() {
        QString digits;
        for (int n = 5 + below(30); n > 0; --n) digits += QChar(u'0' + below(10));
        return chance(50) ? digits : digits + QString::fromUtf8("°");
    }

    QString longText() {
        QString text;
        for (int n = 50 + below(400); n > 0; --n) text += someText().left(1);
        return text;
    }

    QString typeInto(TextBox* box, const QString& text) {
        placeCaret(box);
        testing::typeText(box, text);
        return QStringLiteral("type \"%1\" into %2").arg(text, box->objectName());
    }

    QString pasteInto(TextBox* box, const QString& text) {
        placeCaret(box);
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("paste %1 characters into %2")
            .arg(text.size())
            .arg(box->objectName());
    }

    // Clicks one arrow many times in a row, often far past the end of its range.
    QString holdSpinArrow() {
        SpinControl* const spins[] = {form->UpDown1, form->UpDown2, form->UpDown3,
                                      form->UpDown4, form->UpDown5, form->UpDown6};
        SpinControl* spin = spins[below(6)];
        const char* arrow = chance(50) ? "up" : "down";
        auto* button = spin->findChild<QToolButton*>(QString::fromLatin1(arrow));
        const int clicks = 1 + below(chance(20) ? 200 : 5);
        for (int i = 0; i < clicks; ++i) QTest::mouseClick(button, Qt::LeftButton);
        return QStringLiteral("%1 x %2 arrow of %3").arg(clicks).arg(arrow, spin->objectName());
    }

    QString clickHemisphere() {
        RadioButton* const buttons[] = {form->RadioButton1, form->RadioButton2, form->RadioButton3,
                                        form->RadioButton4};
        RadioButton* button = buttons[below(4)];
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        return QStringLiteral("click %1").arg(button->objectName());
    }

    // Numbers straight into the boxes, so that locates often succeed.
    QString setNumbers() {
        const int lon[] = {below(180), below(60), below(60)};
        const int lat[] = {below(chance(90) ? 90 : 100), below(60), below(60)};
        TextBox* const boxes[] = {form->Edit1, form->Edit2, form->Edit3,
                                  form->Edit4, form->Edit5, form->Edit6};
        for (int i = 0; i < 3; ++i) boxes[i]->setText(QString::number(lon[i]));
        for (int i = 0; i < 3; ++i) boxes[3 + i]->setText(QString::number(lat[i]));
        return QStringLiteral("numbers %1 %2 %3 / %4 %5 %6")
            .arg(lon[0])
            .arg(lon[1])
            .arg(lon[2])
            .arg(lat[0])
            .arg(lat[1])
            .arg(lat[2]);
    }

    QPoint locateButton() const {
        return form->Image1->mapTo(form.get(), form->Image1->rect().center());
    }

    QString clickLocate() {
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, locateButton());
        return QStringLiteral("click locate");
    }

    QString doubleClickLocate() {
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, locateButton());
        return QStringLiteral("double-click locate");
    }

    void sendMouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        TZoomImage* view = form->ImgLocGraph;
        QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    }

    QString dragFarOutside() {
        const QPoint start(below(464), below(180));
        sendMouse(QEvent::MouseButtonPress, start, Qt::LeftButton);
        QPoint at = start;
        for (int n = 1 + below(8); n > 0; --n) {
            at = QPoint(below(40001) - 20000, below(40001) - 20000);
            sendMouse(QEvent::MouseMove, at, Qt::LeftButton);
        }
        sendMouse(QEvent::MouseButtonRelease, at, Qt::NoButton);
        return QStringLiteral("drag from (%1, %2) to (%3, %4)")
            .arg(start.x())
            .arg(start.y())
            .arg(at.x())
            .arg(at.y());
    }

    QString wheelBurst() {
        TZoomImage* view = form->ImgLocGraph;
        const int notch = chance(50) ? 120 : -120;
        const int count = 1 + below(chance(30) ? 80 : 4);
        const QPointF at(below(464), below(180));
        for (int i = 0; i < count; ++i) {
            QWheelEvent event(at, view->mapToGlobal(at), QPoint(), QPoint(0, notch), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view, &event);
        }
        return QStringLiteral("wheel %1 x %2").arg(count).arg(notch);
    }

    std::mt19937 m_random;
    int m_depth = 0;
    int m_deepest = 0;
};

TEST(SoakTest, RandomUserActionsLeaveTheWindowSound) {
    const int actions = fromEnvironment("QUILLMARK_SOAK_ACTIONS", 20000);
    const unsigned seed = unsigned(fromEnvironment("QUILLMARK_SOAK_SEED", 1));
    Soak soak(seed);
    ASSERT_TRUE(QTest::qWaitForWindowActive(soak.form.get()));
    int located = 0;
    for (int step = 0; step < actions; ++step) {
        const QString action = soak.act();
        soak.check(QStringLiteral("seed %1, action %2: %3").arg(seed).arg(step).arg(action));
        if (::testing::Test::HasFatalFailure()) return;
        if (!soak.form->EditResult->text().isEmpty()) ++located;
    }
    // The run must have reached the parts it is meant to shake.
    EXPECT_GT(located, 0);
    EXPECT_FALSE(soak.errors.shown.isEmpty());
    EXPECT_FALSE(soak.notices.shown.isEmpty());
    std::printf("soak: %d actions, seed %u, %lld error boxes, %lld notices\n", actions, seed,
                static_cast<long long>(soak.errors.shown.size()),
                static_cast<long long>(soak.notices.shown.size()));
}

}  // namespace
}  // namespace quillmark
