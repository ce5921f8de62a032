#include "controls/shell.h"

#include <utility>

#include <QDesktopServices>

namespace quillmark {

namespace {

UrlOpener& opener() {
    static UrlOpener current;
    return current;
}

}  // namespace

UrlOpener SetUrlOpener(UrlOpener replacement) {
    return std::exchange(opener(), std::move(replacement));
}

void OpenInSystemBrowser(const QUrl& url) {
    if (opener())
        opener()(url);
    else
        QDesktopServices::openUrl(url);
}

}  // namespace quillmark
