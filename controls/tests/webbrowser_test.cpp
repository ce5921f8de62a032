// The embedded browser control, on an engine the test plays: navigation,
// completion, the overflow scripts, the navigation rule and a missing engine.
#include <gtest/gtest.h>

#include <stdexcept>

#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

#include "controls/shell.h"
#include "controls/tests/fakeengine.h"
#include "controls/tests/recorder.h"
#include "controls/webbrowser.h"

namespace quillmark {
namespace {

using testing::FakeEngine;
using testing::FakeEngineView;
using testing::RecordedExceptionBox;
using Navigation = WebEngineHost::Navigation;

const QString kPage = QStringLiteral("http://brellwick.example/tools/AD/01.htm");

TEST(WebEngineCanRunTest, AsRootOnlyWithTheSandboxTurnedOff) {
    struct Case {
        bool root;
        bool variable;
        const char* flags;
        bool runs;
    };
    const Case cases[] = {
        {false, false, "", true},
        {true, false, "", false},
        {true, true, "", true},
        {true, false, "--no-sandbox", true},
        {true, false, "--disable-gpu\t --no-sandbox ", true},
        {true, false, "--no-sandboxing --disable-gpu", false},
        {true, false, "--disable-gpu", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WebEngineCanRun(c.root, c.variable, c.flags), c.runs)
            << c.root << " " << c.variable << " '" << c.flags << "'";
}

TEST(DecideNavigationTest, KeepsThePanelOnTheSite) {
    using V = NavigationVerdict;
    struct Case {
        const char* url;
        Navigation kind;
        bool mainFrame;
        Navigation redirected;
        V verdict;
    };
    const Navigation T = Navigation::Typed, L = Navigation::LinkClicked,
                     F = Navigation::FormSubmitted, R = Navigation::Redirect, O = Navigation::Other,
                     B = Navigation::BackForward;
    const Case cases[] = {
        {"https://brellwick.example/tools/AD/01.htm", T, true, T, V::Load},
        {"http://brellwick.example/other.htm", L, true, T, V::Load},
        {"http://BRELLWICK.example:8080/x", L, true, T, V::Load},
        {"https://brellwick.example/next", O, true, T, V::Load},
        {"https://other.example/", L, true, T, V::OpenOutside},
        {"https://www.brellwick.example/", L, true, T, V::OpenOutside},
        {"https://other.example/form", F, true, T, V::OpenOutside},
        {"https://other.example/", O, true, T, V::Drop},
        {"https://other.example/", B, true, T, V::Drop},
        {"https://www.brellwick.example/", R, true, T, V::Load},
        {"https://other.example/", R, true, L, V::OpenOutside},
        {"https://other.example/", R, true, O, V::Drop},
        {"https://ads.example/frame.htm", O, false, T, V::Load},
        {"https://other.example/", L, false, T, V::OpenOutside},
        {"file:///etc/passwd", L, true, T, V::Drop},
        {"file:///etc/passwd", O, false, T, V::Drop},
        {"ftp://brellwick.example/", L, true, T, V::Drop},
        {"javascript:alert(1)", L, true, T, V::Drop},
        {"data:text/html,<p>x</p>", T, true, T, V::Drop},
        {"about:blank", O, false, T, V::Drop},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecideNavigation(QStringLiteral("brellwick.example"), QUrl(QString(c.url)),
                                   c.kind, c.mainFrame, c.redirected),
                  c.verdict)
            << c.url << " kind " << int(c.kind) << (c.mainFrame ? " main" : " frame");
    }
}

class WebBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetWebEngineFactory(&engine);
        previousOpener = SetUrlOpener([this](const QUrl& url) { opened << url; });
        browser = new WebBrowser(&window);
        browser->setGeometry(-2, -2, 470, 62);
        browser->setOnDocumentComplete([this] { ++completions; });
        window.resize(500, 100);
        window.show();
    }
    void TearDown() override {
        delete browser;
        SetUrlOpener(previousOpener);
        SetWebEngineFactory(nullptr);
    }

    FakeEngineView* view() { return engine.views.empty() ? nullptr : engine.views.back(); }

    QWidget window;
    FakeEngine engine;
    RecordedExceptionBox errors;
    WebBrowser* browser = nullptr;
    QList<QUrl> opened;
    int completions = 0;
    UrlOpener previousOpener;
};

TEST_F(WebBrowserTest, StaysBlankUntilAPageHasLoaded) {
    QSignalSpy finished(browser, &WebBrowser::pageFinished);
    EXPECT_FALSE(browser->hasPage());
    EXPECT_TRUE(engine.views.empty()) << "no view before the first navigate";

    browser->Navigate(kPage);
    ASSERT_EQ(engine.views.size(), 1u);
    EXPECT_EQ(view()->loads, std::vector<QUrl>{QUrl(kPage)});
    EXPECT_EQ(view()->geometry(), QRect(0, 0, 470, 62)) << "the view fills the browser";
    EXPECT_EQ(browser->site(), "brellwick.example");
    EXPECT_EQ(browser->url(), QUrl(kPage));
    EXPECT_TRUE(view()->isHidden()) << "loading, nothing shown yet";

    view()->host.loadFinished(false);
    EXPECT_TRUE(view()->isHidden());
    EXPECT_EQ(completions, 0) << "a failed load raises no completion";

    view()->host.loadFinished(true);
    EXPECT_FALSE(view()->isHidden());
    EXPECT_EQ(browser->focusProxy(), view());
    EXPECT_EQ(completions, 1);

    browser->Navigate(QStringLiteral("http://brellwick.example/tools/AD/02.htm"));
    view()->host.loadFinished(true);
    EXPECT_EQ(engine.views.size(), 1u) << "one view for the browser's life";
    EXPECT_EQ(completions, 2) << "every completed page";

    view()->host.loadFinished(false);
    EXPECT_TRUE(view()->isHidden()) << "a later failure blanks the browser again";
    EXPECT_EQ(browser->focusProxy(), nullptr);
    EXPECT_EQ(finished.size(), 4);
    EXPECT_TRUE(errors.shown.isEmpty());

    browser->resize(113, 35);
    EXPECT_EQ(view()->geometry(), QRect(0, 0, 113, 35));
}

TEST_F(WebBrowserTest, RejectsWhatIsNotAWebAddressBeforeDoingAnything) {
    const char* addresses[] = {
        "",
        "brellwick.example/tools/AD/01.htm",
        "/tools/AD/01.htm",
        "ftp://brellwick.example/tools/AD/01.htm",
        "file:///etc/passwd",
        "javascript:alert(1)",
        "http://",
        "http://brellwick example/",
    };
    for (const char* address : addresses) {
        try {
            browser->Navigate(QString::fromUtf8(address));
            ADD_FAILURE() << "accepted " << address;
        } catch (const std::invalid_argument& error) {
            EXPECT_EQ(std::string(error.what()),
                      "'" + std::string(address) + "' is not a web address");
        }
    }
    EXPECT_TRUE(engine.views.empty());
    EXPECT_EQ(browser->site(), "");
}

TEST_F(WebBrowserTest, HidesTheBodyOverflowOrNamesTheStepThatFailed) {
    struct Case {
        Qt::Orientation axis;
        QVariant answer;
        const char* error;  // nullptr: no error
    };
    const Case cases[] = {
        {Qt::Horizontal, QStringLiteral("ok"), nullptr},
        {Qt::Vertical, QStringLiteral("ok"), nullptr},
        {Qt::Horizontal, QStringLiteral("Document"), "Document"},
        {Qt::Horizontal, QStringLiteral("Body"), "Body"},
        {Qt::Vertical, QStringLiteral("Style"), "Style"},
        {Qt::Horizontal, QStringLiteral("OverflowX"), "OverflowX"},
        {Qt::Vertical, QStringLiteral("OverflowY"), "OverflowY"},
        {Qt::Horizontal, QVariant(), "Document"},
        {Qt::Vertical, QVariant(42), "Document"},
        {Qt::Vertical, QStringLiteral("<script>"), "Document"},
    };
    EXPECT_THROW(
        {
            try {
                browser->hideBodyOverflow(Qt::Horizontal);
            } catch (const std::runtime_error& error) {
                EXPECT_STREQ(error.what(), "Method 'Document' not supported by automation object");
                throw;
            }
        },
        std::runtime_error)
        << "no view, no document";

    browser->Navigate(kPage);
    for (const Case& c : cases) {
        view()->answerScripts = [&c](const QString&, auto answer) { answer(c.answer); };
        SCOPED_TRACE(c.answer.toString().toStdString());
        try {
            browser->hideBodyOverflow(c.axis);
            EXPECT_EQ(c.error, nullptr);
        } catch (const std::runtime_error& error) {
            ASSERT_NE(c.error, nullptr) << error.what();
            EXPECT_EQ(std::string(error.what()),
                      "Method '" + std::string(c.error) + "' not supported by automation object");
        }
    }
}

TEST_F(WebBrowserTest, OverflowScriptsAreFixedTexts) {
    browser->Navigate(kPage);
    view()->answerScripts = [](const QString&, auto answer) { answer(QStringLiteral("ok")); };
    browser->hideBodyOverflow(Qt::Horizontal);
    browser->hideBodyOverflow(Qt::Vertical);
    browser->Navigate(QStringLiteral("https://brellwick.example/p.htm?x='+alert(1)+'"));
    browser->hideBodyOverflow(Qt::Horizontal);
    browser->hideBodyOverflow(Qt::Vertical);
    const std::vector<QString>& scripts = view()->scripts;
    ASSERT_EQ(scripts.size(), 4u);
    EXPECT_TRUE(scripts[0].contains("overflowX") && !scripts[0].contains("overflowY"));
    EXPECT_TRUE(scripts[1].contains("overflowY") && !scripts[1].contains("overflowX"));
    EXPECT_EQ(scripts[2], scripts[0]) << "nothing from the address goes into a script";
    EXPECT_EQ(scripts[3], scripts[1]);
}

TEST_F(WebBrowserTest, WaitsForALateAnswerAndHandlesOtherEventsMeanwhile) {
    browser->Navigate(kPage);
    std::function<void(const QVariant&)> pending;
    view()->answerScripts = [&](const QString&, auto answer) {
        pending = answer;
        QTimer::singleShot(50, [&] { pending(QStringLiteral("ok")); });
    };
    bool timerRan = false;
    QTimer::singleShot(0, [&] { timerRan = true; });
    EXPECT_NO_THROW(browser->hideBodyOverflow(Qt::Vertical));
    EXPECT_TRUE(timerRan);

    // A page that never answers: the wait gives up, and a late answer then
    // finds nobody waiting.
    view()->answerScripts = [&](const QString&, auto answer) { pending = answer; };
    QElapsedTimer waited;
    waited.start();
    try {
        browser->hideBodyOverflow(Qt::Horizontal);
        ADD_FAILURE() << "no answer taken as success";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "The page did not answer");
    }
    EXPECT_GE(waited.elapsed(), 3000);
    pending(QStringLiteral("ok"));
}

TEST_F(WebBrowserTest, SendsWhatLeavesTheSiteToTheSystemBrowser) {
    browser->Navigate(kPage);
    WebEngineHost& host = view()->host;
    EXPECT_TRUE(host.navigationRequested(QUrl(kPage), Navigation::Typed, true));
    EXPECT_TRUE(host.navigationRequested(QUrl("http://brellwick.example/a.htm"),
                                         Navigation::LinkClicked, true));
    EXPECT_FALSE(
        host.navigationRequested(QUrl("https://other.example/"), Navigation::LinkClicked, true));
    EXPECT_FALSE(
        host.navigationRequested(QUrl("file:///etc/passwd"), Navigation::LinkClicked, true));
    // The link above was followed on the site; its server sends it away.
    EXPECT_FALSE(
        host.navigationRequested(QUrl("https://advertiser.example/"), Navigation::Redirect, true));
    // The browser's own navigate may be redirected by the site.
    browser->Navigate(kPage);
    EXPECT_TRUE(host.navigationRequested(QUrl(kPage), Navigation::Typed, true));
    EXPECT_TRUE(host.navigationRequested(QUrl("https://www.brellwick.example/tools/AD/01.htm"),
                                         Navigation::Redirect, true));

    host.newWindowRequested(QUrl("http://brellwick.example/popup.htm"));
    host.newWindowRequested(QUrl("file:///etc/passwd"));
    host.newWindowRequested(QUrl("https://other.example/new"));
    EXPECT_EQ(opened,
              QList<QUrl>({QUrl("https://other.example/"), QUrl("https://advertiser.example/"),
                           QUrl("http://brellwick.example/popup.htm"),
                           QUrl("https://other.example/new")}));
}

TEST_F(WebBrowserTest, WithoutAUsableEngineStaysBlankAndRaisesNothing) {
    SetWebEngineFactory(nullptr);
    // As root the engine would not even be tried without this.
    const QByteArray sandbox = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
    const bool sandboxWasSet = qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QTemporaryFile junk;
    ASSERT_TRUE(junk.open());
    junk.write("not a library");
    junk.close();
    const QString libraries[] = {
        QString(),
        QStringLiteral("/nonexistent/quillmark-webpanel.so"),
        junk.fileName(),
        QStringLiteral("/lib/x86_64-linux-gnu/libc.so.6"),
    };
    for (const QString& library : libraries) {
        SetWebEngineLibrary(library);
        auto* blank = new WebBrowser(&window);
        EXPECT_NO_THROW(blank->Navigate(kPage)) << qPrintable(library);
        EXPECT_FALSE(blank->hasPage()) << qPrintable(library);
        EXPECT_EQ(blank->site(), "brellwick.example");
        EXPECT_THROW(blank->hideBodyOverflow(Qt::Vertical), std::runtime_error);
        delete blank;
    }
    SetWebEngineLibrary(QString());
    if (sandboxWasSet)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", sandbox);
    else
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    EXPECT_TRUE(errors.shown.isEmpty());
}

}  // namespace
}  // namespace quillmark
