#include "controls/remoteengine.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <utility>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QTimer>
#include <QUrl>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include "controls/enginechannel.h"

extern char** environ;

namespace quillmark {

namespace {

// The descriptor number of the channel in the host.
constexpr int kHostChannelFd = 3;
// How often a host that has been told to end is looked for, and how long.
constexpr int kReapInterval = 100;
constexpr int kReapTries = 50;

}  // namespace

// A view drawn by the host into a native window inside this widget.
class RemoteView : public QWidget, public WebEngineView {
public:
    RemoteView(RemoteEngine& engine, quint32 id, QWidget* parent, WebEngineHost& host)
        : QWidget(parent), m_engine(&engine), m_id(id), m_host(host) {
        hide();
        // The host draws into this native window; only X11 lets it.
        quint64 plug = 0;
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            auto* window = new QWindow;
            m_container = QWidget::createWindowContainer(window, this);
            m_container->setFocusPolicy(Qt::NoFocus);
            plug = window->winId();
            // A native window is not clipped by the widgets around it: it is
            // cut to what they show, whenever one of them moves or resizes.
            for (QWidget* outer = parent; outer; outer = outer->parentWidget())
                outer->installEventFilter(this);
        }
        engine.send(
            EngineFrame(EngineMessage::CreateView, m_id, plug, qint32(width()), qint32(height())));
    }

    ~RemoteView() override {
        if (m_engine) m_engine->send(EngineFrame(EngineMessage::DestroyView, m_id));
    }

    QWidget* widget() override { return this; }

    void load(const QUrl& url) override {
        // A hidden widget learns its size only when shown: the page is laid
        // out at the size it will have.
        sendSize();
        if (m_engine) m_engine->send(EngineFrame(EngineMessage::Load, m_id, url));
    }
    QUrl url() const override { return m_url; }
    QUrl hoveredLink() const override { return m_hovered; }

    void runScript(const QString& script, std::function<void(const QVariant&)> answer) override {
        if (!m_engine) {
            if (answer) answer(QVariant());
            return;
        }
        quint32 request = 0;
        if (answer) {
            request = ++m_engine->m_lastRequest;
            m_answers.insert(request, std::move(answer));
        }
        m_engine->send(EngineFrame(EngineMessage::RunScript, m_id, request, script));
    }

    // A message of the host about this view; false when it makes no sense.
    bool received(EngineMessage type, QDataStream& in) {
        switch (type) {
            case EngineMessage::Url:
                in >> m_url;
                return true;
            case EngineMessage::Hovered:
                in >> m_hovered;
                return true;
            case EngineMessage::Clicked:
                // The user's click in the page gives it the keyboard, as in
                // a browser; the page's own script never does.
                if (isActiveWindow()) setFocus(Qt::MouseFocusReason);
                m_host.userClicked();
                return true;
            case EngineMessage::Navigation: {
                quint32 request;
                QUrl url;
                qint32 kind;
                bool mainFrame;
                in >> request >> url >> kind >> mainFrame;
                if (in.status() != QDataStream::Ok || kind < 0 ||
                    kind > int(WebEngineHost::Navigation::Other))
                    return false;
                const QPointer<RemoteEngine> engine = m_engine;
                const bool load =
                    m_host.navigationRequested(url, WebEngineHost::Navigation(kind), mainFrame);
                if (engine) engine->send(EngineFrame(EngineMessage::Verdict, request, load));
                return true;
            }
            case EngineMessage::NewWindow: {
                QUrl url;
                in >> url;
                m_host.newWindowRequested(url);
                return true;
            }
            case EngineMessage::LoadFinished: {
                bool ok;
                in >> ok;
                m_host.loadFinished(ok);
                return true;
            }
            case EngineMessage::ScriptAnswer: {
                quint32 request;
                QVariant value;
                in >> request >> value;
                if (in.status() != QDataStream::Ok) return false;
                if (auto answer = m_answers.take(request)) answer(value);
                return true;
            }
            default:
                return false;
        }
    }

    // The host is gone: the view is blank, and no answer will come.
    void hostEnded() {
        m_engine = nullptr;
        const QPointer<RemoteView> alive(this);
        for (auto& answer : std::exchange(m_answers, {})) {
            answer(QVariant());
            if (!alive) return;
        }
        m_host.loadFinished(false);
    }

protected:
    // The host's window gets no keyboard from X: the keys and the focus the
    // view has in the window are passed on. Tab and Backtab stay in the
    // window, which moves the focus on with them.
    void keyPressEvent(QKeyEvent* event) override { forward(event); }
    void keyReleaseEvent(QKeyEvent* event) override { forward(event); }
    void focusInEvent(QFocusEvent* event) override {
        if (m_engine) m_engine->send(EngineFrame(EngineMessage::Focus, m_id, true));
        QWidget::focusInEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override {
        if (m_engine) m_engine->send(EngineFrame(EngineMessage::Focus, m_id, false));
        QWidget::focusOutEvent(event);
    }

    void resizeEvent(QResizeEvent* event) override {
        sendSize();
        QWidget::resizeEvent(event);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize) sendSize();
        return QWidget::eventFilter(watched, event);
    }

private:
    void forward(const QKeyEvent* event) {
        if (!m_engine) return;
        m_engine->send(EngineFrame(EngineMessage::Key, m_id, qint32(event->type()),
                                   qint32(event->key()), qint32(event->modifiers().toInt()),
                                   event->nativeScanCode(), event->nativeVirtualKey(),
                                   event->nativeModifiers(), event->text(), event->isAutoRepeat(),
                                   qint32(event->count())));
    }

    // The part of the view its surroundings show, in its own coordinates.
    QRect shownPart() const {
        QRect shown = rect();
        for (const QWidget* outer = parentWidget(); outer; outer = outer->parentWidget())
            shown &= QRect(mapFrom(outer, QPoint(0, 0)), outer->size());
        return shown.isEmpty() ? QRect() : shown;
    }

    // Tells the host the view's size and where the shown part of it lies.
    void sendSize() {
        const QRect shown = m_container ? shownPart() : QRect();
        if (m_container) m_container->setGeometry(shown);
        if (!m_engine || (size() == m_sentSize && shown.topLeft() == m_sentOffset)) return;
        m_sentSize = size();
        m_sentOffset = shown.topLeft();
        m_engine->send(EngineFrame(EngineMessage::Resize, m_id, qint32(m_sentSize.width()),
                                   qint32(m_sentSize.height()), qint32(-m_sentOffset.x()),
                                   qint32(-m_sentOffset.y())));
    }

    QPointer<RemoteEngine> m_engine;
    const quint32 m_id;
    WebEngineHost& m_host;
    QWidget* m_container = nullptr;
    QUrl m_url;
    QUrl m_hovered;
    QSize m_sentSize;
    QPoint m_sentOffset;
    QHash<quint32, std::function<void(const QVariant&)>> m_answers;
};

QString WebEngineHostProgramFor(const QString& plugin) {
    const QString program =
        QFileInfo(plugin).dir().filePath(QStringLiteral("quillmark-webpanels-host"));
    return QFileInfo(program).isExecutable() ? program : QString();
}

RemoteEngine::RemoteEngine(const QString& hostProgram, const QString& plugin, qreal scale)
    : m_hostProgram(hostProgram), m_plugin(plugin), m_scale(scale) {}

RemoteEngine::~RemoteEngine() {
    delete m_channel;
    if (m_pid > 0) {
        ::kill(pid_t(m_pid), SIGKILL);
        waitpid(pid_t(m_pid), nullptr, 0);
    }
}

void RemoteEngine::startEngine() {
    if (m_channel || m_failed) return;
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        failed(QStringLiteral("no channel to the browser engine's host process (%1)")
                   .arg(QString::fromLocal8Bit(strerror(errno))));
        return;
    }
    // The host's end becomes its descriptor 3, which alone it inherits.
    int hostEnd = ends[1];
    if (hostEnd == kHostChannelFd) {
        hostEnd = fcntl(ends[1], F_DUPFD_CLOEXEC, kHostChannelFd + 1);
        close(ends[1]);
    }
    m_channel = new EngineChannel(ends[0], false, this);
    m_channel->onFrame = [this](const QByteArray& frame) { received(frame); };
    m_channel->onFailed = [this](const QString& why) {
        failed(QStringLiteral("the browser engine's host process ended (%1)").arg(why));
    };

    const QByteArray program = QFile::encodeName(m_hostProgram);
    const QByteArray plugin = QFile::encodeName(m_plugin);
    const QByteArray scale = QByteArray::number(m_scale, 'g', 10);
    const QByteArray fd = QByteArray::number(kHostChannelFd);
    // The host draws for the window's platform, whatever else it could use.
    const QByteArray platform = QGuiApplication::platformName().toUtf8();
    const char* argv[] = {program.constData(),  "--channel", fd.constData(),    "--engine",
                          plugin.constData(),   "--scale",   scale.constData(), "--platform",
                          platform.constData(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, hostEnd, kHostChannelFd);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, program.constData(), &actions, nullptr,
                                  const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(hostEnd);
    if (error != 0) {
        failed(QStringLiteral("%1 cannot be started (%2)")
                   .arg(m_hostProgram, QString::fromLocal8Bit(strerror(error))));
        return;
    }
    m_pid = pid;
}

WebEngineView* RemoteEngine::createView(QWidget* parent, WebEngineHost& host) {
    startEngine();
    auto* view = new RemoteView(*this, ++m_lastView, parent, host);
    if (m_failed)
        // Told later, as a running host would tell it.
        QTimer::singleShot(0, view, [view] { view->hostEnded(); });
    else
        m_views.insert(m_lastView, view);
    return view;
}

void RemoteEngine::send(const QByteArray& frame) {
    if (m_channel) m_channel->send(frame);
}

void RemoteEngine::received(const QByteArray& frame) {
    EngineFrameReader message(frame);
    QDataStream& in = message.fields;
    const quint8 type = message.type;
    const quint32 id = message.id;
    // Only the host's messages come this way.
    bool sensible = in.status() == QDataStream::Ok && type >= quint8(EngineMessage::Url) &&
                    type <= quint8(EngineMessage::ScriptAnswer);
    if (sensible) {
        if (RemoteView* view = m_views.value(id)) {
            sensible = view->received(EngineMessage(type), in);
        } else if (type == quint8(EngineMessage::Navigation)) {
            // A view that is gone loads nothing.
            quint32 request;
            in >> request;
            send(EngineFrame(EngineMessage::Verdict, request, false));
        }
    }
    if (!sensible || in.status() != QDataStream::Ok)
        failed(QStringLiteral("the browser engine's host process sent what is no message"));
}

void RemoteEngine::failed(const QString& why) {
    if (std::exchange(m_failed, true)) return;
    qWarning("The web panels stay blank: %s.", qUtf8Printable(why));
    if (m_channel) {
        m_channel->onFrame = nullptr;
        m_channel->onFailed = nullptr;
        m_channel->deleteLater();
        m_channel = nullptr;
    }
    if (m_pid > 0) ::kill(pid_t(m_pid), SIGKILL);
    reap();
    for (const QPointer<RemoteView>& view : std::exchange(m_views, {}))
        if (view) view->hostEnded();
}

void RemoteEngine::reap() {
    // The host was told to end; it is waited for without blocking.
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, timer] {
        if (m_pid <= 0 || waitpid(pid_t(m_pid), nullptr, WNOHANG) != 0 ||
            ++m_reapTries > kReapTries) {
            m_pid = 0;
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(kReapInterval);
}

}  // namespace quillmark
