#include "webpanel/tests/testserver.h"

#include <chrono>

#include <QEventLoop>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace quillmark::testing {

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    if (done()) return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

TestServer::TestServer() : m_server(new QTcpServer(this)) {
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    start();
}

TestServer::~TestServer() = default;

void runFor(int ms) {
    waitUntil([] { return false; }, ms);
}

qint64 TestServer::now() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QString TestServer::address() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }

void TestServer::setPage(const QByteArray& path, const QByteArray& body,
                         const QByteArray& contentType, const QByteArray& status,
                         const QByteArray& headers) {
    m_pages.insert(path, {contentType, body, status, headers});
}

void TestServer::stop() { m_server->close(); }

bool TestServer::start() {
    const bool listening = m_server->listen(QHostAddress::LocalHost, m_port);
    if (listening) m_port = m_server->serverPort();
    return listening;
}

QList<QByteArray> TestServer::paths(const QByteArray& prefix) const {
    QList<QByteArray> found;
    for (const Request& request : m_requests)
        if (request.path.startsWith(prefix)) found << request.path;
    return found;
}

bool TestServer::waitForRequests(const QByteArray& prefix, int count, int timeoutMs) {
    return waitUntil([&] { return paths(prefix).size() >= count; }, timeoutMs);
}

void TestServer::serve(QTcpSocket* socket) {
    // One request per connection: read the head, answer, close.
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    if (!head.contains("\r\n\r\n")) {
        socket->setProperty("head", head);
        return;
    }
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QByteArray path = requestLine.value(1);
    m_requests.append({path, now(), head.left(head.indexOf("\r\n\r\n"))});

    const QByteArray file = path.left(path.indexOf('?') < 0 ? path.size() : path.indexOf('?'));
    const Page page =
        m_pages.value(file, {"text/html; charset=utf-8",
                             "<!DOCTYPE html><html><body><h1>Not Found</h1></body></html>",
                             "404 Not Found",
                             {}});
    socket->write("HTTP/1.1 " + page.status + "\r\nContent-Type: " + page.contentType +
                  "\r\nContent-Length: " + QByteArray::number(page.body.size()) + "\r\n" +
                  page.headers + "Cache-Control: no-store\r\nConnection: close\r\n\r\n" +
                  page.body);
    socket->disconnectFromHost();
    emit requested(path);
}

}  // namespace quillmark::testing
