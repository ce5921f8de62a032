#include "controls/webbrowser.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QPointer>
#include <QResizeEvent>
#include <QThread>
#include <QTimer>
#include <QVariant>

#include "controls/remoteengine.h"
#include "controls/shell.h"

namespace quillmark {

namespace {

// The first of Document, Body, Style, OverflowX, OverflowY that the top-level
// document lacks, or "ok". A fixed text: nothing from a page or an address
// ever goes into a script.
const QString kDocumentState = QStringLiteral(R"js((function () {
    var d = window.document;
    if (!d) return 'Document';
    var b = d.body;
    if (!b) return 'Body';
    var s = b.style;
    if (!s) return 'Style';
    if (!('overflowX' in s)) return 'OverflowX';
    if (!('overflowY' in s)) return 'OverflowY';
    return 'ok';
})())js");

// Hides the body's overflow on one axis, %1 being X or Y.
const QString kHideOverflow = QStringLiteral(R"js((function () {
    var b = window.document && window.document.body;
    if (b && b.style) b.style.overflow%1 = 'hidden';
})())js");

// How long a click may take to become its navigation: the page's renderer
// handles the click first, and may be slow.
constexpr int kClickLifetime = 2000;

// The engine's libraries load this long after a browser is first shown: after
// the window has drawn itself, well before the first page is due (3 s).
constexpr int kPreloadDelay = 1000;

std::runtime_error notSupported(const QString& name) {
    return std::runtime_error(
        QStringLiteral("Method '%1' not supported by automation object").arg(name).toStdString());
}

QString knownDocumentState(const QString& answer) {
    for (const char* state : {"ok", "Document", "Body", "Style", "OverflowX", "OverflowY"})
        if (answer == QLatin1String(state)) return answer;
    return QStringLiteral("Document");
}

bool isWebScheme(const QUrl& url) {
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

int defaultPort(const QUrl& url) { return url.scheme() == QLatin1String("https") ? 443 : 80; }

bool sameOrigin(const QUrl& a, const QUrl& b) {
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           a.port(defaultPort(a)) == b.port(defaultPort(b));
}

// True while an error of a browser's completion is shown: the boxes of other
// browsers wait for nothing, they are dropped.
bool completionBoxUp = false;

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

// Where Qt WebEngine looks for its helper program, which it cannot start
// without (it ends the process when the program is missing).
bool helperProgramFound() {
    const QString fromEnvironment = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    if (!fromEnvironment.isEmpty()) return QFileInfo(fromEnvironment).isExecutable();
    const QString name = QStringLiteral("/QtWebEngineProcess");
    return QFileInfo(QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + name)
               .isExecutable() ||
           QFileInfo(QCoreApplication::applicationDirPath() + name).isExecutable();
}

// The engine plugin through its life: its libraries are loaded on a worker
// thread (their loading and relocation is the costliest part of the start
// that can leave the GUI thread), then the plugin is made and the engine
// started on the GUI thread, one step per turn of the event loop, so that the
// window handles its input between the steps; last, the browsers that wait
// for it get it, one per turn.
class Engine : public QObject {
public:
    enum class Stage { Idle, Loading, Loaded, Made, Started, Failed };

    void setLibrary(const QString& path) {
        // An engine, once made, stays for the life of the process.
        if (m_stage == Stage::Made || m_stage == Stage::Started) return;
        finishLoading();
        m_library = path;
        m_stage = Stage::Idle;
    }

    void inject(WebEngineFactory* factory) {
        finishLoading();
        m_factory = factory;
        m_stage = factory ? Stage::Started : Stage::Idle;
        m_waiting.clear();
    }

    void setSharedMemoryDir(const QString& dir) { m_sharedMemoryDir = dir; }

    WebEngineFactory* started() const { return m_stage == Stage::Started ? m_factory : nullptr; }

    void preload() {
        if (m_stage != Stage::Idle || m_library.isEmpty()) return;
        // The panels are installed apart from the program: without them,
        // there is nothing to say.
        if (!QFileInfo::exists(m_library)) {
            m_stage = Stage::Failed;
            return;
        }
        if (const QString problem = whyNotHere(); !problem.isEmpty()) {
            qWarning("The web panels stay blank: %s.", qUtf8Printable(problem));
            m_stage = Stage::Failed;
            return;
        }
        // On X11 the engine runs in a process of its own, which the window
        // starts without waiting for it; its pages show in the window's own
        // native windows. Elsewhere it runs in the window's process.
        if (const QString host = WebEngineHostProgramFor(m_library);
            !host.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb")) {
            m_factory = new RemoteEngine(host, m_library, qGuiApp->devicePixelRatio());
            m_factory->startEngine();
            m_stage = Stage::Started;
            return;
        }
        m_stage = Stage::Loading;
        InstallLateEngineLoadFilter();
        const QByteArray file = QFile::encodeName(m_library);
        // Binding every symbol now spares the GUI thread the lazy binding later.
        m_loader = QThread::create([this, file] {
            void* handle = dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL);
            QMetaObject::invokeMethod(this, [this, handle] { loaded(handle); });
        });
        m_loader->start();
        // A loader still running when the program ends is waited for.
        static const bool waitAtExit = [] {
            qAddPostRoutine([] { instance().finishLoading(); });
            return true;
        }();
        Q_UNUSED(waitAtExit);
    }

    // Calls `ready` with the started engine on a later turn of the event loop,
    // unless `browser` is gone by then; never when the engine cannot start.
    void whenStarted(WebBrowser* browser, std::function<void(WebEngineFactory&)> ready) {
        m_waiting.push_back({browser, std::move(ready)});
        preload();
        advance();
    }

    static Engine& instance() {
        static Engine engine;
        return engine;
    }

private:
    QString whyNotHere() const {
        const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        if (!WebEngineCanRun(geteuid() == 0,
                             qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"), flags))
            return QStringLiteral(
                "Chromium's sandbox cannot run as root (QTWEBENGINE_DISABLE_SANDBOX=1 runs them "
                "without it)");
        // Told so, Chromium keeps its shared memory in the temporary directory.
        const bool inTemp = flags.simplified().split(' ').contains("--disable-dev-shm-usage");
        const QString dir = !m_sharedMemoryDir.isEmpty() ? m_sharedMemoryDir
                            : inTemp                     ? QDir::tempPath()
                                                         : QStringLiteral("/dev/shm");
        if (QString problem = SharedMemoryProblem(dir); !problem.isEmpty()) return problem;
        if (!helperProgramFound())
            return QStringLiteral(
                "the browser engine's helper program QtWebEngineProcess is missing");
        return {};
    }

    // Waits for a running loader, which leaves the stage to its caller.
    void finishLoading() {
        if (!m_loader) return;
        m_loader->wait();
        delete std::exchange(m_loader, nullptr);
        // Back to the handler before, unless another has been put on top
        // since (which passes messages on to ours).
        if (QtMessageHandler top = qInstallMessageHandler(previousMessageHandler);
            top != dropLateLoadWarning)
            qInstallMessageHandler(top);
        // Its answer, if still queued, finds no loading under way.
        if (m_stage == Stage::Loading) m_stage = Stage::Idle;
    }

    void loaded(void* handle) {
        if (m_stage != Stage::Loading) {
            if (handle) dlclose(handle);
            return;
        }
        finishLoading();
        m_handle = handle;
        m_stage = Stage::Loaded;
        advance();
    }

    void advance() {
        if (m_waiting.empty() || m_stepDue) return;
        void (Engine::*step)() = nullptr;
        switch (m_stage) {
            case Stage::Loaded:
                step = &Engine::make;
                break;
            case Stage::Made:
                step = &Engine::start;
                break;
            case Stage::Started:
                step = &Engine::handOut;
                break;
            case Stage::Failed:
                m_waiting.clear();
                return;
            case Stage::Idle:
            case Stage::Loading:
                return;
        }
        m_stepDue = true;
        QMetaObject::invokeMethod(
            this,
            [this, step] {
                m_stepDue = false;
                (this->*step)();
                advance();
            },
            Qt::QueuedConnection);
    }

    void make() {
        QPluginLoader loader(m_library);
        m_factory = qobject_cast<WebEngineFactory*>(loader.instance());
        if (m_factory) {
            m_stage = Stage::Made;
            return;
        }
        qWarning("The web panels stay blank: %s", qUtf8Printable(loader.errorString()));
        if (m_handle) dlclose(std::exchange(m_handle, nullptr));
        m_stage = Stage::Failed;
    }

    void start() {
        m_factory->startEngine();
        m_stage = Stage::Started;
    }

    void handOut() {
        auto [browser, ready] = std::move(m_waiting.front());
        m_waiting.erase(m_waiting.begin());
        if (browser) ready(*m_factory);
    }

    QString m_library;
    QString m_sharedMemoryDir;
    Stage m_stage = Stage::Idle;
    QThread* m_loader = nullptr;
    void* m_handle = nullptr;
    WebEngineFactory* m_factory = nullptr;
    bool m_stepDue = false;
    std::vector<std::pair<QPointer<WebBrowser>, std::function<void(WebEngineFactory&)>>> m_waiting;
};

}  // namespace

void InstallLateEngineLoadFilter() {
    previousMessageHandler = qInstallMessageHandler(dropLateLoadWarning);
}

void SetWebEngineLibrary(const QString& path) { Engine::instance().setLibrary(path); }

void SetWebEngineFactory(WebEngineFactory* factory) { Engine::instance().inject(factory); }

void PreloadWebEngine() { Engine::instance().preload(); }

void SetSharedMemoryDir(const QString& dir) { Engine::instance().setSharedMemoryDir(dir); }

bool WebEngineCanRun(bool runningAsRoot, bool sandboxDisabledByVariable,
                     const QByteArray& chromiumFlags) {
    return !runningAsRoot || sandboxDisabledByVariable ||
           chromiumFlags.simplified().split(' ').contains("--no-sandbox");
}

QString SharedMemoryProblem(const QString& dir) {
    QByteArray name = QFile::encodeName(dir + QStringLiteral("/.quillmark-XXXXXX"));
    const auto failed = [&dir](const char* what) {
        return QStringLiteral("shared memory cannot be %1 in %2 (%3)")
            .arg(QLatin1String(what), dir, QString::fromLocal8Bit(std::strerror(errno)));
    };
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return failed("created");
    unlink(name.constData());
    QString problem;
    const long page = sysconf(_SC_PAGESIZE);
    // posix_fallocate reports a full file system, where a write to the
    // mapping would end the process.
    if (const int error = posix_fallocate(fd, 0, page); error != 0) {
        errno = error;
        problem = failed("sized");
    } else if (void* map = mmap(nullptr, page, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
               map == MAP_FAILED) {
        problem = failed("mapped");
    } else {
        static_cast<char*>(map)[0] = 1;
        munmap(map, page);
    }
    close(fd);
    return problem;
}

NavigationVerdict DecideNavigation(const QUrl& site, const QUrl& url,
                                   WebEngineHost::Navigation kind, bool mainFrame,
                                   bool clickedByUser) {
    if (!isWebScheme(url) || url.host().isEmpty()) return NavigationVerdict::Drop;
    if (sameOrigin(site, url) || !mainFrame) return NavigationVerdict::Load;
    if (kind == WebEngineHost::Navigation::LinkClicked && clickedByUser)
        return NavigationVerdict::OpenOutside;
    return NavigationVerdict::Drop;
}

WebBrowser::WebBrowser(QWidget* parent) : QWidget(parent) {
    // Once a page is shown, its view takes the focus as the browser's proxy.
    setFocusPolicy(Qt::StrongFocus);
}

WebBrowser::~WebBrowser() {
    // Script answers still due, which the view's going may deliver now, find
    // no document of this browser.
    ++m_documentGeneration;
    // The view reports to this browser: it goes first.
    if (m_view) delete m_view->widget();
}

void WebBrowser::Navigate(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative() || !isWebScheme(url) || url.host().isEmpty())
        throw std::invalid_argument(
            QStringLiteral("'%1' is not a web address").arg(address).toStdString());
    m_site = url.adjusted(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery |
                          QUrl::RemoveFragment);
    m_errorShown = false;
    m_clicked = false;
    if (m_view) {
        m_view->load(url);
        return;
    }
    const bool alreadyWaiting = !m_pendingLoad.isEmpty();
    m_pendingLoad = url;
    if (alreadyWaiting) return;
    if (WebEngineFactory* factory = Engine::instance().started())
        createView(*factory);
    else
        Engine::instance().whenStarted(this,
                                       [this](WebEngineFactory& engine) { createView(engine); });
}

void WebBrowser::createView(WebEngineFactory& factory) {
    m_view = factory.createView(this, *this);
    m_view->widget()->setGeometry(rect());
    m_view->load(std::exchange(m_pendingLoad, QUrl()));
}

void WebBrowser::setOnDocumentComplete(Handler handler) {
    m_onDocumentComplete = std::move(handler);
}

void WebBrowser::hideBodyOverflow(Qt::Orientation axis) {
    const QLatin1Char letter(axis == Qt::Horizontal ? 'X' : 'Y');
    if (!m_view) throw notSupported(QStringLiteral("Document"));
    const QString& state = m_documentState;
    if (state != QLatin1String("ok") && !state.startsWith(QLatin1String("Overflow")))
        throw notSupported(state);
    if (state == QStringLiteral("Overflow") + letter) throw notSupported(state);
    m_view->runScript(kHideOverflow.arg(letter), {});
}

QString WebBrowser::site() const { return m_site.toString(); }

QUrl WebBrowser::url() const { return m_view ? m_view->url() : QUrl(); }

bool WebBrowser::clickedLink(const QUrl& url) const {
    // The renderer reports the link under a click that came without a move
    // of the mouse first only as it handles the click: after the click, but
    // before the navigation the click makes.
    return m_clicked && !m_clickExpires.hasExpired() && !url.isEmpty() &&
           (url == m_clickedLink || url == m_view->hoveredLink());
}

bool WebBrowser::navigationRequested(const QUrl& url, Navigation kind, bool mainFrame) {
    const NavigationVerdict verdict =
        DecideNavigation(m_site, url, kind, mainFrame, clickedLink(url));
    if (verdict == NavigationVerdict::OpenOutside) {
        m_clicked = false;
        OpenInSystemBrowser(url);
    }
    return verdict == NavigationVerdict::Load;
}

void WebBrowser::newWindowRequested(const QUrl& url) {
    // A new window never opens inside the program, nor outside without a click.
    if (isWebScheme(url) && clickedLink(url)) {
        m_clicked = false;
        OpenInSystemBrowser(url);
    }
}

void WebBrowser::userClicked() {
    m_clicked = true;
    m_clickedLink = m_view->hoveredLink();
    m_clickExpires.setRemainingTime(kClickLifetime);
}

void WebBrowser::loadFinished(bool ok) {
    QWidget* page = m_view->widget();
    const int generation = ++m_documentGeneration;
    m_documentState = QStringLiteral("Document");
    if (!ok) {
        setFocusProxy(nullptr);
        page->hide();
        emit pageFinished(false);
        return;
    }
    page->show();
    setFocusProxy(page);
    // The completion waits for the page's answer without holding anything
    // up; a page that never answers (busy for good, or gone) raises nothing.
    m_view->runScript(kDocumentState, [this, generation](const QVariant& answer) {
        if (generation == m_documentGeneration && answer.isValid())
            raiseDocumentComplete(answer.toString());
    });
}

void WebBrowser::raiseDocumentComplete(const QString& documentState) {
    m_documentState = knownDocumentState(documentState);
    // A page that fails the same way on every load (one that reloads itself)
    // shows its error once per Navigate, and never a box on top of another.
    const bool mayShow = !m_errorShown && !completionBoxUp;
    bool showing = false;
    const QPointer<WebBrowser> alive(this);
    Dispatch([&] {
        try {
            if (m_onDocumentComplete) m_onDocumentComplete();
        } catch (...) {
            if (!mayShow) return;
            m_errorShown = true;
            completionBoxUp = showing = true;
            throw;
        }
    });
    if (showing) completionBoxUp = false;
    if (alive) emit pageFinished(true);
}

void WebBrowser::resizeEvent(QResizeEvent* event) {
    if (m_view) m_view->widget()->setGeometry(QRect(QPoint(0, 0), event->size()));
    QWidget::resizeEvent(event);
}

void WebBrowser::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) QTimer::singleShot(kPreloadDelay, this, &PreloadWebEngine);
}

}  // namespace quillmark
