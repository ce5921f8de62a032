// How the kit's controls present themselves to screen readers where Qt cannot
// know: what they are and what they do.
#pragma once

namespace quillmark {

// Installs, once, the accessible interfaces of the kit's controls: a
// RadioButton is a radio button (Qt takes a button that is not auto-exclusive
// for a check box); a Label with a click handler is a push button or a link
// whose press action clicks it; a NoticeBox is an alert. Actions run from the
// event loop, so that a screen reader's request returns before a handler opens
// a box. The controls' constructors call it.
void InstallAccessibleControls();

}  // namespace quillmark
