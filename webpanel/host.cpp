// quillmark-webpanels-host: the web panels' engine in a process of its own.
// The window starts it with one end of a private channel as a descriptor
// (--channel N) and the engine plugin to load (--engine PATH); it draws each
// view into a native window of the window's, which it reparents there, and
// reports what the pages do. It ends with the window or when the channel
// closes. Its start may block: the window's never does.
#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

#include <xcb/xcb.h>

#include <QApplication>
#include <QDataStream>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPluginLoader>
#include <QUrl>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include "controls/enginechannel.h"
#include "controls/webbrowser.h"
#include "controls/webengine.h"

namespace quillmark {
namespace {

// How long a page's navigation waits for the window's verdict; a window that
// does not answer by then has dropped it.
constexpr int kVerdictTimeout = 2000;

class Host;

// One view, reporting to the window through the channel.
class ViewProxy : public WebEngineHost {
public:
    ViewProxy(Host& host, quint32 id) : m_host(host), m_id(id) {}
    ~ViewProxy() {
        if (m_view) delete m_view->widget();
        delete m_plug;
    }

    void attach(WebEngineView* view, QWindow* plug) {
        m_view = view;
        m_plug = plug;
    }
    WebEngineView* view() const { return m_view; }

    bool navigationRequested(const QUrl& url, Navigation kind, bool mainFrame) override;
    void newWindowRequested(const QUrl& url) override;
    void userClicked() override;
    void loadFinished(bool ok) override;

    // Tells the window the view's address and the link under the pointer,
    // when they changed since it was last told.
    void report();

private:
    Host& m_host;
    const quint32 m_id;
    WebEngineView* m_view = nullptr;
    QWindow* m_plug = nullptr;
    QUrl m_reportedUrl;
    QUrl m_reportedHover;
};

class Host {
public:
    Host(WebEngineFactory& factory, int fd) : m_factory(factory), m_channel(fd, true) {
        m_channel.onFrame = [this](const QByteArray& frame) { received(frame); };
        // Without the window there is nothing to keep: no orderly teardown.
        m_channel.onFailed = [](const QString&) { _exit(0); };
    }

    void send(const QByteArray& frame) { m_channel.send(frame); }

    // Asks the window about a navigation and waits for its verdict.
    bool ask(const QByteArray& question, quint32 request) {
        send(question);
        bool load = false;
        const auto answer = m_channel.waitFor(
            [request, &load](const QByteArray& frame) {
                EngineFrameReader message(frame);
                if (message.type != quint8(EngineMessage::Verdict) || message.id != request)
                    return false;
                message.fields >> load;
                load = load && message.fields.status() == QDataStream::Ok;
                return true;
            },
            QDeadlineTimer(kVerdictTimeout));
        return answer && load;
    }

    quint32 nextRequest() { return ++m_lastRequest; }

private:
    void received(const QByteArray& frame) {
        EngineFrameReader message(frame);
        QDataStream& in = message.fields;
        const quint8 type = message.type;
        const quint32 id = message.id;
        if (type == quint8(EngineMessage::CreateView)) {
            quint64 plugId;
            qint32 width, height;
            in >> plugId >> width >> height;
            createView(id, plugId, QSize(width, height));
            return;
        }
        const auto found = m_views.find(id);
        if (found == m_views.end()) return;
        ViewProxy& proxy = *found->second;
        switch (EngineMessage(type)) {
            case EngineMessage::Load: {
                QUrl url;
                in >> url;
                proxy.view()->load(url);
                break;
            }
            case EngineMessage::RunScript: {
                quint32 request;
                QString script;
                in >> request >> script;
                std::function<void(const QVariant&)> answer;
                if (request != 0)
                    answer = [this, id, request](const QVariant& value) {
                        if (const auto view = m_views.find(id); view != m_views.end())
                            view->second->report();
                        send(EngineFrame(EngineMessage::ScriptAnswer, id, request, value));
                    };
                proxy.view()->runScript(script, std::move(answer));
                break;
            }
            case EngineMessage::Resize: {
                // The view's size, and where it lies in the window's native
                // window, which shows only a part of it.
                qint32 width, height, left, top;
                in >> width >> height >> left >> top;
                proxy.view()->widget()->setGeometry(left, top, width, height);
                break;
            }
            case EngineMessage::Focus: {
                // The view's window is the host's active one while the view
                // has the focus in the window: the page's caret and input
                // follow it.
                bool focused;
                in >> focused;
                QWidget* widget = proxy.view()->widget();
                if (focused)
                    QApplication::setActiveWindow(widget);
                else if (QApplication::activeWindow() == widget)
                    QApplication::setActiveWindow(nullptr);
                break;
            }
            case EngineMessage::Key: {
                qint32 keyType, key, modifiers, count;
                quint32 scanCode, virtualKey, nativeModifiers;
                QString text;
                bool autoRepeat;
                in >> keyType >> key >> modifiers >> scanCode >> virtualKey >> nativeModifiers >>
                    text >> autoRepeat >> count;
                if (in.status() != QDataStream::Ok ||
                    (keyType != QEvent::KeyPress && keyType != QEvent::KeyRelease))
                    break;
                // To the view's window, which hands it to its focused part.
                QKeyEvent event(QEvent::Type(keyType), key,
                                Qt::KeyboardModifiers::fromInt(modifiers), scanCode, virtualKey,
                                nativeModifiers, text, autoRepeat, quint16(count));
                if (QWindow* window = proxy.view()->widget()->windowHandle())
                    QCoreApplication::sendEvent(window, &event);
                break;
            }
            case EngineMessage::DestroyView:
                m_views.erase(found);
                break;
            default:
                break;
        }
    }

    // X sends the keys typed with the pointer over the view to the view's
    // window, which has no focus here: they are left to go up to the
    // window's, whose focused control takes them (the view too, when it has
    // the focus there, which passes them back).
    static void passKeysOn(WId window) {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11) return;
        xcb_connection_t* connection = x11->connection();
        const auto cookie = xcb_get_window_attributes(connection, xcb_window_t(window));
        xcb_get_window_attributes_reply_t* attributes =
            xcb_get_window_attributes_reply(connection, cookie, nullptr);
        if (!attributes) return;
        const uint32_t mask = attributes->your_event_mask &
                              ~uint32_t(XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE);
        std::free(attributes);
        xcb_change_window_attributes(connection, xcb_window_t(window), XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection);
    }

    void createView(quint32 id, quint64 plugId, QSize size) {
        auto proxy = std::make_unique<ViewProxy>(*this, id);
        WebEngineView* view = m_factory.createView(nullptr, *proxy);
        QWidget* widget = view->widget();
        widget->setWindowFlags(Qt::FramelessWindowHint);
        widget->resize(size);
        QWindow* plug = nullptr;
        // Only X11 lets one process draw inside another's window: the
        // window sends none elsewhere.
        if (plugId != 0 && QGuiApplication::platformName() == QLatin1String("xcb")) {
            plug = QWindow::fromWinId(WId(plugId));
            passKeysOn(widget->winId());
            widget->windowHandle()->setParent(plug);
            widget->show();
        }
        proxy->attach(view, plug);
        m_views[id] = std::move(proxy);
    }

    WebEngineFactory& m_factory;
    EngineChannel m_channel;
    std::map<quint32, std::unique_ptr<ViewProxy>> m_views;
    quint32 m_lastRequest = 0;
};

bool ViewProxy::navigationRequested(const QUrl& url, Navigation kind, bool mainFrame) {
    report();
    const quint32 request = m_host.nextRequest();
    return m_host.ask(
        EngineFrame(EngineMessage::Navigation, m_id, request, url, qint32(kind), mainFrame),
        request);
}

void ViewProxy::newWindowRequested(const QUrl& url) {
    report();
    m_host.send(EngineFrame(EngineMessage::NewWindow, m_id, url));
}

void ViewProxy::userClicked() {
    report();
    m_host.send(EngineFrame(EngineMessage::Clicked, m_id));
}

void ViewProxy::loadFinished(bool ok) {
    report();
    m_host.send(EngineFrame(EngineMessage::LoadFinished, m_id, ok));
}

void ViewProxy::report() {
    if (!m_view) return;
    if (const QUrl url = m_view->url(); url != m_reportedUrl) {
        m_reportedUrl = url;
        m_host.send(EngineFrame(EngineMessage::Url, m_id, url));
    }
    if (const QUrl link = m_view->hoveredLink(); link != m_reportedHover) {
        m_reportedHover = link;
        m_host.send(EngineFrame(EngineMessage::Hovered, m_id, link));
    }
}

}  // namespace
}  // namespace quillmark

int main(int argc, char* argv[]) {
    // It ends with the window, whatever ends that.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    int fd = -1;
    QString plugin;
    QByteArray scale = "1";
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray option = argv[i];
        if (option == "--channel")
            fd = std::atoi(argv[i + 1]);
        else if (option == "--engine")
            plugin = QString::fromLocal8Bit(argv[i + 1]);
        else if (option == "--scale")
            scale = argv[i + 1];
        else if (option == "--platform")
            qputenv("QT_QPA_PLATFORM", argv[i + 1]);
    }
    if (fd < 0 || plugin.isEmpty()) {
        std::fprintf(stderr,
                     "usage: %s --channel FD --engine PATH [--scale FACTOR] [--platform NAME]\n",
                     argv[0]);
        return 2;
    }
    // Pixels as the window has them, whatever the screen's own scale: the
    // window's whole ratio is the host's factor, and the screen adds none.
    qputenv("QT_SCALE_FACTOR", scale);
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    quillmark::InstallLateEngineLoadFilter();
    QPluginLoader loader(plugin);
    auto* factory = qobject_cast<quillmark::WebEngineFactory*>(loader.instance());
    if (!factory) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(loader.errorString()));
        return 1;
    }
    factory->startEngine();
    quillmark::Host host(*factory, fd);
    return QApplication::exec();
}
