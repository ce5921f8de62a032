// The engine plugin behind a WebBrowser, against a web server of the test's
// own: what a page may and may not do inside the program.
#include <gtest/gtest.h>

#include <unistd.h>

#include <qpa/qwindowsysteminterface.h>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "controls/shell.h"
#include "controls/tests/recorder.h"
#include "controls/webbrowser.h"
#include "webpanel/tests/testserver.h"

namespace quillmark {
namespace testing {
extern QString* homeFolders;
}  // namespace testing

namespace {

using testing::RecordedExceptionBox;
using testing::runFor;
using testing::TestServer;
using testing::waitUntil;

// A script that requests /report/<what> from the page's server.
const QByteArray kReport =
    "<script>function report(what) { new Image().src = '/report/' + what; }</script>";

class WebPanelPluginTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousOpener = SetUrlOpener([this](const QUrl& url) { opened << url; });
        window.resize(480, 120);
        browser = new WebBrowser(&window);
        browser->setGeometry(0, 0, 470, 62);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override {
        delete browser;
        SetUrlOpener(previousOpener);
    }

    // Navigates to `path` on the server and waits until the page has loaded.
    void load(const QByteArray& path) {
        QSignalSpy finished(browser, &WebBrowser::pageFinished);
        browser->Navigate(server.address() + QString::fromUtf8(path));
        ASSERT_TRUE(finished.wait(20000));
        ASSERT_TRUE(finished.first().first().toBool());
    }

    // The widget that takes the page's mouse input.
    QWidget* pageInput() {
        QWidget* view = browser->focusProxy();
        return view && view->focusProxy() ? view->focusProxy() : view;
    }

    // What a user does: moves the pointer onto `at` and clicks. Each step
    // waits until the page has seen the one before (its element reports
    // /report/over on mouse moves and /report/down on presses); a move or a
    // click the page did not see (a busy machine's renderer sometimes misses
    // one) is made again.
    void userClick(QPoint at) {
        ASSERT_TRUE(waitUntil([this] { return pageInput() != nullptr; }));
        const qsizetype seen = server.paths("/report/over").size();
        bool over = false;
        for (int attempt = 0; attempt < 3 && !over; ++attempt) {
            // From elsewhere: a move to where the pointer is already moves nothing.
            QTest::mouseMove(pageInput(), at + QPoint(1, 1));
            QTest::mouseMove(pageInput(), at);
            over = server.waitForRequests("/report/over", seen + 1, 5000);
        }
        ASSERT_TRUE(over) << "the page never saw the pointer";
        const qsizetype pressed = server.paths("/report/down").size();
        for (int attempt = 0; attempt < 3; ++attempt) {
            QTest::mouseClick(pageInput(), Qt::LeftButton, {}, at);
            if (server.waitForRequests("/report/down", pressed + 1, 3000)) return;
        }
        FAIL() << "the page never saw the click";
    }

    TestServer server;
    RecordedExceptionBox errors;
    QWidget window;
    WebBrowser* browser = nullptr;
    QList<QUrl> opened;
    UrlOpener previousOpener;
};

TEST_F(WebPanelPluginTest, LinksThatLeaveTheSiteOrAskForAWindowNeverOpenInside) {
    const QByteArray offSite = "http://localhost:" + QByteArray::number(server.port()) + "/off.htm";
    const QByteArray block =
        "position:absolute;top:0;width:100px;height:60px;display:block;background:#00f;";
    server.setPage("/links.htm", kReport +
                                     "<body style='margin:0' onmousemove=\"report('over')\" "
                                     "onmousedown=\"report('down')\">"
                                     "<a href='" +
                                     offSite + "' style='" + block +
                                     "left:0'>off</a>"
                                     "<a href='/new.htm' target='_blank' style='" +
                                     block +
                                     "left:110px'>new</a>"
                                     "<a href='file:///etc/hostname' style='" +
                                     block +
                                     "left:220px'>file</a>"
                                     "<a href='/on.htm' style='" +
                                     block + "left:330px'>on</a></body>");
    server.setPage("/on.htm", "<body>on the site</body>");
    load("/links.htm");
    const QUrl links(server.address() + "/links.htm");
    // The page takes clicks once it has been drawn.
    ASSERT_TRUE(waitUntil(
        [&] { return window.grab().toImage().pixelColor(380, 30) == QColor(0, 0, 255); }));

    struct Case {
        const char* name;
        int x;
        QList<QUrl> opens;
    };
    const Case cases[] = {
        {"off the site", 50, {QUrl(QString::fromUtf8(offSite))}},
        {"new window", 160, {QUrl(server.address() + "/new.htm")}},
        {"file: address", 270, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        opened.clear();
        userClick(QPoint(c.x, 30));
        if (c.opens.isEmpty())
            runFor(500);
        else
            EXPECT_TRUE(waitUntil([&] { return !opened.isEmpty(); }, 5000));
        EXPECT_EQ(opened, c.opens);
        EXPECT_EQ(browser->url(), links) << "the panel stays on its page";
    }
    EXPECT_TRUE(server.paths("/off.htm").isEmpty());
    EXPECT_TRUE(server.paths("/new.htm").isEmpty());

    QSignalSpy finished(browser, &WebBrowser::pageFinished);
    opened.clear();
    userClick(QPoint(380, 30));
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(browser->url(), QUrl(server.address() + "/on.htm")) << "links on the site stay";
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(errors.shown.isEmpty());
}

TEST_F(WebPanelPluginTest, PagesGetNoPermissionsNoDialogsAndNoWindowsOfTheirOwn) {
    server.setPage("/asks.htm", kReport + R"(<body><script>
report('confirm-' + confirm('May I?'));
alert('Look at me');
report('after-alert');
report('prompt-' + prompt('Name?', 'x'));
navigator.geolocation.getCurrentPosition(function () { report('geolocation-granted'); },
                                         function (e) { report('geolocation-refused-' + e.code); });
Notification.requestPermission().then(function (p) { report('notifications-' + p); });
report('window-' + (window.open('/popup.htm') === null ? 'none' : 'opened'));
</script></body>)");
    load("/asks.htm");
    ASSERT_TRUE(server.waitForRequests("/report/", 6, 10000))
        << server.paths().join(' ').constData();
    QList<QByteArray> reports = server.paths("/report/");
    std::sort(reports.begin(), reports.end());
    EXPECT_EQ(reports,
              QList<QByteArray>({"/report/after-alert", "/report/confirm-false",
                                 "/report/geolocation-refused-1", "/report/notifications-denied",
                                 "/report/prompt-null", "/report/window-none"}));
    EXPECT_TRUE(server.paths("/popup.htm").isEmpty());
    EXPECT_TRUE(opened.isEmpty()) << "a script's window goes nowhere";
    EXPECT_TRUE(QApplication::topLevelWidgets().size() == 1) << "no dialog of the page's";
}

TEST_F(WebPanelPluginTest, NothingThePageStoresReachesTheDisk) {
    server.setPage("/stores.htm", kReport + R"(<body><script>
document.cookie = 'visited=yes; max-age=86400';
localStorage.setItem('visited', 'yes');
indexedDB.open('panel', 1).onsuccess = function () { report('stored'); };
</script></body>)");
    load("/stores.htm");
    ASSERT_TRUE(server.waitForRequests("/report/stored", 1, 10000));
    runFor(500);
    QStringList written;
    QDirIterator files(*testing::homeFolders, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        if (!file.contains(QLatin1String("/fontconfig/"))) written << file;
    }
    EXPECT_TRUE(written.isEmpty()) << written.join(' ').toStdString();
}

// Resident memory of the largest process this test has started (the
// engine's helper processes and renderers), in MB.
qint64 largestChildMb() {
    QHash<qint64, qint64> parentOf;
    const QStringList pids = QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs);
    for (const QString& pid : pids) {
        QFile stat("/proc/" + pid + "/stat");
        if (stat.open(QIODevice::ReadOnly))
            parentOf[pid.toLongLong()] =
                stat.readAll().split(')').last().split(' ').value(2).toLongLong();
    }
    qint64 largest = 0;
    for (const QString& pid : pids) {
        qint64 ancestor = parentOf.value(pid.toLongLong());
        while (ancestor > 1 && ancestor != QCoreApplication::applicationPid())
            ancestor = parentOf.value(ancestor);
        QFile statm("/proc/" + pid + "/statm");
        if (ancestor > 1 && statm.open(QIODevice::ReadOnly))
            largest = std::max(
                largest,
                statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE) >> 20);
    }
    return largest;
}

// Windows of the application on the screen.
int windowsShown() {
    int shown = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        shown += widget->isVisible() && !widget->testAttribute(Qt::WA_DontShowOnScreen);
    return shown;
}

// One row per thing a page in a panel must not do to the user. Each row's
// page reports /report/ready once loaded, then runs its function hostile(),
// if any. Pages may send the panel to the other server (@OTHER@: this host,
// another port) and to @AWAY@ (another host).
TEST_F(WebPanelPluginTest, HostilePagesReachNothingBeyondTheirPanel) {
    TestServer other;
    const QByteArray away = "http://localhost:" + QByteArray::number(other.port());
    const QByteArray ready = kReport +
                             "<script>addEventListener('load', function () {"
                             "  report('ready'); if (window.hostile) hostile(); });</script>";
    // An element that fills the panel and reports the pointer's moves and presses.
    const QByteArray fill =
        "style='position:absolute;left:0;top:0;width:470px;height:62px;margin:0' "
        "onmousemove=\"report('over')\" onmousedown=\"report('down')\"";
    auto* typed = new QLineEdit(&window);
    typed->setGeometry(0, 70, 200, 24);
    typed->show();
    // A box holds the window as the real one does, with a loop of its own.
    int boxes = 0, boxesUp = 0, mostUp = 0;
    const ExceptionPresenter previousBox = SetExceptionPresenter([&](const QString&) {
        ++boxes;
        mostUp = std::max(mostUp, ++boxesUp);
        runFor(700);
        --boxesUp;
    });
    const QString copied = QStringLiteral("what the user copied");
    qint64 largestMb = 0;
    qsizetype loadsBefore = 0;
    std::unique_ptr<QSignalSpy> finished;

    struct Hostile {
        const char* behaviour;
        QByteArray page;
        QByteArray contentType = "text/html";
        std::function<void()> act = [] {};  // what the user does once the page is ready
        std::function<bool()> done = {};    // the page has had its chance (else after 1.5 s)
        QList<QByteArray> opens = {};       // paths of the other server the system's browser gets
        int boxes = 0;
        std::function<void()> check = [] {};
    };
    const Hostile rows[] = {
        {.behaviour = "a script navigation loop, a meta refresh and a redirect",
         .page = "<meta http-equiv='refresh' content='0; url=@OTHER@/refresh'>" + ready +
                 "<script>function hostile() {"
                 "  setInterval(function () { location.href = '@AWAY@/loop'; }, 10);"
                 "  location.href = '/redirect'; }</script>"},
        {.behaviour = "_top and _blank opens without a click",
         .page = ready + "<script>setInterval(function () { window.open('@AWAY@/top', '_top');"
                         "  window.open('@AWAY@/blank', '_blank'); }, 10);</script>"},
        {.behaviour = "a cross-origin frame that navigates itself and the page away",
         .page = ready + "<iframe src='@OTHER@/frame.htm'></iframe>"},
        {.behaviour = "a real click on a link off the site, whose page also opens others",
         .page = ready + "<a href='@OTHER@/clicked' " + fill +
                 " onclick=\"window.open('@OTHER@/second', '_blank');"
                 "  location.href = '@AWAY@/third';\">advertiser</a>",
         .act = [&] { userClick(QPoint(100, 30)); },
         .done = [&] { return !opened.isEmpty(); },
         .opens = {"/clicked"}},
        {.behaviour = "another port of the site's host",
         .page = ready +
                 "<form action='@OTHER@/form'></form><script>function hostile() {"
                 "  location.href = '@OTHER@/port'; document.forms[0].submit(); }</script>"},
        {.behaviour = "a click that copies to the clipboard",
         .page = ready + "<body " + fill +
                 " onclick=\"document.execCommand('selectAll'); document.execCommand('copy');"
                 "  navigator.clipboard.writeText('written').catch(function () {});"
                 "  navigator.clipboard.readText().then(function (t) { report('pasted'); });"
                 "  report('clicked');\">hostile text<script>"
                 "document.addEventListener('copy', function (e) {"
                 "  e.clipboardData.setData('text/plain', 'hijacked'); e.preventDefault(); });"
                 "</script>",
         .act = [&] { userClick(QPoint(100, 30)); },
         .done = [&] { return !server.paths("/report/clicked").isEmpty(); },
         .check = [&] { EXPECT_TRUE(server.paths("/report/pasted").isEmpty()); }},
        {.behaviour = "a colour input, and the colour chooser the engine opens for it",
         .page = ready + "<input type='color' " + fill + " onclick=\"report('chose')\">",
         .act =
             [&] {
                 userClick(QPoint(100, 30));
                 ASSERT_TRUE(server.waitForRequests("/report/chose", 1, 10000));
                 // On X11 the engine opens Qt's chooser in the view (offscreen
                 // it opens none): as it does.
                 (new QColorDialog(Qt::red, browser->focusProxy()))->open();
                 runFor(500);
             }},
        {.behaviour = "authentication challenges",
         .page = ready + "<img src='/secret.png'><iframe src='/secret.htm'></iframe>",
         .done = [&] { return server.paths("/secret").size() >= 2; },
         .check =
             [&] {
                 runFor(500);
                 EXPECT_EQ(server.paths("/secret").size(), 2) << "asked once each, never again";
                 for (const TestServer::Request& request : server.requests())
                     EXPECT_FALSE(request.head.toLower().contains("authorization:"));
             }},
        {.behaviour = "unbounded allocation",
         .page = ready + "<script>var kept = [], grow = setInterval(function () {"
                         "  if (kept.length == 24) clearInterval(grow);"
                         "  kept.push(new Uint8Array(64 << 20).fill(1)); }, 20);</script>",
         .done =
             [&] {
                 largestMb = std::max(largestMb, largestChildMb());
                 return finished->contains(QVariantList{false});
             },
         .check =
             [&] {
                 EXPECT_EQ(pageInput(), nullptr) << "the renderer was ended, the panel is blank";
                 EXPECT_LT(largestMb, 1024);
             }},
        // After the windows of the rows before: nothing of theirs holds input.
        {.behaviour = "a page busy with its own scripts while the user types",
         // Busy from the task right after the load, ahead of anything the
         // program asks the page once it hears of the load.
         .page = ready + "<script>function hostile() { var channel = new MessageChannel();"
                         "  channel.port1.onmessage = function () {"
                         "    var end = Date.now() + 4000; while (Date.now() < end); };"
                         "  channel.port2.postMessage(0); }</script>",
         .act =
             [&] {
                 window.activateWindow();
                 ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
                 typed->setFocus();
                 QElapsedTimer waited;
                 waited.start();
                 for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease})
                     QWindowSystemInterface::handleKeyEvent<
                         QWindowSystemInterface::AsynchronousDelivery>(
                         window.windowHandle(), type, Qt::Key_7, Qt::NoModifier, "7");
                 ASSERT_TRUE(waitUntil([&] { return typed->text() == "7"; }));
                 EXPECT_TRUE(finished->isEmpty()) << "the key went in while the page was busy";
                 EXPECT_LT(waited.elapsed(), 1000);
                 EXPECT_TRUE(finished->wait(20000)) << "the page answers once it is idle";
             }},
        {.behaviour = "a bodiless page that reloads itself",
         .page = "<svg xmlns='http://www.w3.org/2000/svg'><script>fetch('/report/ready');"
                 "setTimeout(function () { location.reload(); }, 300);</script></svg>",
         .contentType = "image/svg+xml",
         .done = [&] { return server.paths("/hostile.htm").size() - loadsBefore >= 6; },
         .boxes = 1,
         .check = [&] { EXPECT_EQ(mostUp, 1) << "never a box on top of another"; }},
    };
    other.setPage("/frame.htm", "<script>setInterval(function () { location.href = '" + away +
                                    "/frame'; top.location = '" + away + "/top'; }, 20);</script>");
    server.setPage("/redirect", "", "text/html", "302 Found", "Location: " + away + "/moved\r\n");
    for (const char* secret : {"/secret.png", "/secret.htm"})
        server.setPage(secret, "no", "text/plain", "401 Unauthorized",
                       "WWW-Authenticate: Basic realm=\"panel\"\r\n");

    for (const Hostile& row : rows) {
        SCOPED_TRACE(row.behaviour);
        delete browser;
        browser = new WebBrowser(&window);
        browser->setGeometry(0, 0, 470, 62);
        browser->show();
        browser->setOnDocumentComplete([this] {
            browser->hideBodyOverflow(Qt::Horizontal);
            browser->hideBodyOverflow(Qt::Vertical);
        });
        QGuiApplication::clipboard()->setText(copied);
        opened.clear();
        boxes = mostUp = 0;
        const qsizetype readyBefore = server.paths("/report/ready").size();
        loadsBefore = server.paths("/hostile.htm").size();
        finished = std::make_unique<QSignalSpy>(browser, &WebBrowser::pageFinished);
        QByteArray page = row.page;
        page.replace("@OTHER@", other.address().toUtf8()).replace("@AWAY@", away);
        server.setPage("/hostile.htm", page, row.contentType);
        browser->Navigate(server.address() + "/hostile.htm");
        ASSERT_TRUE(server.waitForRequests("/report/ready", readyBefore + 1, 20000));
        row.act();
        if (row.done)
            EXPECT_TRUE(waitUntil(row.done, 15000));
        else
            runFor(1500);

        QList<QUrl> opens;
        for (const QByteArray& path : row.opens) opens << QUrl(other.address() + path);
        EXPECT_EQ(opened, opens);
        EXPECT_EQ(boxes, row.boxes);
        for (const QByteArray& path : other.paths())
            EXPECT_TRUE(path.startsWith("/frame")) << "loaded in the panel: " << path.data();
        EXPECT_EQ(browser->url().path(), "/hostile.htm") << "the panel stays on its page";
        EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);
        EXPECT_EQ(windowsShown(), 1) << "no window or dialog of the page's";
        row.check();
    }
    SetExceptionPresenter(previousBox);
    QFile maps("/proc/self/maps");
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    for (const char* driver : {"libGLX_mesa", "libEGL_mesa", "_dri.so"})
        EXPECT_FALSE(mapped.contains(driver)) << driver << " is mapped";
}

}  // namespace
}  // namespace quillmark
