#include "controls/label.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>

#include "controls/accessible.h"

namespace quillmark {

Label::Label(QWidget* parent) : QLabel(parent) {
    InstallAccessibleControls();
    setFocusPolicy(Qt::NoFocus);
}

void Label::setOnClick(Handler handler) { m_onClick = std::move(handler); }

void Label::click() { Dispatch(m_onClick); }

void Label::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked = m_pressed && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (clicked) click();
}

void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click starts no second click.
    m_pressed = false;
    event->accept();
}

Picture::Picture(QWidget* parent) : Label(parent) {}

void Picture::setPicture(const QImage& picture, const QImage& highResolution) {
    m_picture = picture;
    m_highResolution = highResolution;
    update();
}

bool Picture::loadPicture(const QString& fileName) {
    QImage picture(fileName);
    if (picture.isNull()) return false;
    const QFileInfo info(fileName);
    const QString hiResName =
        info.path() + u'/' + info.completeBaseName() + QStringLiteral("@2x.") + info.suffix();
    setPicture(picture, QImage(hiResName));
    return true;
}

void Picture::setCenter(bool center) {
    m_center = center;
    update();
}

void Picture::paintEvent(QPaintEvent*) {
    if (m_picture.isNull()) return;
    QRect target(QPoint(0, 0), m_picture.size());
    if (m_center) target.moveCenter(rect().center());
    QPainter painter(this);
    const bool hiRes = devicePixelRatioF() > 1.0 && !m_highResolution.isNull();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, hiRes);
    painter.drawImage(target, hiRes ? m_highResolution : m_picture);
}

}  // namespace quillmark
