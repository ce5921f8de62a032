#include "webpanel/webpanel.h"

#include <signal.h>
#include <unistd.h>

#include <utility>

#include <QtGui/private/qopenglcontext_p.h>
#include <QAuthenticator>
#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QTimer>
#include <QWebEngineCertificateError>
#include <QWebEngineClientCertificateSelection>
#include <QWebEngineDownloadRequest>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace quillmark {

namespace {

// Chromium's switches for the panels, ahead of the user's own
// (QTWEBENGINE_CHROMIUM_FLAGS), which win where they differ:
// --disable-gpu: the panels are drawn in software; with its GPU thread the
//   engine would load an OpenGL driver, for a page's WebGL if nothing else.
// --no-unsandboxed-zygote: the engine starts one helper process less, which
//   its start waits for and which holds memory for nothing the panels use.
// --process-per-site: the two panels show one site: one renderer for both.
const QByteArray kChromiumFlags = "--disable-gpu --no-unsandboxed-zygote --process-per-site";

// A renderer whose resident memory grows past this is ended, and its panels
// go blank. A panel's page of this size, images and scripts included, keeps
// under 128 MB, most of it the engine's own code and heaps; three times that
// leaves room for a heavy advertisement, and stops a page gone wrong long
// before it troubles a small desktop machine.
constexpr qint64 kRendererMemoryBound = qint64(384) << 20;
// How often the renderer's memory is looked at; a page filling memory as
// fast as it can gains a few hundred MB between two looks.
constexpr int kMemoryWatchInterval = 100;

// In every frame, before the page's own scripts, in a world of its own: a
// page neither sees nor writes the clipboard. Copy and cut events, which
// carry what is written, are stopped before the page hears of them and their
// default (the selection) is refused, so nothing is written at all; paste
// events are refused likewise.
const char kNoClipboard[] = R"js((function () {
    var refuse = function (event) {
        event.stopImmediatePropagation();
        event.preventDefault();
    };
    ['copy', 'cut', 'paste'].forEach(function (type) {
        window.addEventListener(type, refuse, true);
    });
})();)js";

WebEngineHost::Navigation navigationKind(QWebEnginePage::NavigationType type) {
    using Navigation = WebEngineHost::Navigation;
    switch (type) {
        case QWebEnginePage::NavigationTypeLinkClicked:
            return Navigation::LinkClicked;
        case QWebEnginePage::NavigationTypeTyped:
            return Navigation::Typed;
        case QWebEnginePage::NavigationTypeFormSubmitted:
            return Navigation::FormSubmitted;
        case QWebEnginePage::NavigationTypeBackForward:
            return Navigation::BackForward;
        case QWebEnginePage::NavigationTypeReload:
            return Navigation::Reload;
        case QWebEnginePage::NavigationTypeRedirect:
            return Navigation::Redirect;
        case QWebEnginePage::NavigationTypeOther:
            break;
    }
    return Navigation::Other;
}

// Qt's defaults let a page open windows, read local files, navigate on drops
// and show PDFs; a panel showing remote pages in the program does none of it.
void harden(QWebEngineSettings* settings) {
    const std::pair<QWebEngineSettings::WebAttribute, bool> attributes[] = {
        {QWebEngineSettings::JavascriptCanOpenWindows, false},
        {QWebEngineSettings::JavascriptCanAccessClipboard, false},
        {QWebEngineSettings::JavascriptCanPaste, false},
        {QWebEngineSettings::LocalContentCanAccessFileUrls, false},
        {QWebEngineSettings::LocalContentCanAccessRemoteUrls, false},
        {QWebEngineSettings::NavigateOnDropEnabled, false},
        {QWebEngineSettings::PluginsEnabled, false},
        {QWebEngineSettings::PdfViewerEnabled, false},
        {QWebEngineSettings::FullScreenSupportEnabled, false},
        {QWebEngineSettings::ScreenCaptureEnabled, false},
        {QWebEngineSettings::AllowRunningInsecureContent, false},
        {QWebEngineSettings::AllowGeolocationOnInsecureOrigins, false},
        {QWebEngineSettings::AllowWindowActivationFromJavaScript, false},
        {QWebEngineSettings::FocusOnNavigationEnabled, false},
        {QWebEngineSettings::HyperlinkAuditingEnabled, false},
        {QWebEngineSettings::AutoLoadIconsForPage, false},
        {QWebEngineSettings::TouchIconsEnabled, false},
        {QWebEngineSettings::WebRTCPublicInterfacesOnly, true},
        // A page that fails to load leaves the panel blank, not an engine page.
        {QWebEngineSettings::ErrorPageEnabled, false},
    };
    for (const auto& [attribute, on] : attributes) settings->setAttribute(attribute, on);
}

// Resident memory of process `pid` in bytes; 0 when it cannot be read.
qint64 residentBytes(qint64 pid) {
    QFile statm(QStringLiteral("/proc/%1/statm").arg(pid));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> pages = statm.readLine().split(' ');
    return pages.size() > 1 ? pages[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

// A page that asks its host before every navigation, and shows no dialogs.
class PanelPage : public QWebEnginePage {
public:
    PanelPage(QWebEngineProfile* profile, WebEngineHost& host)
        : QWebEnginePage(profile), m_host(host) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        return m_host.navigationRequested(url, navigationKind(type), isMainFrame);
    }
    void javaScriptAlert(const QUrl&, const QString&) override {}
    bool javaScriptConfirm(const QUrl&, const QString&) override { return false; }
    bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override {
        return false;
    }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                  const QString&) override {}
    QStringList chooseFiles(FileSelectionMode, const QStringList&, const QStringList&) override {
        return {};
    }

private:
    WebEngineHost& m_host;
};

// The profile all views share while any is alive: off the record, so nothing
// the pages leave behind (cookies, storage, cache) reaches the disk.
std::shared_ptr<QWebEngineProfile> sharedProfile() {
    static std::weak_ptr<QWebEngineProfile> shared;
    std::shared_ptr<QWebEngineProfile> profile = shared.lock();
    if (!profile) {
        profile = std::make_shared<QWebEngineProfile>();
        QObject::connect(profile.get(), &QWebEngineProfile::downloadRequested,
                         [](QWebEngineDownloadRequest* download) { download->cancel(); });
        QWebEngineScript noClipboard;
        noClipboard.setName(QStringLiteral("quillmark-no-clipboard"));
        noClipboard.setSourceCode(QString::fromLatin1(kNoClipboard));
        noClipboard.setInjectionPoint(QWebEngineScript::DocumentCreation);
        noClipboard.setWorldId(QWebEngineScript::ApplicationWorld);
        noClipboard.setRunsOnSubFrames(true);
        profile->scripts()->insert(noClipboard);
        shared = profile;
    }
    return profile;
}

class PanelView : public QWebEngineView, public WebEngineView {
public:
    PanelView(QWidget* parent, WebEngineHost& host, std::shared_ptr<QWebEngineProfile> profile)
        : QWebEngineView(parent),
          m_host(host),
          m_profile(std::move(profile)),
          m_page(new PanelPage(m_profile.get(), host)) {
        hide();
        setContextMenuPolicy(Qt::NoContextMenu);
        setAcceptDrops(false);
        harden(m_page->settings());
        QWebEnginePage* page = m_page;
        connect(page, &QWebEnginePage::featurePermissionRequested, page,
                [page](const QUrl& origin, QWebEnginePage::Feature feature) {
                    page->setFeaturePermission(origin, feature,
                                               QWebEnginePage::PermissionDeniedByUser);
                });
        connect(page, &QWebEnginePage::fullScreenRequested,
                [](QWebEngineFullScreenRequest request) { request.reject(); });
        connect(page, &QWebEnginePage::registerProtocolHandlerRequested,
                [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
        connect(page, &QWebEnginePage::fileSystemAccessRequested,
                [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
        connect(page, &QWebEnginePage::selectClientCertificate,
                [](QWebEngineClientCertificateSelection selection) { selection.selectNone(); });
        connect(page, &QWebEnginePage::certificateError,
                [](const QWebEngineCertificateError& error) {
                    QWebEngineCertificateError(error).rejectCertificate();
                });
        // A null authenticator cancels the challenge; one left as it comes
        // would send empty credentials, again and again.
        connect(page, &QWebEnginePage::authenticationRequired,
                [](const QUrl&, QAuthenticator* credentials) { *credentials = QAuthenticator(); });
        connect(page, &QWebEnginePage::proxyAuthenticationRequired,
                [](const QUrl&, QAuthenticator* credentials, const QString&) {
                    *credentials = QAuthenticator();
                });
        connect(page, &QWebEnginePage::newWindowRequested,
                [&host](QWebEngineNewWindowRequest& request) {
                    host.newWindowRequested(request.requestedUrl());
                });
        connect(page, &QWebEnginePage::linkHovered,
                [this](const QString& url) { m_hoveredLink = QUrl(url); });
        // A load that is stopped or replaced by the next one reports nothing.
        connect(page, &QWebEnginePage::loadingChanged, [&host](const QWebEngineLoadingInfo& info) {
            if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
                host.loadFinished(true);
            else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus)
                host.loadFinished(false);
        });
        connect(page, &QWebEnginePage::renderProcessTerminated,
                [&host](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                    if (status != QWebEnginePage::NormalTerminationStatus) host.loadFinished(false);
                });
        setPage(m_page);
        connect(&m_memoryWatch, &QTimer::timeout, this, [page] {
            const qint64 renderer = page->renderProcessPid();
            if (renderer > 0 && residentBytes(renderer) > kRendererMemoryBound)
                ::kill(pid_t(renderer), SIGKILL);
        });
        m_memoryWatch.start(kMemoryWatchInterval);
    }

    ~PanelView() override {
        // A profile must outlive its pages.
        delete m_page;
        m_profile.reset();
    }

    QWidget* widget() override { return this; }

    void load(const QUrl& url) override { QWebEngineView::load(url); }
    QUrl url() const override { return QWebEngineView::url(); }
    QUrl hoveredLink() const override { return m_hoveredLink; }

    void runScript(const QString& script, std::function<void(const QVariant&)> answer) override {
        if (answer)
            m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld, answer);
        else
            m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld);
    }

protected:
    bool event(QEvent* event) override {
        // The window shows no tooltips, nor do the pages in it.
        if (event->type() == QEvent::ToolTip) return true;
        return QWebEngineView::event(event);
    }

    // The engine's input widget, its dialogs and its popups are children of
    // the view: each is watched from the moment it joins.
    void childEvent(QChildEvent* event) override {
        QWebEngineView::childEvent(event);
        if (event->type() == QEvent::ChildAdded && event->child()->isWidgetType())
            event->child()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = static_cast<QWidget*>(watched);
        switch (event->type()) {
            case QEvent::Show:
                // A window of the engine (colour chooser, a select's list, a
                // date picker) never appears: it is closed as it opens, which
                // the engine takes as the user's cancel. Kept off the screen,
                // a modal one would still block the window until it closes.
                if (widget->isWindow()) {
                    widget->setWindowModality(Qt::NonModal);
                    widget->setAttribute(Qt::WA_DontShowOnScreen);
                    QMetaObject::invokeMethod(widget, &QWidget::close, Qt::QueuedConnection);
                }
                break;
            case QEvent::MouseButtonRelease:
                if (const auto button = static_cast<QMouseEvent*>(event)->button();
                    !widget->isWindow() && (button == Qt::LeftButton || button == Qt::MiddleButton))
                    m_host.userClicked();
                break;
            case QEvent::ToolTip:
                return true;
            default:
                break;
        }
        return false;
    }

private:
    WebEngineHost& m_host;
    std::shared_ptr<QWebEngineProfile> m_profile;
    PanelPage* m_page;
    // The link under the pointer, as the page's renderer last reported it.
    QUrl m_hoveredLink;
    QTimer m_memoryWatch;
};

void deleteShareContext() {
    delete qt_gl_global_share_context();
    qt_gl_set_global_share_context(nullptr);
}

QtMessageHandler previousMessageHandler = nullptr;

// The engine warns, while it starts, that it found no graphics backend: that
// is the software drawing the panels ask for. Every other message passes.
void dropSoftwareWarning(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (type == QtWarningMsg &&
        message.trimmed() == QLatin1String("No suitable graphics backend found"))
        return;
    previousMessageHandler(type, context, message);
}

// Holds the started engine's profile until a view takes it over.
std::shared_ptr<QWebEngineProfile>& startedProfile() {
    static std::shared_ptr<QWebEngineProfile> profile;
    return profile;
}

// Sets an environment variable while alive, then puts back what was there,
// so that no program started later (the system's web browser) inherits it.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_before(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnvironment() {
        if (m_had)
            qputenv(m_name, m_before);
        else
            qunsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_before;
};

}  // namespace

WebPanelFactory::WebPanelFactory() {
    // The engine describes its graphics set-up at length when it starts.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    // The panels are drawn in software. With OpenGL the first view would make
    // Qt recreate the window's native window (it vanishes and comes back, and
    // loses the keyboard focus) and load the OpenGL driver, for two small
    // pictures.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    previousMessageHandler = qInstallMessageHandler(dropSoftwareWarning);
    if (!qt_gl_global_share_context()) {
        // The engine will not start without a shared context object; drawing
        // in software, it never makes it current, so it is not created (which
        // would load the driver).
        qt_gl_set_global_share_context(new QOpenGLContext);
        qAddPostRoutine(deleteShareContext);
    }
}

void WebPanelFactory::startEngine() {
    static bool started = false;
    if (std::exchange(started, true)) return;
    // The engine asks, as it starts, whether OpenGL works on other threads;
    // on X11 Qt answers by making a trial context, which maps Mesa's driver
    // into the program. Asked here first with the check turned off, Qt keeps
    // the answer and never makes the trial.
    {
        const ScopedEnvironment noTrial("QT_OPENGL_NO_SANITY_CHECK", "1");
        QOpenGLContext::supportsThreadedOpenGL();
    }
    const QByteArray userFlags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    const ScopedEnvironment flags("QTWEBENGINE_CHROMIUM_FLAGS",
                                  kChromiumFlags + ' ' + userFlags.trimmed());
    startedProfile() = sharedProfile();
    // Should no view take it over, the profile goes before the engine does
    // (routines added later run earlier).
    qAddPostRoutine([] { startedProfile().reset(); });
}

WebEngineView* WebPanelFactory::createView(QWidget* parent, WebEngineHost& host) {
    startEngine();
    auto* view = new PanelView(parent, host, sharedProfile());
    startedProfile().reset();
    return view;
}

}  // namespace quillmark
