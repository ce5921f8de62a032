// The window's panels, and how controls are placed in their parents.
#pragma once

#include <QColor>
#include <QFrame>

namespace quillmark {

// A container that takes no focus, optionally with a flat 1-pixel border.
// Its client area starts inside the border.
class Panel : public QFrame {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr);

    // A flat single-line border in `color`; no border when `color` is invalid.
    void setBorder(const QColor& color);
    // Fills the panel with `color`.
    void setColor(const QColor& color);

    // Where the client area starts, relative to the panel's outer top left.
    QPoint clientOrigin() const;
};

// Places `control` at `left`, `top` relative to its parent's client area, with
// the given outer size. A Panel's client area starts inside its border; for
// every other parent (the window, a group box) it is the outer top left.
void setControlBounds(QWidget* control, int left, int top, int width, int height);

}  // namespace quillmark
