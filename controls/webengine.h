// What a WebBrowser needs from a browser engine. The engine lives in a plugin
// library (webpanel/) that the browsers load on their first navigate, so that
// the program does not pay for the engine before a page is due.
#pragma once

#include <functional>

#include <QtPlugin>

class QUrl;
class QVariant;
class QWidget;

namespace quillmark {

// The browser control as its engine view sees it. Called on the GUI thread.
class WebEngineHost {
public:
    // How a navigation came about, as the engine reports it. The engine calls
    // a navigation that a page's script starts a link click too: only
    // userClicked tells a real click.
    enum class Navigation {
        Typed,
        LinkClicked,
        FormSubmitted,
        BackForward,
        Reload,
        Redirect,
        Other
    };

    // The page asks to go to `url` in its main frame or in one of its frames.
    // True lets it load in the view; false drops it.
    virtual bool navigationRequested(const QUrl& url, Navigation kind, bool mainFrame) = 0;
    // The page asks for a new window or tab showing `url`; the view opens none.
    virtual void newWindowRequested(const QUrl& url) = 0;
    // The user clicked in the view (a mouse button went up over it). Only the
    // user's input reaches this, never a page's script.
    virtual void userClicked() = 0;
    // The view's main frame finished loading; `ok` is false when the load
    // failed or the page's renderer ended. A load that is stopped, or replaced
    // by the next one, reports nothing.
    virtual void loadFinished(bool ok) = 0;

protected:
    ~WebEngineHost() = default;
};

// One engine-backed view. Its widget() is a child of the host's widget and is
// deleted with it; deleting the widget deletes the view.
class WebEngineView {
public:
    virtual ~WebEngineView() = default;

    virtual QWidget* widget() = 0;
    virtual void load(const QUrl& url) = 0;
    // The address of the page in the main frame.
    virtual QUrl url() const = 0;
    // The link under the mouse pointer, as the page's renderer last reported
    // it (it does so before it acts on a click there); empty over no link.
    virtual QUrl hoveredLink() const = 0;
    // Runs `script` in the main frame's current document, in a world of its
    // own (page scripts cannot see or change it), and calls `answer` later on
    // the GUI thread with the script's result, an invalid QVariant when the
    // page went away first. `answer` may be empty: nothing is told then.
    virtual void runScript(const QString& script, std::function<void(const QVariant&)> answer) = 0;
};

// The plugin's root object.
class WebEngineFactory {
public:
    virtual ~WebEngineFactory() = default;

    // Starts the engine: its first call is the long one (the engine starts its
    // helper processes and waits for them), later calls return at once.
    virtual void startEngine() = 0;

    // A new, hidden view inside `parent` that reports to `host`; starts the
    // engine first when needed. The host must outlive the view.
    virtual WebEngineView* createView(QWidget* parent, WebEngineHost& host) = 0;
};

}  // namespace quillmark

#define QuillmarkWebEngineFactory_iid "org.quillmark.WebEngineFactory/2"
Q_DECLARE_INTERFACE(quillmark::WebEngineFactory, QuillmarkWebEngineFactory_iid)
