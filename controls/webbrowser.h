// The window's embedded web browser.
#pragma once

#include <QDeadlineTimer>
#include <QUrl>
#include <QWidget>

#include "controls/dispatch.h"
#include "controls/webengine.h"

namespace quillmark {

// Where the browser engine plugin is. Until a path is given, or when the file
// cannot be loaded, every browser stays blank: programs opt in (the program
// entry does), so that tests and tools never start the engine by accident.
// Takes effect for the first navigate of the process, which loads the plugin.
// A plugin that is not there is not missed; one that cannot be loaded, or an
// engine that cannot run here, is named in one line on standard error.
void SetWebEngineLibrary(const QString& path);

// Puts a message handler over the current one that drops Qt WebEngine's
// warning about being started after the application (the engine plugin
// provides what it would miss) and passes every other message on. For the
// processes that load the plugin: browsers do it themselves.
void InstallLateEngineLoadFilter();

// For tests: browsers that create their view from now on take it from
// `factory` (not owned) instead of the plugin; null undoes this.
void SetWebEngineFactory(WebEngineFactory* factory);

// Gets the engine ready without holding the GUI thread: on X11 it starts the
// engine's host process (RemoteEngine), when installed beside the plugin,
// without waiting for it; elsewhere it loads the plugin's libraries on a
// worker thread. Does nothing when no plugin is set, the engine cannot run
// here, or this has been done already. A browser calls it itself a second
// after it is first shown.
void PreloadWebEngine();

// True when the engine can run here: Chromium's sandbox cannot start as root,
// and the engine then ends the whole process, so as root it runs only when the
// sandbox is turned off (QTWEBENGINE_DISABLE_SANDBOX set, or --no-sandbox in
// QTWEBENGINE_CHROMIUM_FLAGS).
bool WebEngineCanRun(bool runningAsRoot, bool sandboxDisabledByVariable,
                     const QByteArray& chromiumFlags);

// Why shared memory cannot be made in `dir` (a file there that can be sized,
// mapped and written), or an empty text when it can. The engine cannot start
// without it: it ends the whole process when /dev/shm is not writable.
QString SharedMemoryProblem(const QString& dir);

// For tests: the directory whose shared memory the engine's start checks
// (/dev/shm); an empty path restores it.
void SetSharedMemoryDir(const QString& dir);

// What a browser does with a navigation its page asks for.
enum class NavigationVerdict {
    Load,         // load it in the browser
    OpenOutside,  // open it in the system's web browser instead
    Drop,         // ignore it
};

// The browser's rule for a navigation to `url` of the given kind, in the main
// frame or in a frame of the page, while the browser's site is the origin
// `site` (scheme, host and port). Only http and https load at all. Within the
// site everything loads, and a frame of the page may show any web page. The
// main frame never leaves the site: it goes to the system's browser instead,
// but only for a link the user clicked there (`clickedByUser`: the user's
// click on a link to `url`, not yet used); every other navigation away
// (scripts, forms, redirects, refreshes, the engine reports a script's as a
// link click or a redirect) is dropped.
NavigationVerdict DecideNavigation(const QUrl& site, const QUrl& url,
                                   WebEngineHost::Navigation kind, bool mainFrame,
                                   bool clickedByUser);

// An embedded browser: an empty, focusable area in its parent's colour until
// it is told to navigate. The first navigate of the process starts the engine
// plugin (SetWebEngineLibrary) in steps, the window handling its input between
// them; a missing or unusable engine leaves every browser blank. A page that
// fails to load leaves the browser blank too, and raises no completion event.
//
// A page cannot open anything outside the program without the user: only a
// real click on a link that leaves the site opens the system's web browser,
// once per click.
class WebBrowser : public QWidget, private WebEngineHost {
    Q_OBJECT
public:
    explicit WebBrowser(QWidget* parent = nullptr);
    ~WebBrowser() override;

    // Starts loading `address` and returns at once; the page loads in the
    // background. The origin of `address` becomes the browser's site. Throws
    // std::invalid_argument, before anything else happens, when `address` is
    // not an absolute http or https address.
    void Navigate(const QString& address);

    // Runs each time a page has finished loading, once the browser knows the
    // page's document (a page busy with its own scripts is waited for without
    // holding anything up; one that never answers raises nothing). An error
    // escaping it is shown in the ExceptionBox, but once at most per Navigate
    // call, and never while another browser's box is up.
    void setOnDocumentComplete(Handler handler);

    // Sets the overflow of the current top-level document's body to hidden,
    // overflow-x for Qt::Horizontal and overflow-y for Qt::Vertical, so that
    // the page shows no scroll bar on that axis; returns at once. Throws
    // std::runtime_error "Method 'Document' not supported by automation
    // object" when there is no document, naming "Body" when the document has
    // no body, "Style" when the body has no style, and "OverflowX" or
    // "OverflowY" when the style does not know the property, as the document
    // was when its completion was raised.
    void hideBodyOverflow(Qt::Orientation axis);

    // True once the browser has an engine view, and so a renderer.
    bool hasPage() const { return m_view != nullptr; }
    // The origin the browser was last navigated to ("https://host", with a
    // port when not the scheme's own); empty before.
    QString site() const;
    // The address of the page in the browser's view, shown or not; empty
    // before the browser has a view.
    QUrl url() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

signals:
    // A page has finished loading in the view and its completion handler has
    // run (`ok`), or it failed to load (the browser is then blank).
    void pageFinished(bool ok);

private:
    bool navigationRequested(const QUrl& url, Navigation kind, bool mainFrame) override;
    void newWindowRequested(const QUrl& url) override;
    void userClicked() override;
    void loadFinished(bool ok) override;

    void createView(WebEngineFactory& factory);
    // True when the user's last click, a moment ago and not yet used, was on
    // a link to `url`.
    bool clickedLink(const QUrl& url) const;
    void raiseDocumentComplete(const QString& documentState);

    WebEngineView* m_view = nullptr;
    QUrl m_site;
    // Set by Navigate until a view exists to load it.
    QUrl m_pendingLoad;
    // The user's last click, while it may still be followed, and the link
    // under it then.
    bool m_clicked = false;
    QUrl m_clickedLink;
    QDeadlineTimer m_clickExpires;
    // Counts loads, so that a late answer about an earlier document is ignored.
    int m_documentGeneration = 0;
    // The first step of Document, Body, Style, OverflowX, OverflowY that the
    // current document lacks, "ok" when none, as its completion found it.
    QString m_documentState = QStringLiteral("Document");
    // An error of this browser's completion has been shown since Navigate.
    bool m_errorShown = false;
    Handler m_onDocumentComplete;
};

}  // namespace quillmark
