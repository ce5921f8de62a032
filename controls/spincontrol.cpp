#include "controls/spincontrol.h"

#include <optional>

#include <QKeyEvent>
#include <QToolButton>

#include "controls/textbox.h"

namespace quillmark {

namespace {

std::optional<int> wholeNumberIn(const QString& text, int maximum) {
    if (text.isEmpty()) return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > maximum) return std::nullopt;
    }
    return value;
}

QToolButton* makeArrow(QWidget* parent, Qt::ArrowType arrow, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setAutoRaise(false);
    return button;
}

}  // namespace

SpinControl::SpinControl(QWidget* parent)
    : QWidget(parent),
      m_up(makeArrow(this, Qt::UpArrow, "up")),
      m_down(makeArrow(this, Qt::DownArrow, "down")) {
    setFocusPolicy(Qt::NoFocus);
    // `pressed` comes at the press and again at every auto-repeat, so a step
    // happens as soon as the arrow goes down, not at its release.
    connect(m_up, &QToolButton::pressed, this, [this] { step(+1); });
    connect(m_down, &QToolButton::pressed, this, [this] { step(-1); });
}

void SpinControl::setMaximum(int maximum) {
    m_maximum = qMax(0, maximum);
    m_position = qBound(0, m_position, m_maximum);
}

void SpinControl::setPosition(int position) { m_position = qBound(0, position, m_maximum); }

void SpinControl::associate(TextBox* box) {
    if (m_box) m_box->removeEventFilter(this);
    m_box = box;
    if (!m_box) return;
    m_box->installEventFilter(this);
    m_up->setAccessibleName(tr("增加 %1").arg(m_box->accessibleName()));
    m_down->setAccessibleName(tr("减少 %1").arg(m_box->accessibleName()));
    m_box->setText(QString::number(m_position));
}

void SpinControl::step(int delta) {
    if (!m_box) return;
    if (const auto shown = wholeNumberIn(m_box->text(), m_maximum)) m_position = *shown;
    const int next = m_position + delta;
    if (next < 0 || next > m_maximum) return;
    m_position = next;
    m_box->setText(QString::number(next));
}

bool SpinControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_box && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Up) {
                step(+1);
                return true;
            }
            if (key->key() == Qt::Key_Down) {
                step(-1);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpinControl::resizeEvent(QResizeEvent*) {
    const int upHeight = height() / 2;
    m_up->setGeometry(0, 0, width(), upHeight);
    m_down->setGeometry(0, upHeight, width(), height() - upHeight);
}

}  // namespace quillmark
