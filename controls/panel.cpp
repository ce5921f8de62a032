#include "controls/panel.h"

#include <QPalette>

namespace quillmark {

Panel::Panel(QWidget* parent) : QFrame(parent) {
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::NoFrame);
}

void Panel::setBorder(const QColor& color) {
    if (!color.isValid()) {
        setFrameStyle(QFrame::NoFrame);
        return;
    }
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    // A plain frame is drawn in the foreground colour.
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void Panel::setColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

QPoint Panel::clientOrigin() const { return {frameWidth(), frameWidth()}; }

void setControlBounds(QWidget* control, int left, int top, int width, int height) {
    QPoint origin(0, 0);
    if (const auto* panel = qobject_cast<const Panel*>(control->parentWidget()))
        origin = panel->clientOrigin();
    control->setGeometry(origin.x() + left, origin.y() + top, width, height);
}

}  // namespace quillmark
