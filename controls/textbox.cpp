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
#include <QToolTip>
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

void TextBox::setOnPaste(Handler handler) { m_onPaste = std::move(handler); }

QString TextBox::pastedText() const { return m_pasteOffer ? m_pasteOffer->text : QString(); }

QString TextBox::textAfterPaste() const { return m_pasteOffer ? m_pasteOffer->after : text(); }

void TextBox::replaceAsUser(const std::vector<std::pair<TextBox*, QString>>& texts) {
    auto edit = std::make_shared<UserEdit>();
    for (const auto& [box, text] : texts) edit->parts.push_back({box, box->text(), text});
    for (UserEdit::Part& part : edit->parts) {
        part.box->m_userEdit = edit;
        ++part.box->m_userEditCount;
        part.box->putText(part.after);
        part.after = part.box->text();
    }
}

void TextBox::putText(const QString& text) {
    // Other controls follow the first setting, and their handlers may rewrite
    // this box meanwhile; the second puts the text back over that, and now
    // every control agrees with it.
    setText(text);
    setText(text);
    setCursorPosition(int(this->text().size()));
}

void TextBox::applyUserEdit(const std::shared_ptr<UserEdit>& edit, bool undo) {
    std::vector<UserEdit::Part*> changed;
    for (UserEdit::Part& part : edit->parts) {
        if (part.box && part.box->m_userEdit == edit &&
            part.box->text() == (undo ? part.after : part.before))
            changed.push_back(&part);
    }
    edit->undone = undo;
    for (UserEdit::Part* part : changed) {
        QString& text = undo ? part->before : part->after;
        part->box->putText(text);
        text = part->box->text();
    }
}

bool TextBox::canUndoTogether() const {
    if (!m_userEdit || m_userEdit->undone || isUndoAvailable()) return false;
    for (const UserEdit::Part& part : m_userEdit->parts) {
        if (part.box == this) return part.after == text();
    }
    return false;
}

bool TextBox::canRedoTogether() const {
    if (!m_userEdit || !m_userEdit->undone || isRedoAvailable()) return false;
    for (const UserEdit::Part& part : m_userEdit->parts) {
        if (part.box == this) return part.before == text();
    }
    return false;
}

void TextBox::undoAsUser() {
    if (isUndoAvailable()) {
        undo();
    } else if (canUndoTogether()) {
        applyUserEdit(m_userEdit, true);
    }
}

void TextBox::redoAsUser() {
    if (isRedoAvailable()) {
        redo();
    } else if (canRedoTogether()) {
        applyUserEdit(m_userEdit, false);
    }
}

void TextBox::setNote(const QString& note) {
    if (m_pasteOffer) {
        m_pendingNote = note;
        return;
    }
    if (m_note.isEmpty()) m_toolTipBeforeNote = toolTip();
    if (QToolTip::isVisible() && !m_note.isEmpty() && QToolTip::text() == m_note)
        QToolTip::hideText();
    m_note = note;
    setToolTip(note.isEmpty() ? m_toolTipBeforeNote : note);
    if (!note.isEmpty() && isVisible())
        QToolTip::showText(mapToGlobal(QPoint(0, height())), note, this);
}

void TextBox::showPendingNote() {
    if (m_pendingNote) setNote(*std::exchange(m_pendingNote, std::nullopt));
}

bool TextBox::offerPaste(const QString& text, int start, int end) {
    m_pendingNote.reset();
    if (!m_onPaste || text.isEmpty()) return false;
    QString after = this->text();
    after.replace(start, end - start, text);
    m_pasteOffer = PasteOffer{text, after};
    const int edits = m_userEditCount;
    Dispatch(m_onPaste);
    m_pasteOffer.reset();
    return m_userEditCount != edits;
}

QString TextBox::userText(const QString& text) const {
    QString result = m_userTextMap && !text.isEmpty() ? m_userTextMap(text) : text;
    return m_upperCaseTyping ? UpperCaseLetters(std::move(result)) : result;
}

void TextBox::pasteAsUser(QClipboard::Mode mode) {
    if (isReadOnly()) return;
    const QString clip = QGuiApplication::clipboard()->text(mode);
    QString mapped = userText(clip);
    const Caret was = caret();
    if (offerPaste(mapped, std::min(was.anchor, was.position),
                   std::max(was.anchor, was.position))) {
        showPendingNote();
        return;
    }
    if (m_typingLimit > 0 && !mapped.isEmpty()) {
        // A text longer than the limit (set by the program) may shrink but not grow.
        qsizetype room = std::max<qsizetype>(m_typingLimit, text().size()) -
                         (text().size() - selectedText().size());
        if (room > 0 && room < mapped.size() && mapped[room - 1].isHighSurrogate()) --room;
        // Nothing fits: the box stays as it is, the selection included.
        if (room <= 0) {
            showPendingNote();
            return;
        }
        mapped.truncate(room);
    }
    if (mapped == clip && mode == QClipboard::Clipboard) {
        paste();
    } else {
        // QLineEdit begins a new undo step when the caret moves, as its own
        // paste does; without it the paste would join the typing before it.
        if (!text().isEmpty()) setCursorPosition(was.position == 0 ? 1 : was.position - 1);
        setCaret(was);
        insert(mapped);
    }
    showPendingNote();
}

void TextBox::announceChange(const QString& text) {
    // The caret goes to its place before anyone sees the new text, so that a
    // handler rewriting this box again starts from there.
    if (m_caretAfterSet) setCaret(*std::exchange(m_caretAfterSet, std::nullopt));
    // QLineEdit also signals after refusing an edit, with the text unchanged.
    if (text == m_announced) return;
    m_announced = text;
    if (!m_note.isEmpty()) setNote(QString());
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
        if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
            event->matches(QKeySequence::Undo) ? undoAsUser() : redoAsUser();
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
    if (isReadOnly() || !data || !data->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const QString mapped = userText(data->text());
    // A text moved within the box is an edit, not a paste.
    if (event->source() != this) {
        const int at = cursorPositionAt(event->position().toPoint());
        if (offerPaste(mapped, at, at)) {
            event->acceptProposedAction();
            // The caret that showed where the text would drop goes.
            QDragLeaveEvent leave;
            QLineEdit::dragLeaveEvent(&leave);
            showPendingNote();
            return;
        }
    }
    if (mapped == data->text()) {
        QLineEdit::dropEvent(event);
    } else {
        QMimeData mappedData;
        mappedData.setText(mapped);
        QDropEvent copy(event->position(), event->possibleActions(), &mappedData, event->buttons(),
                        event->modifiers(), event->type());
        copy.setDropAction(event->dropAction());
        QLineEdit::dropEvent(&copy);
        event->setDropAction(copy.dropAction());
        event->setAccepted(copy.isAccepted());
    }
    showPendingNote();
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    // The X11 selection pasted by the middle button, as QLineEdit does it.
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteAsUser(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
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
    // The menu's Paste, Undo and Redo are the actions wired to QLineEdit's
    // slots, whatever their captions say in the current language. Qt 6.4 wires
    // them by name; a later Qt may wire them by pointer.
    const auto rewire = [this](QAction* action, const char* slot, void (QLineEdit::*method)()) {
        return disconnect(action, SIGNAL(triggered()), this, slot) ||
               disconnect(action, &QAction::triggered, this, method);
    };
    for (QAction* action : menu->actions()) {
        if (rewire(action, SLOT(paste()), &QLineEdit::paste)) {
            connect(action, &QAction::triggered, this, [this] { pasteAsUser(); });
        } else if (rewire(action, SLOT(undo()), &QLineEdit::undo)) {
            action->setEnabled(isUndoAvailable() || canUndoTogether());
            connect(action, &QAction::triggered, this, &TextBox::undoAsUser);
        } else if (rewire(action, SLOT(redo()), &QLineEdit::redo)) {
            action->setEnabled(isRedoAvailable() || canRedoTogether());
            connect(action, &QAction::triggered, this, &TextBox::redoAsUser);
        }
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
