// The engine in a host process of its own, against a web server of the test's
// own: what a page does reaches the browser in order, and a host that fails
// leaves the browser blank while the window goes on.
#include <gtest/gtest.h>

#include <signal.h>

#include <functional>
#include <memory>
#include <optional>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include "controls/remoteengine.h"
#include "controls/shell.h"
#include "controls/tests/recorder.h"
#include "controls/webbrowser.h"
#include "webpanel/tests/testserver.h"

namespace quillmark {
namespace {

using testing::RecordedExceptionBox;
using testing::runFor;
using testing::TestServer;
using testing::waitUntil;

// Counts the warnings that say the panels stay blank.
QStringList* blankWarnings = nullptr;
QtMessageHandler previousHandler = nullptr;
void recordWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (blankWarnings && message.startsWith(QLatin1String("The web panels stay blank")))
        *blankWarnings << message;
    else
        previousHandler(type, context, message);
}

class WebPanelHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousOpener = SetUrlOpener([this](const QUrl& url) { opened << url; });
        blankWarnings = &warnings;
        previousHandler = qInstallMessageHandler(recordWarning);
        window.resize(480, 120);
        browser = new WebBrowser(&window);
        browser->setGeometry(0, 0, 470, 62);
        window.show();
    }
    void TearDown() override {
        delete browser;
        SetWebEngineFactory(nullptr);
        engine.reset();
        qInstallMessageHandler(previousHandler);
        blankWarnings = nullptr;
        SetUrlOpener(previousOpener);
    }

    // The browser's views come from a host running `program`.
    void useHost(const QString& program) {
        engine = std::make_unique<RemoteEngine>(program, plugin, 1.0);
        SetWebEngineFactory(engine.get());
    }

    // Navigates to `path` and returns whether the page loaded (its completion
    // ran) or the browser went blank; nullopt when neither came.
    std::optional<bool> navigate(const QByteArray& path) {
        QSignalSpy finished(browser, &WebBrowser::pageFinished);
        browser->Navigate(server.address() + QString::fromUtf8(path));
        if (!finished.wait(30000)) return std::nullopt;
        return finished.first().first().toBool();
    }

    // The window answers a timer at once, whatever the host does.
    bool windowAnswers() {
        bool fired = false;
        QTimer::singleShot(0, &window, [&] { fired = true; });
        return waitUntil([&] { return fired; }, 100);
    }

    const QString plugin = QStringLiteral(QUILLMARK_TEST_WEBPANEL);
    const QString host = WebEngineHostProgramFor(plugin);
    TestServer server;
    RecordedExceptionBox errors;
    QWidget window;
    WebBrowser* browser = nullptr;
    std::unique_ptr<RemoteEngine> engine;
    QList<QUrl> opened;
    QStringList warnings;
    UrlOpener previousOpener;
};

TEST_F(WebPanelHostTest, ThePageReachesTheBrowserInOrder) {
    ASSERT_FALSE(host.isEmpty());
    const QByteArray offSite = "http://localhost:" + QByteArray::number(server.port()) + "/off.htm";
    // Off-site script navigations are asked about first and must be refused;
    // the one on the site after them must load.
    server.setPage("/hops.htm", "<body><script>var hops = ['" + offSite + "', '" + offSite +
                                    "?2', '/landed.htm'];"
                                    "hops.forEach(function (to, i) {"
                                    "  setTimeout(function () { location.href = to; }, 50 * i);"
                                    "});</script></body>");
    server.setPage("/landed.htm", "<body>landed</body>");
    // A navigation on the site while the window is held up past the host's
    // patience for its verdict.
    server.setPage("/late.htm",
                   "<body><script>setTimeout(function () {"
                   "  location.href = '/too-late.htm'; }, 100);</script></body>");
    server.setPage("/bodiless.htm", "<svg xmlns='http://www.w3.org/2000/svg'/>", "image/svg+xml");

    struct Case {
        const char* name;
        QByteArray path;
        QByteArray landsAt;
        int errors;  // the completion's error boxes, from the page's answer
        int holdWindowMs;
    };
    const Case cases[] = {
        {"navigations answered in order", "/hops.htm", "/landed.htm", 0, 0},
        {"a script answer naming the missing body", "/bodiless.htm", "/bodiless.htm", 1, 0},
        {"a verdict that comes too late drops the navigation", "/late.htm", "/late.htm", 0, 3000},
    };
    useHost(host);
    browser->setOnDocumentComplete([this] { browser->hideBodyOverflow(Qt::Horizontal); });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        errors.shown.clear();
        EXPECT_EQ(navigate(c.path), true);
        QThread::msleep(c.holdWindowMs);
        EXPECT_TRUE(waitUntil([&] { return browser->url().path() == c.landsAt; }, 10000))
            << browser->url().toString().toStdString();
        runFor(300);
        EXPECT_EQ(errors.shown.size(), c.errors) << errors.shown.join('|').toStdString();
    }
    EXPECT_TRUE(server.paths("/off.htm").isEmpty());
    EXPECT_TRUE(server.paths("/too-late.htm").isEmpty());
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('|').toStdString();
}

TEST_F(WebPanelHostTest, AHostThatFailsLeavesTheBrowserBlankAndTheWindowRunning) {
    ASSERT_FALSE(host.isEmpty());
    server.setPage("/page.htm", "<body>a page</body>");
    QTemporaryDir scratch;
    // A host that answers with something that is no message at all.
    const QString garbage = scratch.filePath(QStringLiteral("garbage-host"));
    QFile script(garbage);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(
        "#!/bin/sh\nprintf '\\000\\000\\000\\005\\377\\377\\377\\377\\377' >&3\n"
        "exec sleep 60\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);

    struct Case {
        const char* name;
        QString program;
        bool killAfterLoad;
    };
    const Case cases[] = {
        {"missing", scratch.filePath(QStringLiteral("no-such-host")), false},
        {"writing garbage", garbage, false},
        {"killed once its page has loaded", host, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        warnings.clear();
        delete browser;
        browser = new WebBrowser(&window);
        browser->setGeometry(0, 0, 470, 62);
        browser->show();
        useHost(c.program);
        if (c.killAfterLoad) {
            ASSERT_EQ(navigate("/page.htm"), true);
            QSignalSpy finished(browser, &WebBrowser::pageFinished);
            ASSERT_EQ(::kill(pid_t(engine->hostPid()), SIGKILL), 0);
            ASSERT_TRUE(finished.wait(10000));
            EXPECT_FALSE(finished.first().first().toBool());
        } else {
            EXPECT_EQ(navigate("/page.htm"), false);
        }
        EXPECT_FALSE(browser->focusProxy() && browser->focusProxy()->isVisible())
            << "the browser is blank";
        EXPECT_TRUE(windowAnswers());
        EXPECT_EQ(warnings.size(), 1) << warnings.join('|').toStdString();
        // The host is ended and waited for.
        const qint64 pid = engine->hostPid();
        EXPECT_TRUE(waitUntil([&] { return engine->hostPid() == 0; }, 6000)) << pid;
    }
    EXPECT_TRUE(opened.isEmpty());
}

}  // namespace
}  // namespace quillmark
