// The window's single-line text box.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <QClipboard>
#include <QLineEdit>
#include <QPointer>
#include <QString>

#include "controls/dispatch.h"

namespace quillmark {

// `text` with every lower-case letter in upper case, one character for one (so
// "ß" stays), by the text rules' upperCaseLetter: what a box with upper-case
// typing does to what the user types.
QString UpperCaseLetters(QString text);

// A QLineEdit whose change handler runs exactly once for every change of its
// text, whoever makes it (typing, paste, cut, undo, setText, a spin step),
// synchronously and nested inside the change. Setting an equal text is a no-op.
// Its context menu is QLineEdit's, headed by the actions added to the box with
// QWidget::addAction.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    // Sets the text as the program. Does nothing at all when `text` equals the
    // current text; otherwise the change handler has run when this returns.
    // Never cut to the typing limit, never upper-cased or mapped. The caret and
    // the selection keep their place in the text: a position in front of the
    // part that changed stays, one behind it moves with the text behind it, one
    // inside it goes to the end of the new part. As with any text set from
    // outside, the undo history starts afresh.
    void setText(const QString& text);

    // At most `count` characters can be typed or pasted; 0 means no limit. Of a
    // longer paste, the part that fits goes in. Applies to the user only: texts
    // set by the program are kept whole.
    void setTypingLimit(int count);
    int typingLimit() const { return m_typingLimit; }

    // Letters typed or pasted are turned into upper case before the change is
    // announced.
    void setUpperCaseTyping(bool on);

    // Turns the text of a piece the user types, pastes, drops or commits from an
    // input method into what the box takes instead, before upper-casing, as
    // part of the same edit: one undo step, and the typing limit counts the
    // result. The map must work character by character and give the same text
    // when applied again. Texts set by the program are left as they are; an
    // empty map turns mapping off.
    using TextMap = std::function<QString(const QString&)>;
    void setUserTextMap(TextMap map);

    // Runs through Dispatch after every change of the text.
    void setOnChange(Handler handler);

    // Runs through Dispatch when Return or the keypad's Enter is pressed in the
    // box with no other modifier, once while the key is held; otherwise, and
    // without a handler, the key goes on to the parent.
    void setOnReturn(Handler handler);

    // Runs through Dispatch when the user pastes (by key, menu or middle click)
    // or drops a text from elsewhere into the box, before it goes in. While it
    // runs, pastedText() is the text as it would go in (mapped and upper-cased
    // like typing, not yet cut to the typing limit) and textAfterPaste() the
    // box's text with it in place. A handler that puts a text into this box
    // with replaceAsUser takes the paste's place; otherwise the paste goes in
    // as usual.
    void setOnPaste(Handler handler);
    QString pastedText() const;
    QString textAfterPaste() const;

    // Puts each text into its box as one edit of the user's, the caret at its
    // end. Each box's text is set as setText sets it, then once more, so that
    // it stands as given even where a change handler rewrote it while other
    // controls followed it. Undo (Ctrl+Z or the menu) in any of the boxes, once
    // its own later edits are undone, puts back in the same way the texts that
    // all of them had before, in each box that still shows what the edit
    // left; Redo puts the edit back.
    static void replaceAsUser(const std::vector<std::pair<TextBox*, QString>>& texts);

    // Shows `note` as the box's tooltip, at once beside the box and then on
    // hover, until the box's text next changes. Given by the paste handler, it
    // is shown once the paste has gone in. An empty note removes it.
    void setNote(const QString& note);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    class UserEditRule;
    friend class UserEditRule;

    struct Caret {
        int anchor;
        int position;
    };

    // What replaceAsUser did, shared by the boxes it changed.
    struct UserEdit {
        struct Part {
            QPointer<TextBox> box;
            QString before;
            QString after;
        };
        std::vector<Part> parts;
        bool undone = false;
    };

    // A paste or drop on its way in, while the paste handler runs.
    struct PasteOffer {
        QString text;
        QString after;
    };

    // What the box makes of a piece of text that the user inserts.
    QString userText(const QString& text) const;
    // The clipboard's text as the user's: offered to the paste handler, then
    // mapped and cut to the room the typing limit leaves.
    void pasteAsUser(QClipboard::Mode mode = QClipboard::Clipboard);
    // Runs the paste handler for `text` inserted over `start`..`end`; true when
    // it took the paste's place.
    bool offerPaste(const QString& text, int start, int end);
    void showPendingNote();
    void putText(const QString& text);
    bool canUndoTogether() const;
    bool canRedoTogether() const;
    void undoAsUser();
    void redoAsUser();
    // Puts back the texts before (`undo`) or after the shared edit.
    static void applyUserEdit(const std::shared_ptr<UserEdit>& edit, bool undo);
    void announceChange(const QString& text);
    Caret caret() const;
    void setCaret(Caret caret);
    void showSelection(bool shown);

    Handler m_onChange;
    Handler m_onReturn;
    Handler m_onPaste;
    std::optional<PasteOffer> m_pasteOffer;
    std::shared_ptr<UserEdit> m_userEdit;
    int m_userEditCount = 0;
    QString m_note;
    std::optional<QString> m_pendingNote;
    QString m_toolTipBeforeNote;
    TextMap m_userTextMap;
    QString m_announced;
    std::optional<Caret> m_caretAfterSet;
    int m_typingLimit = 0;
    bool m_upperCaseTyping = false;
    bool m_settingText = false;
};

}  // namespace quillmark
