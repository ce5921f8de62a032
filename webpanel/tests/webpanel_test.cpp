// The engine plugin behind a WebBrowser, against a web server of the test's
// own: what a page may and may not do inside the program.
#include <gtest/gtest.h>

#include <QDirIterator>
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
    server.setPage("/links.htm",
                   "<body style='margin:0'>"
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
        QTest::mouseClick(pageInput(), Qt::LeftButton, {}, QPoint(c.x, 30));
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
    QTest::mouseClick(pageInput(), Qt::LeftButton, {}, QPoint(380, 30));
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

}  // namespace
}  // namespace quillmark
