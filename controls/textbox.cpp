#include "controls/textbox.h"

#include <algorithm>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPalette>
#include <QValidator>

#include "locator/dms_text.h"

namespace quillmark {

namespace {

// How two texts differ: they share `prefix` characters at the start and
// `suffix` at the end, which do not overlap and never split a surrogate pair.
struct Difference {
    qsizetype prefix;
    qsizetype suffix;
};

Difference difference(const QString& before, const QString& after) {
    const qsizetype most = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < most && before[prefix] == after[prefix]) ++prefix;
    if (prefix > 0 && before[prefix - 1].isHighSurrogate()) --prefix;
    qsizetype suffix = 0;
    while (suffix < most - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    if (suffix > 0 && after[after.size() - suffix].isLowSurrogate()) --suffix;
    return {prefix, suffix};
}

}  // namespace

QString UpperCaseLetters(QString text) {
    // The text rules' own upper case, per character, so that the length never
    // changes (QString::toUpper would turn "ß" into "SS").
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const char32_t upper = upperCaseLetter(c);
        if (QChar::requiresSurrogates(upper)) {
            result += QChar(QChar::highSurrogate(upper));
            result += QChar(QChar::lowSurrogate(upper));
        } else {
            result += QChar(static_cast<char16_t>(upper));
        }
    }
    return result;
}

// QLineEdit runs its validator on every user edit (typing, paste, drop, input
// method) and undoes the edit when it is Invalid, before any change is
// announced; that is where the typing limit takes effect. Typing, pasting,
// dropping and input-method commits arrive here already mapped; a path that
// does not (a middle-click paste) is mapped here, where QLineEdit has to take
// the text as a new one and so forgets its undo history.
class TextBox::UserEditRule : public QValidator {
public:
    explicit UserEditRule(TextBox* box) : QValidator(box), m_box(box) {}

    State validate(QString& input, int& cursor) const override {
        if (m_box->m_settingText) return Acceptable;
        // Only what the edit inserted: the rest may hold a text that the
        // program set, which stays as it is.
        const Difference d = difference(m_box->m_announced, input);
        const qsizetype length = input.size() - d.prefix - d.suffix;
        const QString inserted = input.mid(d.prefix, length);
        const QString mapped = m_box->userText(inserted);
        if (mapped != inserted) {
            input.replace(d.prefix, length, mapped);
            if (cursor >= d.prefix + length) cursor += int(mapped.size() - length);
        }
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
    const QString before = this->text();
    if (text == before) return;
    const Difference d = difference(before, text);
    const auto place = [&](int position) {
        if (position <= d.prefix) return position;
        if (position >= before.size() - d.suffix)
            return int(position + text.size() - before.size());
        return int(text.size() - d.suffix);
    };
    const Caret was = caret();
    m_caretAfterSet = Caret{place(was.anchor), place(was.position)};
    m_settingText = true;
    QLineEdit::setText(text);
    m_settingText = false;
    m_caretAfterSet.reset();
}

void TextBox::setTypingLimit(int count) { m_typingLimit = count; }

void TextBox::setUpperCaseTyping(bool on) { m_upperCaseTyping = on; }

void TextBox::setUserTextMap(TextMap map) { m_userTextMap = std::move(map); }

void TextBox::setOnChange(Handler handler) { m_onChange = std::move(handler); }

void TextBox::setOnReturn(Handler handler) { m_onReturn = std::move(handler); }

QString TextBox::userText(const QString& text) const {
    QString result = m_userTextMap && !text.isEmpty() ? m_userTextMap(text) : text;
    return m_upperCaseTyping ? UpperCaseLetters(std::move(result)) : result;
}

void TextBox::pasteAsUser() {
    if (isReadOnly()) return;
    const QString clip = QGuiApplication::clipboard()->text();
    QString mapped = userText(clip);
    if (m_typingLimit > 0 && !mapped.isEmpty()) {
        // A text longer than the limit (set by the program) may shrink but not grow.
        qsizetype room = std::max<qsizetype>(m_typingLimit, text().size()) -
                         (text().size() - selectedText().size());
        if (room > 0 && room < mapped.size() && mapped[room - 1].isHighSurrogate()) --room;
        // Nothing fits: the box stays as it is, the selection included.
        if (room <= 0) return;
        mapped.truncate(room);
    }
    if (mapped == clip) {
        paste();
        return;
    }
    // QLineEdit begins a new undo step when the caret moves, as its own paste
    // does; without it the paste would join the typing before it.
    const Caret was = caret();
    if (!text().isEmpty()) setCursorPosition(was.position == 0 ? 1 : was.position - 1);
    setCaret(was);
    insert(mapped);
}

void TextBox::announceChange(const QString& text) {
    // The caret goes to its place before anyone sees the new text, so that a
    // handler rewriting this box again starts from there.
    if (m_caretAfterSet) setCaret(*std::exchange(m_caretAfterSet, std::nullopt));
    // QLineEdit also signals after refusing an edit, with the text unchanged.
    if (text == m_announced) return;
    m_announced = text;
    // The handler may set this box's text again, nested; the flag must not
    // leak into that.
    m_settingText = false;
    Dispatch(m_onChange);
}

TextBox::Caret TextBox::caret() const {
    const int position = cursorPosition();
    if (!hasSelectedText()) return {position, position};
    return {position == selectionStart() ? selectionEnd() : selectionStart(), position};
}

void TextBox::setCaret(Caret caret) {
    if (caret.anchor == caret.position) {
        setCursorPosition(caret.position);
    } else {
        setSelection(caret.anchor, caret.position - caret.anchor);
    }
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    // The keypad's Enter carries the keypad modifier. A held key runs the
    // handler once: its repeats would reopen the box that the last one closed.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_onReturn && !event->isAutoRepeat() &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        Dispatch(m_onReturn);
        return;
    }
    if (!isReadOnly()) {
        if (event->matches(QKeySequence::Paste)) {
            pasteAsUser();
            event->accept();
            return;
        }
        // Mapped before it is inserted, so that the edit stays one undo step.
        const QString typed = userText(event->text());
        if (typed != event->text()) {
            QKeyEvent copy(event->type(), event->key(), event->modifiers(), typed,
                           event->isAutoRepeat(), event->count());
            QLineEdit::keyPressEvent(&copy);
            event->setAccepted(copy.isAccepted());
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    // QLineEdit would take a commit even when read-only.
    if (isReadOnly()) {
        event->ignore();
        return;
    }
    // Only the committed text enters the box; the composition shown meanwhile
    // is the input method's.
    const QString committed = event->commitString();
    const QString mapped = userText(committed);
    if (mapped != committed) {
        QInputMethodEvent copy(event->preeditString(), event->attributes());
        copy.setCommitString(mapped, event->replacementStart(), event->replacementLength());
        QLineEdit::inputMethodEvent(&copy);
        event->setAccepted(copy.isAccepted());
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void TextBox::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (!isReadOnly() && data && data->hasText()) {
        const QString mapped = userText(data->text());
        if (mapped != data->text()) {
            QMimeData mappedData;
            mappedData.setText(mapped);
            QDropEvent copy(event->position(), event->possibleActions(), &mappedData,
                            event->buttons(), event->modifiers(), event->type());
            copy.setDropAction(event->dropAction());
            QLineEdit::dropEvent(&copy);
            event->setDropAction(copy.dropAction());
            event->setAccepted(copy.isAccepted());
            return;
        }
    }
    QLineEdit::dropEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The box's own actions head the menu.
    const QList<QAction*> own = actions();
    if (!own.isEmpty()) {
        QAction* first = menu->actions().value(0);
        menu->insertActions(first, own);
        menu->insertSeparator(first);
    }
    // The menu's Paste is the action wired to QLineEdit::paste, whatever its
    // caption says in the current language. Qt 6.4 wires it by name; a later
    // Qt may wire it by pointer.
    for (QAction* action : menu->actions()) {
        if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
            disconnect(action, &QAction::triggered, this, &QLineEdit::paste))
            connect(action, &QAction::triggered, this, &TextBox::pasteAsUser);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
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
