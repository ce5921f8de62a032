#include "gridmap/zoomviewbase.h"

#include <qdrawutil.h>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPalette>

#include "gridmap/bitmapimage.h"

using quillmark::copyToRgb32;
using quillmark::Rgb;

namespace {

// To a screen reader the view is a picture; its name and description are the
// widget's accessibleName and accessibleDescription.
QAccessibleInterface* viewInterface(const QString&, QObject* object) {
    if (auto* view = qobject_cast<TZoomViewBase*>(object))
        return new QAccessibleWidget(view, QAccessible::Graphic);
    return nullptr;
}

}  // namespace

TZoomViewBase::TZoomViewBase(QWidget* parent) : QWidget(parent), m_core(this) {
    static const bool accessible = (QAccessible::installFactory(viewInterface), true);
    Q_UNUSED(accessible);
    // Every client pixel comes from the back buffer: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackground(palette().color(QPalette::Button));
}

QColor TZoomViewBase::Background() const {
    const Rgb c = m_core.Background();
    return QColor(c.r, c.g, c.b);
}

void TZoomViewBase::setBackground(const QColor& color) {
    const QColor rgb = color.toRgb();
    core().setBackground(Rgb{static_cast<std::uint8_t>(rgb.red()),
                             static_cast<std::uint8_t>(rgb.green()),
                             static_cast<std::uint8_t>(rgb.blue())});
}

void TZoomViewBase::setBorderStyle(quillmark::TBorderStyle style) { core().setBorderStyle(style); }

void TZoomViewBase::syncControlSize() const {
    if (m_core.ControlWidth() != width() || m_core.ControlHeight() != height()) {
        m_core.setControlSize(width(), height());
    }
}

quillmark::ZoomViewCore& TZoomViewBase::core() {
    syncControlSize();
    return m_core;
}

const quillmark::ZoomViewCore& TZoomViewBase::core() const {
    syncControlSize();
    return m_core;
}

void TZoomViewBase::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A failed paint leaves the window as it was.
    try {
        const quillmark::Bitmap24* buffer = core().paint();
        if (buffer == nullptr) return;
        const int border = m_core.BorderWidth();
        if (buffer->Width() > 0 && buffer->Height() > 0) {
            // In the window's own format the copy below is a plain blit.
            copyToRgb32(*buffer, m_frame);
            // One to one, and under high-DPI scaling each pixel a sharp block.
            painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
            painter.drawImage(QPoint(border, border), m_frame);
        }
        if (border > 0) qDrawWinPanel(&painter, rect(), palette(), true);
    } catch (...) {
    }
}

void TZoomViewBase::resizeEvent(QResizeEvent* event) {
    syncControlSize();
    QWidget::resizeEvent(event);
}

void TZoomViewBase::paintNow() { repaint(); }

void TZoomViewBase::scheduleRepaint() { update(); }
