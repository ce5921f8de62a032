// The zoomable, draggable image view: the left button drags the image, the
// wheel zooms, one step per notch.
#pragma once

#include <QCursor>

#include "gridmap/zoomviewbase.h"

class TZoomImageView : public TZoomViewBase {
    Q_OBJECT

public:
    // Pointing-hand cursor, focus by click only (no tab stop).
    explicit TZoomImageView(QWidget* parent = nullptr);

    // The bitmap shown; call RefreshView after drawing on it or assigning to it.
    quillmark::Bitmap24& Bitmap() { return core().Bitmap(); }

    // Magnification in percent (initially 100). Values <= 0 are ignored, values
    // above ZoomViewCore::kMaxZoomPercent taken as that maximum; a change keeps
    // the image point under the client centre and paints at once.
    double ZoomPercent() const { return core().ZoomPercent(); }
    void setZoomPercent(double percent) { core().setZoomPercent(percent); }
    // View origin in zoomed pixels, clamped silently to 0..MaxOriginX
    // (0..MaxOriginY); a change paints at once.
    int OriginX() const { return core().OriginX(); }
    void setOriginX(int x) { core().setOriginX(x); }
    int OriginY() const { return core().OriginY(); }
    void setOriginY(int y) { core().setOriginY(y); }
    int MaxOriginX() const { return core().MaxOriginX(); }
    int MaxOriginY() const { return core().MaxOriginY(); }
    // Takes up the bitmap's current contents; the repaint follows from the event loop.
    void RefreshView() { core().RefreshView(); }
    // Whether an image smaller than the client is centred (default on).
    bool Center() const { return core().Center(); }
    void setCenter(bool center) { core().setCenter(center); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QPoint clientPoint(const QMouseEvent* event) const;
    void restoreOwnCursor();

    // Rotation not yet turned into zoom steps, in Qt's eighths of a degree.
    int m_wheelRemainder = 0;
    // Set while the closed hand stands in for m_ownCursor.
    bool m_grabbing = false;
    QCursor m_ownCursor;
};
