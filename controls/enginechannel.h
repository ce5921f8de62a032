// The private channel between the window and its web panels' host process: a
// stream socket carrying framed messages (a 32-bit length, then the message).
#pragma once

#include <functional>
#include <optional>

#include <QByteArray>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QIODevice>
#include <QList>
#include <QObject>

class QSocketNotifier;

namespace quillmark {

// The messages, by their first byte. The window sends the first group, the
// host the second; each message is a QDataStream of its fields.
enum class EngineMessage : quint8 {
    // window -> host
    CreateView = 1,  // view, plug window id, width, height
    Load,            // view, url
    RunScript,       // view, request (0: no answer wanted), script
    Resize,          // view, width, height, left, top
    DestroyView,     // view
    Verdict,         // request, load (bool)
    Focus,           // view, has focus (bool)
    Key,             // view, type, key, modifiers, scan code, virtual key,
                     // native modifiers, text, auto-repeat, count
    // host -> window
    Url = 32,      // view, url
    Hovered,       // view, link
    Clicked,       // view
    Navigation,    // view, request, url, kind, main frame
    NewWindow,     // view, url
    LoadFinished,  // view, ok
    ScriptAnswer,  // view, request, value
};

// Both ends are one build; the version is fixed so that no Qt default decides it.
inline constexpr QDataStream::Version kEngineStreamVersion = QDataStream::Qt_6_4;

// A message of `type` with `fields`, as the other side reads it.
template <typename... Fields>
QByteArray EngineFrame(EngineMessage type, const Fields&... fields) {
    QByteArray frame;
    QDataStream out(&frame, QIODevice::WriteOnly);
    out.setVersion(kEngineStreamVersion);
    out << quint8(type);
    (out << ... << fields);
    return frame;
}

// A message as EngineFrame wrote it: its type, its first field (every message
// has a view or a request there) and the stream at the fields after them.
struct EngineFrameReader {
    explicit EngineFrameReader(const QByteArray& frame) : fields(frame) {
        fields.setVersion(kEngineStreamVersion);
        fields >> type >> id;
    }

    QDataStream fields;
    quint8 type = 0;
    quint32 id = 0;
};

// One end of the channel, on the thread that made it. Reads never block the
// event loop: frames are delivered to onFrame as they complete. The window
// writes without blocking (what the socket cannot take waits in a buffer);
// the host, which may wait, writes in full. A closed or broken channel, or a
// frame that cannot be one, ends it: the whole frames before the end are
// delivered, then onFailed runs once, and nothing after.
class EngineChannel : public QObject {
public:
    // Takes `fd` over. `blockingWrites` for the host.
    EngineChannel(int fd, bool blockingWrites, QObject* parent = nullptr);
    ~EngineChannel() override;

    std::function<void(const QByteArray&)> onFrame;
    std::function<void(const QString&)> onFailed;

    bool isOpen() const { return m_fd >= 0; }
    void send(const QByteArray& frame);

    // For the host: waits, without the event loop, until a frame for which
    // `wanted` holds arrives or `deadline` passes; frames before it are
    // delivered to onFrame later, in order, from the event loop.
    std::optional<QByteArray> waitFor(const std::function<bool(const QByteArray&)>& wanted,
                                      QDeadlineTimer deadline);

    // The largest frame either side sends; a longer one is garbage.
    static constexpr quint32 kMaxFrame = 8u << 20;

private:
    void readable();
    // Reads what the socket holds now and cuts it into frames; says why
    // when the channel has ended, empty while it goes on.
    QString readAvailable();
    // Moves complete frames from the input to the backlog; says what is
    // wrong with the next one when it cannot be a frame.
    QString cutFrames();
    void deliverBacklog();
    void flush();
    void fail(const QString& why);

    int m_fd;
    bool m_blockingWrites;
    QSocketNotifier* m_readNotifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
    QByteArray m_in;
    QByteArray m_out;
    QList<QByteArray> m_backlog;
    bool m_delivering = false;
};

}  // namespace quillmark
