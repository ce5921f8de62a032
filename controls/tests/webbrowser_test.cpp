// The embedded browser control, on an engine the test plays: navigation,
// completion, the overflow scripts, the navigation rule and a missing engine.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <tuple>

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

TEST(DecideNavigationTest, KeepsThePanelOnItsSiteAndOpensOnlyWhatTheUserClicked) {
    using V = NavigationVerdict;
    struct Case {
        const char* url;
        Navigation kind;
        bool mainFrame;
        bool clicked;
        V verdict;
    };
    const Navigation T = Navigation::Typed, L = Navigation::LinkClicked,
                     F = Navigation::FormSubmitted, R = Navigation::Redirect, O = Navigation::Other,
                     B = Navigation::BackForward;
    const Case cases[] = {
        {"https://brellwick.example/tools/AD/01.htm", T, true, false, V::Load},
        {"https://BRELLWICK.example:443/other.htm", L, true, false, V::Load},
        {"https://brellwick.example/next", O, true, false, V::Load},
        // The site is an origin: another scheme or port is another site.
        {"http://brellwick.example/other.htm", L, true, false, V::Drop},
        {"https://brellwick.example:8443/x", L, true, false, V::Drop},
        {"https://brellwick.example:8443/x", L, true, true, V::OpenOutside},
        {"https://other.example/", L, true, true, V::OpenOutside},
        {"https://www.brellwick.example/", L, true, true, V::OpenOutside},
        // A script's navigation looks like a link click, without the user's.
        {"https://other.example/", L, true, false, V::Drop},
        {"https://other.example/form", F, true, true, V::Drop},
        {"https://other.example/", O, true, true, V::Drop},
        {"https://other.example/", B, true, false, V::Drop},
        // The engine reports a script's navigation as a redirect too.
        {"https://www.brellwick.example/", R, true, false, V::Drop},
        {"https://other.example/", R, true, true, V::Drop},
        {"https://brellwick.example/moved", R, true, false, V::Load},
        // A frame shows what it likes inside the page, and opens nothing.
        {"https://ads.example/frame.htm", O, false, false, V::Load},
        {"https://other.example/", L, false, true, V::Load},
        {"file:///etc/passwd", L, true, true, V::Drop},
        {"file:///etc/passwd", O, false, false, V::Drop},
        {"ftp://brellwick.example/", L, true, true, V::Drop},
        {"javascript:alert(1)", L, true, true, V::Drop},
        {"data:text/html,<p>x</p>", T, true, false, V::Drop},
        {"about:blank", O, false, false, V::Drop},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecideNavigation(QUrl("https://brellwick.example"), QUrl(QString(c.url)), c.kind,
                                   c.mainFrame, c.clicked),
                  c.verdict)
            << c.url << " kind " << int(c.kind) << (c.mainFrame ? " main" : " frame")
            << (c.clicked ? " clicked" : "");
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
    EXPECT_EQ(browser->site(), "http://brellwick.example");
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

TEST_F(WebBrowserTest, HidesTheBodyOverflowOrNamesTheStepTheDocumentLacks) {
    Qt::Orientation axis = Qt::Horizontal;
    struct Case {
        Qt::Orientation axis;
        QVariant state;     // the page's answer about its document
        const char* error;  // nullptr: no error
    };
    const Case cases[] = {
        {Qt::Horizontal, QStringLiteral("ok"), nullptr},
        {Qt::Vertical, QStringLiteral("ok"), nullptr},
        {Qt::Horizontal, QStringLiteral("Document"), "Document"},
        {Qt::Horizontal, QStringLiteral("Body"), "Body"},
        {Qt::Vertical, QStringLiteral("Style"), "Style"},
        {Qt::Horizontal, QStringLiteral("OverflowX"), "OverflowX"},
        {Qt::Vertical, QStringLiteral("OverflowX"), nullptr},
        {Qt::Vertical, QStringLiteral("OverflowY"), "OverflowY"},
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
    std::string error;
    browser->setOnDocumentComplete([&] { browser->hideBodyOverflow(axis); });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state.toString().toStdString());
        view()->answerScripts = [&c](const QString&, auto answer) {
            if (answer) answer(c.state);
        };
        errors.shown.clear();
        axis = c.axis;
        browser->Navigate(kPage);  // each Navigate may show one error
        const size_t scriptsBefore = view()->scripts.size();
        view()->host.loadFinished(true);
        EXPECT_EQ(
            errors.shown,
            c.error ? QStringList(QStringLiteral("Method '%1' not supported by automation object.")
                                      .arg(c.error))
                    : QStringList());
        EXPECT_EQ(view()->scripts.size(), scriptsBefore + (c.error ? 1 : 2))
            << "the question, then the change when the document has what it takes";
    }
}

TEST_F(WebBrowserTest, OverflowScriptsAreFixedTexts) {
    browser->Navigate(kPage);
    browser->setOnDocumentComplete([this] {
        browser->hideBodyOverflow(Qt::Horizontal);
        browser->hideBodyOverflow(Qt::Vertical);
    });
    view()->host.loadFinished(true);
    browser->Navigate(QStringLiteral("https://brellwick.example/p.htm?x='+alert(1)+'"));
    view()->host.loadFinished(true);
    const std::vector<QString>& scripts = view()->scripts;
    ASSERT_EQ(scripts.size(), 6u);
    EXPECT_TRUE(scripts[1].contains("overflowX") && !scripts[1].contains("overflowY ="));
    EXPECT_TRUE(scripts[2].contains("overflowY") && !scripts[2].contains("overflowX ="));
    EXPECT_EQ(scripts[3], scripts[0]) << "nothing from the address goes into a script";
    EXPECT_EQ(scripts[4], scripts[1]);
    EXPECT_EQ(scripts[5], scripts[2]);
}

TEST_F(WebBrowserTest, ABusyPageHoldsNothingUpAndOneThatNeverAnswersRaisesNothing) {
    browser->Navigate(kPage);
    std::vector<std::function<void(const QVariant&)>> pending;
    view()->answerScripts = [&](const QString&, auto answer) { pending.push_back(answer); };
    for (int load = 0; load < 4; ++load) view()->host.loadFinished(true);
    EXPECT_EQ(completions, 0) << "each load returns at once, waiting for nothing";
    ASSERT_EQ(pending.size(), 4u);
    pending[3](QVariant());  // the page went away: never answered
    pending[2](QStringLiteral("ok"));
    pending[1](QStringLiteral("ok"));
    EXPECT_EQ(completions, 0) << "answers about documents gone by are ignored";
    view()->host.loadFinished(true);
    pending.back()(QStringLiteral("ok"));
    EXPECT_EQ(completions, 1) << "a late answer raises the completion then";
    EXPECT_TRUE(errors.shown.isEmpty());
}

TEST_F(WebBrowserTest, CompletionErrorsShowOneBoxAtATimeAndOncePerNavigate) {
    auto* other = new WebBrowser(&window);
    for (WebBrowser* b : {browser, other}) {
        b->setOnDocumentComplete([b] { b->hideBodyOverflow(Qt::Horizontal); });
        b->Navigate(kPage);
    }
    FakeEngineView *first = engine.views[0], *second = engine.views[1];
    for (FakeEngineView* v : {first, second})
        v->answerScripts = [](const QString&, auto answer) { answer(QStringLiteral("Body")); };
    // While the first box is up (it runs the event loop), both bodiless
    // pages complete again.
    int up = 0, mostUp = 0;
    const ExceptionPresenter recorder = SetExceptionPresenter([&](const QString& text) {
        errors.shown << text;
        mostUp = std::max(mostUp, ++up);
        if (errors.shown.size() == 1)
            for (FakeEngineView* v : {first, second}) v->host.loadFinished(true);
        --up;
    });
    const std::pair<FakeEngineView*, int> steps[] = {
        {first, 1}, {first, 1}, {second, 2}, {second, 2}};
    for (const auto& [view, boxes] : steps) {
        view->host.loadFinished(true);
        EXPECT_EQ(errors.shown.size(), boxes);
    }
    EXPECT_EQ(mostUp, 1) << "the other browser's box is dropped while one is up";
    browser->Navigate(kPage);
    first->host.loadFinished(true);
    EXPECT_EQ(errors.shown, QStringList(3, "Method 'Body' not supported by automation object."));
    SetExceptionPresenter(recorder);
    delete other;
}

TEST_F(WebBrowserTest, OpensOutsideOnlyTheLinkTheUserClickedAndOnlyOnce) {
    browser->Navigate(kPage);
    WebEngineHost& host = view()->host;
    const QUrl off("https://other.example/"), ad("https://ad.example/"),
        late("https://late.example/");
    struct Step {
        const char* what;
        std::optional<QUrl> clickOn;  // the link under a click first, if any
        QUrl hoveredThen;             // where the renderer says the pointer is
        QUrl request;                 // asked for as a window, then as a navigation
        bool mainFrame;
        int openings;  // so far
    };
    const Step steps[] = {
        {"a script leaves the site", {}, {}, off, true, 0},
        {"the user clicks the link", off, off, off, true, 1},
        {"the page follows it again", {}, off, off, true, 1},
        {"a click on one link, the page goes elsewhere", off, off, ad, true, 1},
        {"a click inside a frame", ad, ad, ad, false, 1},
        {"a click on nothing, then a script", QUrl(), QUrl(), ad, true, 1},
        {"a click the renderer places on a link as it handles it", QUrl(), late, late, true, 2},
        {"a click on a file link", QUrl("file:///etc/passwd"), QUrl("file:///etc/passwd"),
         QUrl("file:///etc/passwd"), true, 2},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.clickOn) {
            view()->hovered = *step.clickOn;
            host.userClicked();
        }
        view()->hovered = step.hoveredThen;
        if (step.mainFrame) host.newWindowRequested(step.request);
        EXPECT_EQ(host.navigationRequested(step.request, Navigation::LinkClicked, step.mainFrame),
                  !step.mainFrame)
            << "only a frame loads it";
        EXPECT_EQ(opened.size(), step.openings);
    }
    EXPECT_EQ(opened, QList<QUrl>({off, late}));
}

QStringList warnings;

TEST_F(WebBrowserTest, WithoutAUsableEngineStaysBlankAndRaisesNothing) {
    SetWebEngineFactory(nullptr);
    // As root the engine would not even be tried without this.
    const QByteArray sandbox = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
    const bool sandboxWasSet = qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
    QTemporaryFile junk;
    ASSERT_TRUE(junk.open());
    junk.write("not a library");
    junk.close();
    const QString libc = QStringLiteral("/lib/x86_64-linux-gnu/libc.so.6");
    // The library, the shared memory directory, what standard error says.
    const std::tuple<QString, QString, const char*> cases[] = {
        {QString(), QString(), nullptr},
        {QStringLiteral("/nonexistent/quillmark-webpanel.so"), QString(), nullptr},
        {junk.fileName(), QString(), ""},
        {libc, QString(), ""},
        // Not even root may make files in /proc.
        {libc, QStringLiteral("/proc"), "shared memory cannot be created in /proc ("},
    };
    for (const auto& [library, sharedMemory, line] : cases) {
        SCOPED_TRACE(qPrintable(library + ' ' + sharedMemory));
        warnings.clear();
        SetWebEngineLibrary(library);
        SetSharedMemoryDir(sharedMemory);
        auto* blank = new WebBrowser(&window);
        EXPECT_NO_THROW(blank->Navigate(kPage));
        EXPECT_EQ(blank->site(), "http://brellwick.example");
        (void)QTest::qWaitFor([] { return !warnings.isEmpty(); }, line ? 10000 : 200);
        EXPECT_FALSE(blank->hasPage());
        EXPECT_THROW(blank->hideBodyOverflow(Qt::Vertical), std::runtime_error);
        ASSERT_EQ(warnings.size(), line ? 1 : 0) << "one line on standard error";
        if (line) {
            EXPECT_TRUE(
                warnings[0].startsWith(QStringLiteral("The web panels stay blank: ") + line))
                << warnings[0].toStdString();
        }
        delete blank;
    }
    qInstallMessageHandler(previous);
    SetWebEngineLibrary(QString());
    SetSharedMemoryDir(QString());
    if (sandboxWasSet)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", sandbox);
    else
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    EXPECT_TRUE(errors.shown.isEmpty());
}

}  // namespace
}  // namespace quillmark
