#include "gridmap/zoomimageview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>

#include "gridmap/rounding.h"

namespace {

// One notch of an ordinary mouse wheel, in the eighths of a degree Qt reports.
constexpr int kWheelNotch = 120;

}  // namespace

TZoomImageView::TZoomImageView(QWidget* parent) : TZoomViewBase(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::ClickFocus);
}

QPoint TZoomImageView::clientPoint(const QMouseEvent* event) const {
    const QPointF p = event->position();
    const int border = core().BorderWidth();
    return {quillmark::SaturateToInt(std::floor(p.x())) - border,
            quillmark::SaturateToInt(std::floor(p.y())) - border};
}

void TZoomImageView::restoreOwnCursor() {
    if (!m_grabbing) return;
    m_grabbing = false;
    setCursor(m_ownCursor);
}

void TZoomImageView::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (isVisible() && (focusPolicy() & Qt::ClickFocus)) setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = clientPoint(event);
    if (core().beginDrag(p.x(), p.y())) {
        if (!m_grabbing) m_ownCursor = cursor();
        m_grabbing = true;
        setCursor(Qt::ClosedHandCursor);
    }
}

void TZoomImageView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!core().dragging()) return;
    if (!(event->buttons() & Qt::LeftButton)) {
        // The release went elsewhere (a box took the mouse): the drag is over.
        core().cancelDrag();
        restoreOwnCursor();
        return;
    }
    const QPoint p = clientPoint(event);
    core().dragTo(p.x(), p.y());
}

void TZoomImageView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !core().dragging()) return;
    const QPoint p = clientPoint(event);
    core().endDrag(p.x(), p.y());
    restoreOwnCursor();
}

void TZoomImageView::wheelEvent(QWheelEvent* event) {
    event->accept();
    const QPoint angle = event->angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    if (delta == 0) return;
    // Touchpads and free-spinning wheels send fractions of a notch: only full
    // notches zoom, and turning back drops what was gathered the other way.
    if ((m_wheelRemainder > 0 && delta < 0) || (m_wheelRemainder < 0 && delta > 0)) {
        m_wheelRemainder = 0;
    }
    m_wheelRemainder += delta;
    while (m_wheelRemainder >= kWheelNotch || m_wheelRemainder <= -kWheelNotch) {
        const int notch = m_wheelRemainder > 0 ? kWheelNotch : -kWheelNotch;
        m_wheelRemainder -= notch;
        core().wheel(notch);
    }
}

void TZoomImageView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            // Kept here so that no parent turns them into focus moves.
            event->accept();
            return;
        default:
            TZoomViewBase::keyPressEvent(event);
    }
}

void TZoomImageView::keyReleaseEvent(QKeyEvent* event) {
    if (!(event->modifiers() & Qt::ShiftModifier)) restoreOwnCursor();
    TZoomViewBase::keyReleaseEvent(event);
}
