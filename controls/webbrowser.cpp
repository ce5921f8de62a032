#include "controls/webbrowser.h"

#include <unistd.h>

#include <memory>
#include <stdexcept>

#include <QEventLoop>
#include <QPluginLoader>
#include <QPointer>
#include <QResizeEvent>
#include <QTimer>
#include <QVariant>

#include "controls/shell.h"

namespace quillmark {

namespace {

// The script that hides the body's overflow on one axis, %1 being X or Y. It
// answers "ok", or the name of the first step of Document, Body, Style,
// OverflowX (OverflowY) that could not be taken. Only the axis letter goes
// into it: nothing from a page or an address ever does.
const QString kHideOverflow = QStringLiteral(R"js((function () {
    var d = window.document;
    if (!d) return 'Document';
    var b = d.body;
    if (!b) return 'Body';
    var s = b.style;
    if (!s) return 'Style';
    try { s.overflow%1 = 'hidden'; } catch (e) { return 'Overflow%1'; }
    return s.overflow%1 === 'hidden' ? 'ok' : 'Overflow%1';
})())js");

// A page busy with its own scripts answers late; the window waits no longer.
constexpr int kScriptAnswerTimeout = 3000;

std::runtime_error notSupported(const QString& name) {
    return std::runtime_error(
        QStringLiteral("Method '%1' not supported by automation object").arg(name).toStdString());
}

struct Engine {
    QString library;
    bool tried = false;
    WebEngineFactory* factory = nullptr;
};

Engine& engine() {
    static Engine current;
    return current;
}

QtMessageHandler previousMessageHandler = nullptr;

// Qt WebEngine warns when it is loaded after the application has started, as
// it cannot then set up its shared OpenGL context itself; the plugin provides
// it before the first view. Every other message passes.
void dropLateLoadWarning(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("Qt WebEngine seems to be initialized from a plugin")))
        return;
    previousMessageHandler(type, context, message);
}

WebEngineFactory* loadedEngine() {
    Engine& current = engine();
    if (current.tried) return current.factory;
    current.tried = true;
    if (current.library.isEmpty()) return nullptr;
    if (!WebEngineCanRun(geteuid() == 0, qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"),
                         qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"))) {
        qWarning(
            "The web panels stay blank: Chromium's sandbox cannot run as root "
            "(QTWEBENGINE_DISABLE_SANDBOX=1 runs them without it).");
        return nullptr;
    }
    QPluginLoader loader(current.library);
    previousMessageHandler = qInstallMessageHandler(dropLateLoadWarning);
    QObject* root = loader.instance();
    // Back to the handler before, unless the plugin has put one of its own on
    // top (which passes messages on to ours).
    if (QtMessageHandler top = qInstallMessageHandler(previousMessageHandler);
        top != dropLateLoadWarning)
        qInstallMessageHandler(top);
    current.factory = qobject_cast<WebEngineFactory*>(root);
    if (!current.factory)
        qWarning("The web panels stay blank: %s", qUtf8Printable(loader.errorString()));
    return current.factory;
}

bool isWebScheme(const QUrl& url) {
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

bool isUserAction(WebEngineHost::Navigation kind) {
    return kind == WebEngineHost::Navigation::LinkClicked ||
           kind == WebEngineHost::Navigation::FormSubmitted;
}

}  // namespace

void SetWebEngineLibrary(const QString& path) {
    Engine& current = engine();
    current.library = path;
    // An engine, once loaded, stays for the life of the process.
    if (!current.factory) current.tried = false;
}

void SetWebEngineFactory(WebEngineFactory* factory) {
    Engine& current = engine();
    current.factory = factory;
    current.tried = factory != nullptr;
}

bool WebEngineCanRun(bool runningAsRoot, bool sandboxDisabledByVariable,
                     const QByteArray& chromiumFlags) {
    return !runningAsRoot || sandboxDisabledByVariable ||
           chromiumFlags.simplified().split(' ').contains("--no-sandbox");
}

NavigationVerdict DecideNavigation(const QString& siteHost, const QUrl& url,
                                   WebEngineHost::Navigation kind, bool mainFrame,
                                   WebEngineHost::Navigation redirected) {
    using Navigation = WebEngineHost::Navigation;
    if (!isWebScheme(url) || url.host().isEmpty()) return NavigationVerdict::Drop;
    if (url.host().compare(siteHost, Qt::CaseInsensitive) == 0) return NavigationVerdict::Load;
    if (isUserAction(kind)) return NavigationVerdict::OpenOutside;
    if (!mainFrame) return NavigationVerdict::Load;
    if (kind == Navigation::Redirect) {
        if (isUserAction(redirected)) return NavigationVerdict::OpenOutside;
        if (redirected == Navigation::Typed) return NavigationVerdict::Load;
    }
    return NavigationVerdict::Drop;
}

WebBrowser::WebBrowser(QWidget* parent) : QWidget(parent) {
    // Once a page is shown, its view takes the focus as the browser's proxy.
    setFocusPolicy(Qt::StrongFocus);
}

WebBrowser::~WebBrowser() {
    // The view reports to this browser: it goes first.
    if (m_view) delete m_view->widget();
}

void WebBrowser::Navigate(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative() || !isWebScheme(url) || url.host().isEmpty())
        throw std::invalid_argument(
            QStringLiteral("'%1' is not a web address").arg(address).toStdString());
    m_site = url.host();
    if (!m_view) {
        WebEngineFactory* factory = loadedEngine();
        if (!factory) return;
        m_view = factory->createView(this, *this);
        m_view->widget()->setGeometry(rect());
    }
    m_mainFrameNavigation = Navigation::Typed;
    m_view->load(url);
}

void WebBrowser::setOnDocumentComplete(Handler handler) {
    m_onDocumentComplete = std::move(handler);
}

void WebBrowser::hideBodyOverflow(Qt::Orientation axis) {
    const QLatin1Char letter(axis == Qt::Horizontal ? 'X' : 'Y');
    if (!m_view) throw notSupported(QStringLiteral("Document"));
    const std::optional<QVariant> answer = runScript(kHideOverflow.arg(letter));
    if (!answer) throw std::runtime_error("The page did not answer");
    const QString step = answer->toString();
    if (step == QLatin1String("ok")) return;
    const QString overflow = QStringLiteral("Overflow") + letter;
    const bool known = step == QLatin1String("Document") || step == QLatin1String("Body") ||
                       step == QLatin1String("Style") || step == overflow;
    throw notSupported(known ? step : QStringLiteral("Document"));
}

QUrl WebBrowser::url() const { return m_view ? m_view->url() : QUrl(); }

bool WebBrowser::navigationRequested(const QUrl& url, Navigation kind, bool mainFrame) {
    const NavigationVerdict verdict =
        DecideNavigation(m_site, url, kind, mainFrame, m_mainFrameNavigation);
    if (verdict == NavigationVerdict::OpenOutside) OpenInSystemBrowser(url);
    if (verdict != NavigationVerdict::Load) return false;
    if (mainFrame && kind != Navigation::Redirect) m_mainFrameNavigation = kind;
    return true;
}

void WebBrowser::newWindowRequested(const QUrl& url) {
    // A new window never opens inside the program.
    if (isWebScheme(url)) OpenInSystemBrowser(url);
}

void WebBrowser::loadFinished(bool ok) {
    QWidget* page = m_view->widget();
    if (!ok) {
        setFocusProxy(nullptr);
        page->hide();
        emit pageFinished(false);
        return;
    }
    page->show();
    setFocusProxy(page);
    Dispatch(m_onDocumentComplete);
    emit pageFinished(true);
}

std::optional<QVariant> WebBrowser::runScript(const QString& script) {
    struct Pending {
        std::optional<QVariant> answer;
        QPointer<QEventLoop> loop;
    };
    // The answer may come after the wait has given up: it then finds no loop.
    auto pending = std::make_shared<Pending>();
    QEventLoop loop;
    pending->loop = &loop;
    m_view->runScript(script, [pending](const QVariant& answer) {
        pending->answer = answer;
        if (pending->loop) pending->loop->quit();
    });
    if (!pending->answer) {
        QTimer::singleShot(kScriptAnswerTimeout, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return pending->answer;
}

void WebBrowser::resizeEvent(QResizeEvent* event) {
    if (m_view) m_view->widget()->setGeometry(QRect(QPoint(0, 0), event->size()));
    QWidget::resizeEvent(event);
}

}  // namespace quillmark
