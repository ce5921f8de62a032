// The window's labels and pictures.
#pragma once

#include <QImage>
#include <QLabel>

#include "controls/dispatch.h"

namespace quillmark {

// A static text that takes no focus. A click (press and release of the left
// button over it) runs its click handler through Dispatch; a double click
// counts as one click. With a click handler, screen readers see a push button
// or a link (ClickRole) whose press action clicks it.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    void setOnClick(Handler handler);
    bool hasClickHandler() const { return bool(m_onClick); }

    // Runs the click handler through Dispatch, as a click with the mouse does.
    void click();

    enum class ClickRole { Button, Link };
    void setClickRole(ClickRole role) { m_clickRole = role; }
    ClickRole clickRole() const { return m_clickRole; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Handler m_onClick;
    ClickRole m_clickRole = ClickRole::Button;
    bool m_pressed = false;
};

// A Label showing a picture at its own pixel size, at the top left or centred.
// On screens scaled above 1 the high-resolution version is drawn, when given.
class Picture : public Label {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent = nullptr);

    // The picture, kept by value; `highResolution` (optional) is the same
    // picture at a multiple of its size.
    void setPicture(const QImage& picture, const QImage& highResolution = {});
    const QImage& picture() const { return m_picture; }

    // Loads the picture from a file or resource, and "<name>@2x.<ext>" beside
    // it when that exists. Returns false when the picture cannot be read.
    bool loadPicture(const QString& fileName);

    void setCenter(bool center);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    QImage m_highResolution;
    bool m_center = false;
};

}  // namespace quillmark
