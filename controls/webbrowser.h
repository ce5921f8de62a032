// The window's embedded web browser.
#pragma once

#include <optional>

#include <QUrl>
#include <QWidget>

#include "controls/dispatch.h"
#include "controls/webengine.h"

namespace quillmark {

// Where the browser engine plugin is. Until a path is given, or when the file
// cannot be loaded, every browser stays blank: programs opt in (the program
// entry does), so that tests and tools never start the engine by accident.
// Takes effect for the first navigate of the process, which loads the plugin.
void SetWebEngineLibrary(const QString& path);

// For tests: browsers that create their view from now on take it from
// `factory` (not owned) instead of the plugin; null undoes this.
void SetWebEngineFactory(WebEngineFactory* factory);

// True when the engine can run here: Chromium's sandbox cannot start as root,
// and the engine then ends the whole process, so as root it runs only when the
// sandbox is turned off (QTWEBENGINE_DISABLE_SANDBOX set, or --no-sandbox in
// QTWEBENGINE_CHROMIUM_FLAGS).
bool WebEngineCanRun(bool runningAsRoot, bool sandboxDisabledByVariable,
                     const QByteArray& chromiumFlags);

// What a browser does with a navigation its page asks for.
enum class NavigationVerdict {
    Load,         // load it in the browser
    OpenOutside,  // open it in the system's web browser instead
    Drop,         // ignore it
};

// The browser's rule for a navigation to `url` of the given kind, in the main
// frame or in a frame of the page, while the browser's site is `siteHost`:
// only http and https load at all. Within the site everything loads. A link or
// form that leaves the site goes to the system's browser, and so does a
// redirect away from the site that such a click on the site led to (`redirected`
// is the kind of the navigation being redirected). A redirect of the browser's
// own navigation loads, as do frames of the page; anything else that would take
// the main frame off the site is dropped.
NavigationVerdict DecideNavigation(const QString& siteHost, const QUrl& url,
                                   WebEngineHost::Navigation kind, bool mainFrame,
                                   WebEngineHost::Navigation redirected);

// An embedded browser: an empty, focusable area in its parent's colour until
// it is told to navigate. The first navigate of the process loads the engine
// plugin (SetWebEngineLibrary); a missing or unusable engine leaves every
// browser blank. A page that fails to load leaves the browser blank too, and
// raises no completion event.
class WebBrowser : public QWidget, private WebEngineHost {
    Q_OBJECT
public:
    explicit WebBrowser(QWidget* parent = nullptr);
    ~WebBrowser() override;

    // Starts loading `address` and returns at once; the page loads in the
    // background. The host of `address` becomes the browser's site. Throws
    // std::invalid_argument, before anything else happens, when `address` is
    // not an absolute http or https address.
    void Navigate(const QString& address);

    // Runs through the dispatch each time a page has finished loading.
    void setOnDocumentComplete(Handler handler);

    // Sets the overflow of the current top-level document's body to hidden,
    // overflow-x for Qt::Horizontal and overflow-y for Qt::Vertical, so that
    // the page shows no scroll bar on that axis. Waits for the page's answer
    // (other events but user input are handled meanwhile). Throws
    // std::runtime_error "Method 'Document' not supported by automation
    // object" when there is no document, naming "Body" when the document has
    // no body, "Style" when the body has no style, and "OverflowX" or
    // "OverflowY" when the style refuses the value; another message when the
    // page does not answer within a few seconds.
    void hideBodyOverflow(Qt::Orientation axis);

    // True once the browser has an engine view, and so a renderer.
    bool hasPage() const { return m_view != nullptr; }
    // The host the browser was last navigated to; empty before.
    QString site() const { return m_site; }
    // The address of the page in the browser's view, shown or not; empty
    // before the browser has a view.
    QUrl url() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

signals:
    // A page has finished loading in the view (`ok`), or failed to (the
    // browser is then blank); emitted after the completion handler has run.
    void pageFinished(bool ok);

private:
    bool navigationRequested(const QUrl& url, Navigation kind, bool mainFrame) override;
    void newWindowRequested(const QUrl& url) override;
    void loadFinished(bool ok) override;

    std::optional<QVariant> runScript(const QString& script);

    WebEngineView* m_view = nullptr;
    QString m_site;
    // What started the main frame's current navigation, for its redirects.
    Navigation m_mainFrameNavigation = Navigation::Typed;
    Handler m_onDocumentComplete;
};

}  // namespace quillmark
