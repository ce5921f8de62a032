#include "controls/textbox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QValidator>

namespace quillmark {

namespace {

// Per character, so that the length never changes (QString::toUpper would turn
// "ß" into "SS").
QString upperCaseLetters(QString text) {
    for (QChar& c : text) {
        if (c.isLower()) c = c.toUpper();
    }
    return text;
}

}  // namespace

// QLineEdit runs its validator on every user edit (typing, paste, drop, input
// method) and undoes the edit when it is Invalid, before any change is
// announced; that is where the typing limit and upper-casing take effect.
class TextBox::UserEditRule : public QValidator {
public:
    explicit UserEditRule(TextBox* box) : QValidator(box), m_box(box) {}

    State validate(QString& input, int&) const override {
        if (m_box->m_settingText) return Acceptable;
        if (m_box->m_upperCaseTyping) input = upperCaseLetters(input);
        const int limit = m_box->m_typingLimit;
        // A text that is already too long (set by the program) may shrink but
        // not grow.
        if (limit > 0 && input.size() > limit && input.size() > m_box->m_announced.size())
            return Invalid;
        return Acceptable;
    }

private:
    TextBox* m_box;
};

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    setValidator(new UserEditRule(this));
    connect(this, &QLineEdit::textChanged, this, &TextBox::announceChange);
    showSelection(false);
}

void TextBox::setText(const QString& text) {
    if (text == this->text()) return;
    m_settingText = true;
    QLineEdit::setText(text);
    m_settingText = false;
}

void TextBox::setTypingLimit(int count) { m_typingLimit = count; }

void TextBox::setUpperCaseTyping(bool on) { m_upperCaseTyping = on; }

void TextBox::setOnChange(Handler handler) { m_onChange = std::move(handler); }

void TextBox::announceChange(const QString& text) {
    // QLineEdit also signals after refusing an edit, with the text unchanged.
    if (text == m_announced) return;
    m_announced = text;
    // The handler may set this box's text again, nested; the flag must not
    // leak into that.
    m_settingText = false;
    Dispatch(m_onChange);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    // Upper-case typed letters before they are inserted, so that the edit stays
    // one undo step.
    if (m_upperCaseTyping && !isReadOnly() && !event->text().isEmpty()) {
        const QString upper = upperCaseLetters(event->text());
        if (upper != event->text()) {
            QKeyEvent copy(event->type(), event->key(), event->modifiers(), upper,
                           event->isAutoRepeat(), event->count());
            QLineEdit::keyPressEvent(&copy);
            event->setAccepted(copy.isAccepted());
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    showSelection(true);
    // Entering the box by keyboard or by the program selects it all; a mouse
    // click places the caret, and coming back to the window (after a message
    // box, say) leaves the caret and selection where they were.
    switch (event->reason()) {
        case Qt::MouseFocusReason:
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
            break;
        default:
            selectAll();
    }
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    showSelection(false);
}

void TextBox::showSelection(bool shown) {
    // Drawn in the box's own colours, a selection is there but not seen.
    QPalette p = palette();
    const QPalette standard = QApplication::palette(this);
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(
            group, QPalette::Highlight,
            shown ? standard.color(group, QPalette::Highlight) : p.color(group, QPalette::Base));
        p.setColor(group, QPalette::HighlightedText,
                   shown ? standard.color(group, QPalette::HighlightedText)
                         : p.color(group, QPalette::Text));
    }
    setPalette(p);
}

}  // namespace quillmark
