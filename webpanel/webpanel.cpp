#include "webpanel/webpanel.h"

#include <memory>

#include <QtGui/private/qopenglcontext_p.h>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QQuickWindow>
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
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace quillmark {

namespace {

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
        shared = profile;
    }
    return profile;
}

class PanelView : public QWebEngineView, public WebEngineView {
public:
    PanelView(QWidget* parent, WebEngineHost& host)
        : QWebEngineView(parent),
          m_profile(sharedProfile()),
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
        connect(page, &QWebEnginePage::newWindowRequested,
                [&host](QWebEngineNewWindowRequest& request) {
                    host.newWindowRequested(request.requestedUrl());
                });
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
    }

    ~PanelView() override {
        // A profile must outlive its pages.
        delete m_page;
        m_profile.reset();
    }

    QWidget* widget() override { return this; }

    void load(const QUrl& url) override { QWebEngineView::load(url); }
    QUrl url() const override { return QWebEngineView::url(); }

    void runScript(const QString& script, std::function<void(const QVariant&)> answer) override {
        m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld, answer);
    }

private:
    std::shared_ptr<QWebEngineProfile> m_profile;
    PanelPage* m_page;
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

WebEngineView* WebPanelFactory::createView(QWidget* parent, WebEngineHost& host) {
    return new PanelView(parent, host);
}

}  // namespace quillmark
