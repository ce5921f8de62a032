#include "controls/enginechannel.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include <QPointer>
#include <QSocketNotifier>
#include <QtEndian>

namespace quillmark {

EngineChannel::EngineChannel(int fd, bool blockingWrites, QObject* parent)
    : QObject(parent), m_fd(fd), m_blockingWrites(blockingWrites) {
    fcntl(m_fd, F_SETFL, fcntl(m_fd, F_GETFL) | O_NONBLOCK);
    fcntl(m_fd, F_SETFD, FD_CLOEXEC);
    m_readNotifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &EngineChannel::readable);
    m_writeNotifier = new QSocketNotifier(m_fd, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &EngineChannel::flush);
}

EngineChannel::~EngineChannel() {
    if (m_fd < 0) return;
    m_readNotifier->setEnabled(false);
    m_writeNotifier->setEnabled(false);
    close(m_fd);
}

void EngineChannel::send(const QByteArray& frame) {
    if (m_fd < 0) return;
    char length[4];
    qToBigEndian<quint32>(quint32(frame.size()), length);
    m_out.append(length, 4).append(frame);
    flush();
}

void EngineChannel::flush() {
    while (m_fd >= 0 && !m_out.isEmpty()) {
        const ssize_t written = ::send(m_fd, m_out.constData(), size_t(m_out.size()), MSG_NOSIGNAL);
        if (written > 0) {
            m_out.remove(0, written);
        } else if (written < 0 && errno == EINTR) {
            continue;
        } else if (written < 0 && errno == EAGAIN) {
            if (!m_blockingWrites) break;
            pollfd out{m_fd, POLLOUT, 0};
            poll(&out, 1, -1);
        } else {
            fail(QStringLiteral("cannot write (%1)").arg(QString::fromLocal8Bit(strerror(errno))));
            return;
        }
    }
    if (m_fd >= 0) m_writeNotifier->setEnabled(!m_out.isEmpty());
}

QString EngineChannel::readAvailable() {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
        if (got > 0) {
            m_in.append(buffer, got);
            continue;
        }
        if (got < 0 && errno == EINTR) continue;
        const QString cut = cutFrames();
        if (got < 0 && errno == EAGAIN) return cut;
        if (!cut.isEmpty()) return cut;
        return got == 0 ? QStringLiteral("its channel closed")
                        : QString::fromLocal8Bit(strerror(errno));
    }
}

QString EngineChannel::cutFrames() {
    // The frames are taken off the input's front together, once.
    qsizetype taken = 0;
    QString wrong;
    while (m_in.size() - taken >= 4) {
        const quint32 length = qFromBigEndian<quint32>(m_in.constData() + taken);
        if (length == 0 || length > kMaxFrame) {
            wrong = QStringLiteral("a frame of %1 bytes").arg(length);
            break;
        }
        if (quint32(m_in.size() - taken) - 4 < length) break;
        m_backlog.append(m_in.mid(taken + 4, length));
        taken += 4 + length;
    }
    m_in.remove(0, taken);
    return wrong;
}

void EngineChannel::readable() {
    // The whole frames before the end still count.
    const QString end = readAvailable();
    deliverBacklog();
    if (!end.isEmpty()) fail(end);
}

void EngineChannel::deliverBacklog() {
    // A frame's handler may run a nested event loop (an error box), which
    // delivers the frames after it: each is taken off before it is handled.
    const QPointer<EngineChannel> alive(this);
    while (alive && m_fd >= 0 && !m_backlog.isEmpty()) {
        const QByteArray frame = m_backlog.takeFirst();
        if (onFrame) onFrame(frame);
    }
}

std::optional<QByteArray> EngineChannel::waitFor(
    const std::function<bool(const QByteArray&)>& wanted, QDeadlineTimer deadline) {
    const auto take = [&]() -> std::optional<QByteArray> {
        for (qsizetype i = 0; i < m_backlog.size(); ++i)
            if (wanted(m_backlog[i])) return m_backlog.takeAt(i);
        return std::nullopt;
    };
    std::optional<QByteArray> found = take();
    while (!found && m_fd >= 0 && !deadline.hasExpired()) {
        pollfd in{m_fd, POLLIN, 0};
        const int ready = poll(&in, 1, int(qMin<qint64>(deadline.remainingTime(), 1000)));
        if (ready <= 0) continue;
        if (const QString end = readAvailable(); !end.isEmpty()) {
            fail(end);
            break;
        }
        found = take();
    }
    if (!m_backlog.isEmpty())
        QMetaObject::invokeMethod(this, &EngineChannel::deliverBacklog, Qt::QueuedConnection);
    return found;
}

void EngineChannel::fail(const QString& why) {
    if (m_fd < 0) return;
    m_readNotifier->setEnabled(false);
    m_writeNotifier->setEnabled(false);
    close(std::exchange(m_fd, -1));
    m_backlog.clear();
    m_out.clear();
    if (onFailed) onFailed(why);
}

}  // namespace quillmark
