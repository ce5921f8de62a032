// Handing addresses to the system's web browser.
#pragma once

#include <functional>

#include <QUrl>

namespace quillmark {

// Opens an address outside the program; what it returns is not looked at.
using UrlOpener = std::function<void(const QUrl& url)>;

// Replaces how addresses are opened, for tests; an empty opener restores the
// system's (QDesktopServices::openUrl). Returns the opener that was in place.
UrlOpener SetUrlOpener(UrlOpener opener);

// Asks the system to open `url` in the user's web browser. Whether a browser
// started is not checked.
void OpenInSystemBrowser(const QUrl& url);

}  // namespace quillmark
