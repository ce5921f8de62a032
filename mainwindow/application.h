// Application-wide set-up shared by the program and its tests: identity,
// layout scale, fonts and icon, the maker's site and the web panels' engine.
#pragma once

#include <QFont>
#include <QIcon>
#include <QUrl>

#include "mainwindow/version.h"

namespace quillmark {

// The layout is in pixels for a window font whose text (ascent plus descent)
// is 13 pixels high. Noto Sans CJK is 1.448 em high, so its em must be 9 layout
// pixels; the described character heights are in screen pixels for an 11-pixel
// em. The window is therefore scaled by 11/9, fonts and layout alike.
inline constexpr double kLayoutScale = 11.0 / 9.0;

// Asks Qt to scale every window by kLayoutScale, unless the user has chosen a
// scale (QT_SCALE_FACTOR). Call before the QApplication is created;
// SetUpApplication takes the request out of the environment again.
void PrepareLayoutScale();

// Sets the application's name, display name (the title "Quillmark V1.0"),
// organisation, version and window icon from the version record, and
// registers the window's fonts (cut down to the program's characters, so that
// they cost little memory and start-up time). Removes what
// PrepareLayoutScale put into the environment, now that Qt has read it, so
// that no program started from here (the system's web browser) inherits it.
void SetUpApplication();

// Where the engine plugin of a program in `programDir` is: beside the program
// (as in the build tree), else in the library directory the program is
// installed with (QUILLMARK_WEBPANEL_INSTALL_DIR, relative to the program's
// directory); empty when it is in neither, as when the web panels' package is
// not installed.
QString WebEngineLibraryFor(const QString& programDir);

// Lets the window's browsers load the engine plugin installed with the
// program (WebEngineLibraryFor the program's directory). Without this call,
// or without the plugin, the browsers stay blank, and say nothing about it.
void UseInstalledWebEngine();

// The maker's web site, scheme and host with no path: QUILLMARK_SITE_URL of
// the build, unless a test has set another.
QUrl SiteAddress();

// For tests: the site the window's panels and links use from now on; an empty
// address restores the build's.
void SetSiteAddress(const QUrl& address);

// The user-interface font (Noto Sans CJK SC; TC, with the Traditional
// glyph forms and punctuation, when the current language is Traditional
// Chinese) for a described character height in screen pixels, sized in layout
// pixels. Its glyphs come from the cut-down copy that SetUpApplication
// registers; a character outside it is drawn from the system's whole face.
QFont LayoutFont(int characterHeight);

// The Song-style face (Noto Serif CJK SC or TC) at a described character
// height, likewise.
QFont LayoutSongFont(int characterHeight);

// The maker's brand icon in the sizes a window manager shows (16 to 64
// pixels); one shared icon, so its pictures are read once.
QIcon WindowIcon();

}  // namespace quillmark
