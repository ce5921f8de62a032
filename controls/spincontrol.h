// The window's spin control (up-down arrows) tied to a number box.
#pragma once

#include <QWidget>

class QToolButton;

namespace quillmark {

class TextBox;

// Two arrows with the height of the control. Each press of an arrow, each
// auto-repeat while it is held (fixed rate, no acceleration) and each Up or
// Down key in the tied box steps the value by 1 within 0..maximum, stopping at
// the ends, and writes it into the box as plain decimal digits, which runs the
// box's change handler.
class SpinControl : public QWidget {
    Q_OBJECT
public:
    explicit SpinControl(QWidget* parent = nullptr);

    // The range is 0..maximum; `position` is clamped to it.
    void setMaximum(int maximum);
    int maximum() const { return m_maximum; }
    void setPosition(int position);
    // The last value the control took from its box or wrote into it.
    int position() const { return m_position; }

    // Ties the control to `box`: from now on it steps the box, and the box's
    // text is set to the position now (an equal text changes nothing). The
    // arrows take their names for screen readers from the box's accessible
    // name ("增加 经度 度", longitude degrees up).
    void associate(TextBox* box);
    TextBox* box() const { return m_box; }

    // One step by +1 or -1. It starts from the number the box shows when that
    // is a run of digits 0-9 within the range; otherwise (empty, letters, out
    // of range) from position(). A step that would leave the range does nothing.
    void step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
    TextBox* m_box = nullptr;
    int m_maximum = 100;
    int m_position = 0;
};

}  // namespace quillmark
