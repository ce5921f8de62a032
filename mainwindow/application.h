// Application-wide set-up shared by the program and its tests: identity,
// layout scale, fonts and icon.
#pragma once

#include <QFont>
#include <QIcon>

#include "mainwindow/version.h"

namespace quillmark {

// The layout is in pixels for a window font whose text (ascent plus descent)
// is 13 pixels high. Noto Sans CJK is 1.448 em high, so its em must be 9 layout
// pixels; the described character heights are in screen pixels for an 11-pixel
// em. The window is therefore scaled by 11/9, fonts and layout alike.
inline constexpr double kLayoutScale = 11.0 / 9.0;

// Asks Qt to scale every window by kLayoutScale, unless the user has chosen a
// scale (QT_SCALE_FACTOR). Call before the QApplication is created.
void PrepareLayoutScale();

// Chromium refuses to start its sandbox as root, and the embedded browsers
// would end the program; as root they run without it. Call before the
// QApplication is created.
void PrepareWebEngine();

// Sets the application's name, display name (the title "Quillmark V1.0"),
// organisation, version and window icon from the version record.
void SetUpApplication();

// The user-interface font (Noto Sans CJK SC) for a described character height
// in screen pixels, sized in layout pixels.
QFont LayoutFont(int characterHeight);

// The Song-style face (Noto Serif CJK SC) at a described character height.
QFont LayoutSongFont(int characterHeight);

// The maker's brand icon in every size built into the program.
QIcon WindowIcon();

}  // namespace quillmark
