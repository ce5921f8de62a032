// What the ExceptionBox and the NoticeBox share: how a box is put in front of
// the window, and what Ctrl+C does in it.
#pragma once

#include <functional>

#include <QString>
#include <QStringList>

class QKeyEvent;
class QScreen;

namespace quillmark {

// Shows a box's text to the user and returns when the user has closed it.
using MessagePresenter = std::function<void(const QString& text)>;

// Shows `text` modally through `presenter`, or `realBox` when the presenter is
// empty. A held mouse button is let go first, so that nothing (an
// auto-repeating spin arrow, a drag) goes on acting behind the box; when the
// box has closed, the keyboard focus goes back where it was.
void PresentModalBox(const MessagePresenter& presenter, const MessagePresenter& realBox,
                     const QString& text);

// The screen that holds the active window; the primary screen when no window
// of the application is active; null only when the system has no screen.
QScreen* ActiveScreen();

// What Ctrl+C copies from a message box: dividers of 27 hyphens around the
// caption, the message and the button captions (each followed by three spaces,
// "&" removed); every line ends in CR LF.
QString MessageBoxClipboardText(const QString& caption, const QString& message,
                                const QStringList& buttonCaptions);

// The beep and the clipboard behind a box's Ctrl+C. An empty member stands for
// the real one: the desktop's default beep, and Qt's clipboard.
struct CopyServices {
    std::function<void()> Beep;
    // Puts `text` on the clipboard; false when the clipboard cannot be taken.
    std::function<bool(const QString& text)> PutOnClipboard;
};

// Replaces the beep and the clipboard, for tests. Returns what was in place.
CopyServices SetCopyServices(CopyServices services);

// Handles Ctrl+C (Ctrl as the only modifier) in a box whose content is
// `clipboardText`: beeps, then puts the text on the clipboard, or reports
// "Cannot open clipboard" in the ExceptionBox, the box staying up. Returns
// false, touching nothing, for any other key.
bool HandleCopyKey(const QKeyEvent* event, const QString& clipboardText);

}  // namespace quillmark
