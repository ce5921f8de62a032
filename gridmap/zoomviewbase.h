// The bottom of the zoomable view's widget family: owns the view core, its
// background and frame, and paints the core's back buffer.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include "gridmap/zoomviewcore.h"

class TZoomViewBase : public QWidget, private quillmark::ZoomViewHost {
    Q_OBJECT

public:
    explicit TZoomViewBase(QWidget* parent = nullptr);

    // Colour of the client pixels the image does not cover; defaults to the
    // palette's button colour.
    QColor Background() const;
    void setBackground(const QColor& color);
    // bsSingle (default) draws a sunken 2-pixel frame inside the widget;
    // bsNone makes the whole widget client.
    quillmark::TBorderStyle BorderStyle() const { return m_core.BorderStyle(); }
    void setBorderStyle(quillmark::TBorderStyle style);

protected:
    // The core, its control size brought up to the widget's first: a widget
    // resized while hidden gets its resize event only when shown.
    quillmark::ZoomViewCore& core();
    const quillmark::ZoomViewCore& core() const;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void syncControlSize() const;
    void paintNow() override;
    void scheduleRepaint() override;

    mutable quillmark::ZoomViewCore m_core;
    // The back buffer as last drawn, in the window's pixel format.
    QImage m_frame;
};
