// The embedded browser control, on an engine the test plays: navigation,
// completion, the overflow scripts, the navigation rule and a missing engine.
#include <gtest/gtest.h>

#include <optional>
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

TEST(SharedMemoryProblemTest, NamesWhatFails) {
    EXPECT_EQ(SharedMemoryProblem(QStringLiteral("/dev/shm")), QString());
    const QString missing = SharedMemoryProblem(QStringLiteral("/nonexistent/shm"));
    EXPECT_TRUE(missing.startsWith("shared memory cannot be created in /nonexistent/shm ("))
        << missing.toStdString();
    // Not even root may create files in /proc.
    EXPECT_FALSE(SharedMemoryProblem(QStringLiteral("/proc")).isEmpty());
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state.toString().toStdString());
        std::optional<std::string> error;
        browser->setOnDocumentComplete([&] {
            try {
                browser->hideBodyOverflow(c.axis);
            } catch (const std::runtime_error& e) {
                error = e.what();
            }
        });
        view()->answerScripts = [&c](const QString&, auto answer) {
            if (answer) answer(c.state);
        };
        const size_t scriptsBefore = view()->scripts.size();
        view()->host.loadFinished(true);
        if (c.error) {
            EXPECT_EQ(error,
                      "Method '" + std::string(c.error) + "' not supported by automation object");
            EXPECT_EQ(view()->scripts.size(), scriptsBefore + 1) << "only the question";
        } else {
            EXPECT_EQ(error, std::nullopt);
            EXPECT_EQ(view()->scripts.size(), scriptsBefore + 2) << "the question, then the change";
        }
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
    view()->answerScripts = [&](const QString&, auto answer) {
        if (answer) pending.push_back(answer);
    };
    view()->host.loadFinished(true);
    EXPECT_EQ(completions, 0) << "returns at once, waiting for nothing";
    ASSERT_EQ(pending.size(), 1u);
    pending[0](QStringLiteral("ok"));
    EXPECT_EQ(completions, 1) << "a late answer raises the completion then";

    // The page never answers the next question; when the one after is
    // answered first, the earlier answer, coming late, is about a document
    // that is gone.
    view()->host.loadFinished(true);
    view()->host.loadFinished(true);
    ASSERT_EQ(pending.size(), 3u);
    pending[2](QStringLiteral("ok"));
    pending[1](QStringLiteral("ok"));
    EXPECT_EQ(completions, 2);
    view()->host.loadFinished(true);
    pending.back()(QVariant());  // the page went away
    EXPECT_EQ(completions, 2);
    EXPECT_TRUE(errors.shown.isEmpty());
}

TEST_F(WebBrowserTest, CompletionErrorsShowOneBoxAtATimeAndOncePerNavigate) {
    auto* other = new WebBrowser(&window);
    for (WebBrowser* b : {browser, other}) {
        b->setOnDocumentComplete([b] { b->hideBodyOverflow(Qt::Horizontal); });
        b->Navigate(kPage);
    }
    FakeEngineView* first = engine.views[0];
    FakeEngineView* second = engine.views[1];
    for (FakeEngineView* v : {first, second})
        v->answerScripts = [](const QString&, auto answer) {
            if (answer) answer(QStringLiteral("Body"));
        };
    // While the first box is up (a box runs the event loop), both pages
    // complete again, bodiless as before.
    int up = 0, mostUp = 0;
    QStringList shown;
    const ExceptionPresenter previous = SetExceptionPresenter([&](const QString& text) {
        shown << text;
        mostUp = std::max(mostUp, ++up);
        if (shown.size() == 1) {
            first->host.loadFinished(true);
            second->host.loadFinished(true);
        }
        --up;
    });
    first->host.loadFinished(true);
    EXPECT_EQ(shown.size(), 1) << "the other browser's box is dropped while one is up";
    EXPECT_EQ(mostUp, 1);
    for (int reload = 0; reload < 3; ++reload) first->host.loadFinished(true);
    EXPECT_EQ(shown.size(), 1) << "a page that reloads itself shows its error once";
    second->host.loadFinished(true);
    EXPECT_EQ(shown.size(), 2) << "the other browser has not shown its error yet";
    browser->Navigate(kPage);
    first->host.loadFinished(true);
    EXPECT_EQ(shown, QStringList(3, "Method 'Body' not supported by automation object."))
        << "each Navigate may show one";
    SetExceptionPresenter(previous);
    delete other;
}

TEST_F(WebBrowserTest, OpensOutsideOnlyTheLinkTheUserClickedAndOnlyOnce) {
    browser->Navigate(kPage);
    WebEngineHost& host = view()->host;
    // The user clicks where the pointer is, over a link or not.
    const auto click = [this](const QUrl& link) {
        view()->hovered = link;
        view()->host.userClicked();
    };
    const QUrl off("https://other.example/");
    const QUrl ad("https://advertiser.example/buy");
    const QUrl late("https://late.example/");
    struct Step {
        const char* what;
        std::function<bool()> act;  // what the navigation request answers
        QList<QUrl> opened;         // all openings so far
    };
    const Step steps[] = {
        {"a script leaves the site",
         [&] { return host.navigationRequested(off, Navigation::LinkClicked, true); },
         {}},
        {"a script asks for a window",
         [&] {
             host.newWindowRequested(off);
             return false;
         },
         {}},
        {"the user clicks the link",
         [&] {
             click(off);
             return host.navigationRequested(off, Navigation::LinkClicked, true);
         },
         {off}},
        {"the page follows it again",
         [&] { return host.navigationRequested(off, Navigation::LinkClicked, true); },
         {off}},
        {"the page asks for a window to it",
         [&] {
             host.newWindowRequested(off);
             return false;
         },
         {off}},
        {"the user clicks a link, the page goes elsewhere",
         [&] {
             click(off);
             return host.navigationRequested(ad, Navigation::LinkClicked, true);
         },
         {off}},
        {"a click on a link for a new window",
         [&] {
             click(ad);
             host.newWindowRequested(ad);
             return host.navigationRequested(ad, Navigation::LinkClicked, true);
         },
         {off, ad}},
        {"a click inside a frame",
         [&] {
             click(ad);
             return !host.navigationRequested(ad, Navigation::LinkClicked, false);
         },
         {off, ad}},
        {"a click on nothing, then a script",
         [&] {
             click(QUrl());
             return host.navigationRequested(ad, Navigation::LinkClicked, true);
         },
         {off, ad}},
        {"a click the renderer places on a link only as it handles it",
         [&] {
             click(QUrl());
             view()->hovered = late;
             return host.navigationRequested(late, Navigation::LinkClicked, true);
         },
         {off, ad, late}},
        {"a click on a file link",
         [&] {
             click(QUrl("file:///etc/passwd"));
             host.newWindowRequested(QUrl("file:///etc/passwd"));
             return host.navigationRequested(QUrl("file:///etc/passwd"), Navigation::LinkClicked,
                                             true);
         },
         {off, ad, late}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        EXPECT_FALSE(step.act()) << "the panel stays on its site";
        EXPECT_EQ(opened, step.opened);
    }
    EXPECT_TRUE(host.navigationRequested(QUrl("http://brellwick.example/a.htm"),
                                         Navigation::LinkClicked, true))
        << "links on the site load in the panel";
    // A redirect away from the site, the browser's own navigate's included,
    // is dropped: the engine reports a script's navigation as one too.
    browser->Navigate(kPage);
    EXPECT_TRUE(host.navigationRequested(QUrl(kPage), Navigation::Typed, true));
    EXPECT_FALSE(host.navigationRequested(QUrl("https://www.brellwick.example/tools/AD/01.htm"),
                                          Navigation::Redirect, true));
    EXPECT_EQ(opened.size(), 3);
}

// Messages to standard error while alive.
class RecordedWarnings {
public:
    RecordedWarnings() {
        lines().clear();
        m_previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& text) { lines() << text; });
    }
    ~RecordedWarnings() { qInstallMessageHandler(m_previous); }
    static QStringList& lines() {
        static QStringList recorded;
        return recorded;
    }

private:
    QtMessageHandler m_previous;
};

TEST_F(WebBrowserTest, AnEngineThatCannotStartLeavesTheBrowserBlankWithOneLine) {
    SetWebEngineFactory(nullptr);
    // As root the engine would not even be tried without this.
    const QByteArray sandbox = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
    const bool sandboxWasSet = qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QTemporaryFile junk;
    ASSERT_TRUE(junk.open());
    junk.write("not a library");
    junk.close();
    struct Case {
        QString library;
        QString sharedMemory;  // empty: the real /dev/shm
        const char* line;      // what standard error starts with; nullptr: nothing
    };
    const Case cases[] = {
        {QString(), QString(), nullptr},
        {QStringLiteral("/nonexistent/quillmark-webpanel.so"), QString(),
         "The web panels stay blank: "},
        {junk.fileName(), QString(), "The web panels stay blank: "},
        {QStringLiteral("/lib/x86_64-linux-gnu/libc.so.6"), QString(),
         "The web panels stay blank: "},
        {QStringLiteral("/lib/x86_64-linux-gnu/libc.so.6"), QStringLiteral("/proc"),
         "The web panels stay blank: shared memory cannot be created in /proc ("},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.library.toStdString() + " " + c.sharedMemory.toStdString());
        RecordedWarnings warnings;
        SetWebEngineLibrary(c.library);
        SetSharedMemoryDir(c.sharedMemory);
        auto* blank = new WebBrowser(&window);
        EXPECT_NO_THROW(blank->Navigate(kPage));
        EXPECT_EQ(blank->site(), "http://brellwick.example");
        if (c.line)
            EXPECT_TRUE(QTest::qWaitFor([&] { return !warnings.lines().isEmpty(); }, 10000));
        else
            QTest::qWait(200);
        EXPECT_FALSE(blank->hasPage());
        EXPECT_THROW(blank->hideBodyOverflow(Qt::Vertical), std::runtime_error);
        ASSERT_EQ(warnings.lines().size(), c.line ? 1 : 0)
            << warnings.lines().join('|').toStdString();
        if (c.line) {
            EXPECT_TRUE(warnings.lines()[0].startsWith(c.line))
                << warnings.lines()[0].toStdString();
        }
        delete blank;
    }
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
