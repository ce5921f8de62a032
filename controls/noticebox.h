// The NoticeBox: the small modal box in which the locate action reports an
// out-of-range coordinate.
#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>
#include <QString>

#include "controls/messagebox.h"

class QFont;
class QPushButton;

namespace quillmark {

// Where the parts of a NoticeBox go, in client pixels.
struct NoticeBoxLayout {
    QRect Text;
    QRect Button;
    QSize Client;
    friend bool operator==(const NoticeBoxLayout&, const NoticeBoxLayout&) = default;
};

// The layout for a font whose 52 letters A-Z, a-z average `meanLetterWidth`
// pixels (integer division) and are `letterHeight` high, an "OK" caption
// `okCaptionWidth` wide and a laid-out text of `textSize`. Margins, gap and
// button follow the font in eighths of its height and quarters of its mean
// letter width, each product rounded to the nearest integer, halves to even.
NoticeBoxLayout LayoutNoticeBox(int meanLetterWidth, int letterHeight, int okCaptionWidth,
                                QSize textSize);

// The same for `text` in `font`, word-wrapped with tabs expanded within
// `maxTextWidth` pixels.
NoticeBoxLayout LayoutNoticeBox(const QFont& font, const QString& text, int maxTextWidth);

// The box itself: the application's display name as caption, the text in the
// message-box font within half the width of the active window's screen, no
// icon, one "OK" button that is both default and cancel (Enter, Esc and the
// close box all close it). Fixed size, centred on the active window's screen,
// application-modal, silent when shown; screen readers announce it as an alert
// with its text. Ctrl+C beeps and copies its content.
class NoticeBox : public QDialog {
    Q_OBJECT
public:
    explicit NoticeBox(const QString& text, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    QPushButton* okButton() const { return m_ok; }
    const NoticeBoxLayout& boxLayout() const { return m_layout; }
    // The Ctrl+C text of this box.
    QString clipboardText() const;

    // Places the box, frame included, in the middle of the active window's screen.
    void centreOnActiveScreen();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QString m_text;
    NoticeBoxLayout m_layout;
    QPushButton* m_ok = nullptr;
};

// Replaces how the box is shown, for tests; an empty presenter restores the
// real box. Returns the presenter that was in place.
MessagePresenter SetNoticePresenter(MessagePresenter presenter);

// Shows `text` in a NoticeBox and returns when the user has closed it. Like the
// ExceptionBox, it runs a nested event loop: timers keep running, the window
// takes no input, and the focus goes back where it was afterwards.
void ShowNotice(const QString& text);

}  // namespace quillmark
