// The channel to the engine's host process, against raw bytes written to the
// other end of a socket pair: frames arrive whole and in order however the
// bytes are cut, and what cannot be a frame ends the channel once.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <memory>
#include <utility>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QtEndian>

#include "controls/enginechannel.h"

namespace quillmark {
namespace {

QByteArray framed(const QByteArray& message) {
    QByteArray length(4, '\0');
    qToBigEndian<quint32>(quint32(message.size()), length.data());
    return length + message;
}

class EngineChannelTest : public ::testing::Test {
protected:
    void SetUp() override {
        int ends[2];
        ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
        channel = std::make_unique<EngineChannel>(ends[0], false);
        peer = ends[1];
        channel->onFrame = [this](const QByteArray& frame) { frames << frame; };
        channel->onFailed = [this](const QString& why) { failures << why; };
    }
    void TearDown() override {
        channel.reset();
        if (peer >= 0) close(std::exchange(peer, -1));
    }

    void write(const QByteArray& bytes) {
        ASSERT_EQ(::write(peer, bytes.constData(), size_t(bytes.size())), bytes.size());
    }
    // Lets the event loop read what has been written.
    void settle() {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 50) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    std::unique_ptr<EngineChannel> channel;
    int peer = -1;
    QList<QByteArray> frames;
    QStringList failures;
};

TEST_F(EngineChannelTest, FramesArriveWholeAndInOrderOrEndTheChannelOnce) {
    const QByteArray two = framed("first") + framed("second");
    const QByteArray huge = framed(QByteArray()).replace(0, 4, "\x7f\xff\xff\xff");
    struct Case {
        const char* name;
        QList<QByteArray> writes;  // each read by the channel before the next
        bool closeAfter;
        QList<QByteArray> frames;
        int failures;
    };
    const Case cases[] = {
        {"two in one write", {two}, false, {"first", "second"}, 0},
        {"cut inside the length and the message",
         {two.left(2), two.mid(2, 5), two.mid(7)},
         false,
         {"first", "second"},
         0},
        {"an empty frame", {framed("ok") + framed("")}, false, {"ok"}, 1},
        {"a length beyond any message", {framed("ok") + huge}, false, {"ok"}, 1},
        {"closed halfway through a frame", {two.left(12)}, true, {"first"}, 1},
        {"garbage after the failure", {framed("") + framed("late")}, false, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        frames.clear();
        failures.clear();
        for (const QByteArray& bytes : c.writes) {
            write(bytes);
            settle();
        }
        if (c.closeAfter) close(std::exchange(peer, -1));
        settle();
        EXPECT_EQ(frames, c.frames);
        EXPECT_EQ(failures.size(), c.failures) << failures.join('|').toStdString();
        EXPECT_EQ(channel->isOpen(), c.failures == 0);
    }
}

TEST_F(EngineChannelTest, AWaitTakesItsAnswerAndLeavesTheRestInOrder) {
    write(framed("before") + framed("answer") + framed("after"));
    const auto answer = channel->waitFor([](const QByteArray& frame) { return frame == "answer"; },
                                         QDeadlineTimer(2000));
    EXPECT_EQ(answer, QByteArray("answer"));
    EXPECT_TRUE(frames.isEmpty()) << "nothing is handled during the wait";
    settle();
    EXPECT_EQ(frames, QList<QByteArray>({"before", "after"}));

    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(channel->waitFor([](const QByteArray&) { return true; }, QDeadlineTimer(100)),
              std::nullopt);
    EXPECT_GE(waited.elapsed(), 100) << "a wait without an answer lasts until its deadline";

    // What the channel sends arrives framed, in order.
    channel->send("one");
    channel->send("two");
    QByteArray received(64, '\0');
    const ssize_t got = ::read(peer, received.data(), size_t(received.size()));
    EXPECT_EQ(received.left(got), framed("one") + framed("two"));
}

}  // namespace
}  // namespace quillmark
