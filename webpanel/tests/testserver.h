// A small HTTP server on 127.0.0.1 for the web panel tests: it serves pages
// from memory, answers 404 for the rest, and records every request. It runs on
// the test's own event loop.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

#include <functional>

namespace quillmark::testing {

// Runs the event loop until `done` holds, for at most `timeoutMs`; returns
// whether it holds. Unlike QTest::qWaitFor, which sleeps between rounds, the
// loop wakes for every event, so the browser engine, which posts many small
// tasks to the GUI thread, runs at its own pace.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 10000);

// Runs the event loop, in the same way, for `ms`.
void runFor(int ms);

class TestServer : public QObject {
    Q_OBJECT
public:
    struct Request {
        QByteArray path;   // with the query, as requested
        qint64 arrivedMs;  // now() on arrival
        QByteArray head;   // the request line and header lines
    };

    // Milliseconds on a monotonic clock, to time requests against.
    static qint64 now();

    // Starts listening on 127.0.0.1 on a free port.
    TestServer();
    ~TestServer() override;

    // "http://127.0.0.1:<port>", no trailing "/".
    QString address() const;
    quint16 port() const { return m_port; }

    // Serves `body` (HTML unless `contentType` says otherwise) at `path`, with
    // `status` and any `headers` ("Name: value" lines, each ending in CR LF).
    void setPage(const QByteArray& path, const QByteArray& body,
                 const QByteArray& contentType = "text/html; charset=utf-8",
                 const QByteArray& status = "200 OK", const QByteArray& headers = {});

    // Answers 404 at `path` again.
    void removePage(const QByteArray& path) { m_pages.remove(path); }

    // Stops listening: connections are refused until start() again, on the
    // same port.
    void stop();
    bool start();

    const QList<Request>& requests() const { return m_requests; }
    // The paths requested, in order; with `prefix`, only those starting with it.
    QList<QByteArray> paths(const QByteArray& prefix = {}) const;
    // Waits (running the event loop) until `count` requests under `prefix` have
    // arrived; false after `timeoutMs`.
    bool waitForRequests(const QByteArray& prefix, int count, int timeoutMs);

signals:
    void requested(const QByteArray& path);

private:
    void serve(QTcpSocket* socket);

    QTcpServer* m_server;
    quint16 m_port = 0;
    struct Page {
        QByteArray contentType, body, status, headers;
    };
    QHash<QByteArray, Page> m_pages;
    QList<Request> m_requests;
};

}  // namespace quillmark::testing
