// The window's web panels and links, with the real browser engine, against a
// web server of the test's own on 127.0.0.1 standing in for the maker's site.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "controls/dispatch.h"
#include "controls/label.h"
#include "controls/panel.h"
#include "controls/shell.h"
#include "controls/tests/recorder.h"
#include "controls/webbrowser.h"
#include "mainwindow/Unit1.h"
#include "mainwindow/application.h"
#include "webpanel/tests/testserver.h"

namespace quillmark {
namespace testing {
extern bool userChoseScale;
}  // namespace testing

namespace {

using testing::RecordedExceptionBox;
using testing::runFor;
using testing::TestServer;
using testing::waitUntil;

// A page larger than any panel that requests /report/<name> once its body's
// overflow is hidden on both axes, whoever hid it.
QByteArray reportingPage(const QByteArray& name, const QByteArray& body) {
    return R"(<!DOCTYPE html><html><head><meta charset="utf-8"><script>
document.addEventListener('DOMContentLoaded', function () {
  new MutationObserver(function () {
    var style = document.body.style;
    if (style.overflowX === 'hidden' && style.overflowY === 'hidden')
      new Image().src = '/report/)" +
           name + R"(';
  }).observe(document.body, {attributes: true, attributeFilter: ['style']});
});
</script></head>)" +
           body + "</html>";
}

QByteArray reportingPage(const QByteArray& name) {
    return reportingPage(name, "<body><div style='width:2000px;height:2000px;background:#ffffdd'>" +
                                   name + "</div></body>");
}

// Points the window at the test's server while alive.
class SiteOverride {
public:
    explicit SiteOverride(const QString& address) { SetSiteAddress(QUrl(address)); }
    ~SiteOverride() { SetSiteAddress(QUrl()); }
    SiteOverride(const SiteOverride&) = delete;
    SiteOverride& operator=(const SiteOverride&) = delete;
};

// The reporting pages' background.
const QColor kPageColor(255, 255, 221);

// True when every pixel of `panel` as drawn is the window's background: no
// page of the server's, nor of the engine's.
bool isBlank(QWidget* panel) {
    const QImage image = panel->grab().toImage();
    const QRgb background = panel->palette().color(QPalette::Window).rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) return false;
    return true;
}

// Waits until `panel` shows a reporting page.
bool showsPage(QWidget* panel) {
    return waitUntil([panel] {
        const QImage image = panel->grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2) == kPageColor;
    });
}

QRect bounds(QWidget* widget) { return widget->geometry(); }

class WebPanelTest : public ::testing::Test {
protected:
    WebPanelTest() : site(server.address()) {}

    // A window whose timers stay out of the way: the test runs the handlers.
    std::unique_ptr<TForm1> quietWindow() {
        auto form = std::make_unique<TForm1>();
        form->Timer1->stop();
        form->Timer2->stop();
        form->show();
        return form;
    }

    TestServer server;
    SiteOverride site;
    RecordedExceptionBox errors;
};

TEST_F(WebPanelTest, PagesLoadOnceAfterTheirTimersAndFillTheirPanels) {
    server.setPage("/tools/AD/01.htm", reportingPage("01"));
    server.setPage("/tools/AD/02.htm", reportingPage("02"));
    const qint64 created = TestServer::now();
    TForm1 form;
    const QPointer<QTimer> timer1 = form.Timer1;
    const QPointer<QTimer> timer2 = form.Timer2;
    EXPECT_TRUE(timer1->isActive()) << "counting from creation, before the window is shown";
    EXPECT_TRUE(timer2->isActive());
    EXPECT_EQ(timer1->interval(), 3000);
    EXPECT_EQ(timer2->interval(), 3500);
    form.showCentred();
    EXPECT_TRUE(isBlank(form.Panel2));
    EXPECT_TRUE(isBlank(form.Panel3));

    ASSERT_TRUE(server.waitForRequests("/report/", 2, 30000)) << server.paths().join(' ').data();
    EXPECT_TRUE(waitUntil([&] {
        return bounds(form.WebBrowser1) == QRect(-2, -2, 470, 63) &&
               bounds(form.WebBrowser2) == QRect(-2, -2, 113, 35);
    }));
    EXPECT_EQ(bounds(form.WebBrowser1), QRect(-2, -2, 470, 63));
    EXPECT_EQ(bounds(form.WebBrowser2), QRect(-2, -2, 113, 35));

    const QList<TestServer::Request> pages = [&] {
        QList<TestServer::Request> found;
        for (const TestServer::Request& request : server.requests())
            if (request.path.startsWith("/tools/")) found << request;
        return found;
    }();
    ASSERT_EQ(pages.size(), 2) << "each page once";
    EXPECT_EQ(pages[0].path, "/tools/AD/01.htm");
    EXPECT_EQ(pages[1].path, "/tools/AD/02.htm");
    EXPECT_GE(pages[0].arrivedMs - created, 3000);
    EXPECT_GE(pages[1].arrivedMs - created, 3500);
    EXPECT_EQ(form.Timer1, nullptr);
    EXPECT_EQ(form.Timer2, nullptr);
    EXPECT_TRUE(waitUntil([&] { return timer1.isNull() && timer2.isNull(); }))
        << "the timers are gone and never tick again";
    EXPECT_TRUE(showsPage(form.Panel2));
    EXPECT_TRUE(showsPage(form.Panel3));
    EXPECT_TRUE(errors.shown.isEmpty()) << errors.shown.join('|').toStdString();
}

TEST_F(WebPanelTest, APageMadeOfFramesEndsTheSameWay) {
    server.setPage("/tools/AD/01.htm", reportingPage("frames",
                                                     "<frameset cols='50%,50%'><frame src='/a.htm'>"
                                                     "<frame src='/b.htm'></frameset>"));
    server.setPage("/a.htm", "<body style='height:900px'>a</body>");
    server.setPage("/b.htm", "<body style='width:900px'>b</body>");
    auto form = quietWindow();
    QSignalSpy finished(form->WebBrowser1, &WebBrowser::pageFinished);
    Dispatch([&] { form->Timer1Timer(); });
    ASSERT_TRUE(server.waitForRequests("/report/frames", 1, 20000))
        << server.paths().join(' ').data() << " " << errors.shown.join('|').toStdString();
    ASSERT_TRUE(waitUntil([&] { return !finished.isEmpty(); }));
    EXPECT_TRUE(finished.first().first().toBool());
    EXPECT_EQ(bounds(form->WebBrowser1), QRect(-2, -2, 470, 63));
    EXPECT_EQ(server.paths("/a.htm").size(), 1);
    EXPECT_EQ(server.paths("/b.htm").size(), 1);
    EXPECT_TRUE(errors.shown.isEmpty()) << errors.shown.join('|').toStdString();
}

TEST_F(WebPanelTest, AFailedLoadLeavesThePanelBlankAndALaterOneStillWorks) {
    struct Case {
        const char* name;
        bool serverDown;
    };
    for (const Case c : {Case{"server down", true}, Case{"404", false}}) {
        SCOPED_TRACE(c.name);
        server.removePage("/tools/AD/01.htm");
        if (c.serverDown) server.stop();
        const qsizetype requestsBefore = server.paths("/tools/").size();
        auto form = quietWindow();
        QSignalSpy finished(form->WebBrowser1, &WebBrowser::pageFinished);
        Dispatch([&] { form->Timer1Timer(); });
        ASSERT_TRUE(finished.wait(20000));
        EXPECT_FALSE(finished.first().first().toBool());
        EXPECT_EQ(server.paths("/tools/").size() - requestsBefore, c.serverDown ? 0 : 1);
        runFor(300);  // what a shown page would have painted by now
        EXPECT_TRUE(isBlank(form->Panel2));
        EXPECT_EQ(bounds(form->WebBrowser1), QRect(-2, -2, 470, 62)) << "no completion";
        EXPECT_TRUE(errors.shown.isEmpty()) << errors.shown.join('|').toStdString();

        if (c.serverDown) {
            ASSERT_TRUE(server.start());
        }
        server.setPage("/tools/AD/01.htm", reportingPage("again"));
        form->WebBrowser1->Navigate(server.address() + "/tools/AD/01.htm");
        ASSERT_TRUE(finished.wait(20000));
        EXPECT_TRUE(finished.last().first().toBool());
        EXPECT_EQ(bounds(form->WebBrowser1), QRect(-2, -2, 470, 63));
        EXPECT_TRUE(showsPage(form->Panel2));
        EXPECT_TRUE(errors.shown.isEmpty()) << errors.shown.join('|').toStdString();
    }
}

TEST_F(WebPanelTest, AFailingNavigateIsReportedAndRetriedAtTheTimersInterval) {
    server.setPage("/tools/AD/01.htm", reportingPage("01"));
    SetSiteAddress(QUrl("ftp://127.0.0.1:21"));
    TForm1 form;
    form.Timer2->stop();
    const QPointer<QTimer> timer1 = form.Timer1;
    form.Timer1->setInterval(100);
    ASSERT_TRUE(waitUntil([&] { return errors.shown.size() >= 2; }, 5000));
    EXPECT_EQ(errors.shown.first(), "'ftp://127.0.0.1:21/tools/AD/01.htm' is not a web address.");
    EXPECT_EQ(errors.shown[1], errors.shown[0]);
    ASSERT_EQ(form.Timer1, timer1.data()) << "the timer stays after a failure";
    EXPECT_TRUE(timer1->isActive());

    SetSiteAddress(QUrl(server.address()));
    EXPECT_TRUE(server.waitForRequests("/tools/AD/01.htm", 1, 20000));
    EXPECT_EQ(form.Timer1, nullptr);
    EXPECT_TRUE(waitUntil([&] { return timer1.isNull(); }));
}

TEST_F(WebPanelTest, ABrokenOverflowChainIsReportedAndSkipsTheResize) {
    // An SVG document has no body.
    server.setPage("/tools/AD/02.htm",
                   "<svg xmlns='http://www.w3.org/2000/svg' width='300' height='300'>"
                   "<rect width='300' height='300' fill='red'/></svg>",
                   "image/svg+xml");
    auto form = quietWindow();
    QSignalSpy finished(form->WebBrowser2, &WebBrowser::pageFinished);
    Dispatch([&] { form->Timer2Timer(); });
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(errors.shown, QStringList({"Method 'Body' not supported by automation object."}));
    EXPECT_EQ(bounds(form->WebBrowser2), QRect(-2, -2, 117, 35)) << "designed bounds kept";

    errors.shown.clear();
    server.setPage("/tools/AD/02.htm", reportingPage("02"));
    form->WebBrowser2->Navigate(server.address() + "/tools/AD/02.htm");
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_TRUE(errors.shown.isEmpty()) << errors.shown.join('|').toStdString();
    EXPECT_EQ(bounds(form->WebBrowser2), QRect(-2, -2, 113, 35));
}

TEST_F(WebPanelTest, LogoAndAddressLabelOpenTheHomeAddress) {
    QList<QUrl> opened;
    const UrlOpener previous = SetUrlOpener([&](const QUrl& url) { opened << url; });
    auto form = quietWindow();
    EXPECT_EQ(form->Label1->text(), "127.0.0.1");
    QTest::mouseClick(form->ImgLogo, Qt::LeftButton, {}, QPoint(50, 40));
    QTest::mouseClick(form->Label1, Qt::LeftButton, {}, QPoint(20, 8));
    ASSERT_EQ(opened.size(), 2);
    for (const QUrl& url : opened) {
        EXPECT_EQ(url.toString(), server.address());
        EXPECT_TRUE(url.path().isEmpty()) << "no path, no trailing /";
    }

    // The build's own site: a host under .example unless the build names one.
    SetSiteAddress(QUrl());
    TForm1 built;
    built.Timer1->stop();
    built.Timer2->stop();
    built.ImgLogoClick();
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened.last().toString(), QString::fromUtf8(kSiteUrl));
    EXPECT_EQ(built.Label1->text(), opened.last().host());
    SetUrlOpener(previous);
    EXPECT_EQ(server.requests().size(), 0);
}

// Closing the window (as the program's loop sees it) before the timers fire.
TEST_F(WebPanelTest, ClosingBeforeTheTimersFireRequestsNothingAndLoadsNoEngine) {
    EXPECT_EXIT(
        {
            auto* form = new TForm1;
            form->showCentred();
            QTimer::singleShot(300, form, &QWidget::close);
            QApplication::exec();  // returns when the last window closes
            delete form;
            runFor(3600);
            QFile maps(QStringLiteral("/proc/self/maps"));
            maps.open(QIODevice::ReadOnly);
            const bool engineLoaded = maps.readAll().contains("WebEngine");
            std::_Exit(server.requests().isEmpty() && !engineLoaded ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(WebPanelTest, WhatTheProgramPutIntoItsEnvironmentReachesNoChild) {
    if (testing::userChoseScale) GTEST_SKIP() << "QT_SCALE_FACTOR was set by the caller";
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
    QWidget window;
    window.show();
    EXPECT_NEAR(window.devicePixelRatioF(), kLayoutScale, 1e-4) << "the scale still applies";
    QProcess child;
    child.start(QStringLiteral("/usr/bin/env"), {});
    ASSERT_TRUE(child.waitForFinished(5000));
    const QByteArray environment = child.readAllStandardOutput();
    EXPECT_TRUE(environment.contains("PATH="));
    EXPECT_FALSE(environment.contains("QT_SCALE_FACTOR"));
}

}  // namespace
}  // namespace quillmark
