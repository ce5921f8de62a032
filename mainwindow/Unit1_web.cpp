// TForm1's web panels and the links to the maker's home page.
#include <QTimer>

#include "controls/panel.h"
#include "controls/shell.h"
#include "controls/webbrowser.h"
#include "mainwindow/Unit1.h"
#include "mainwindow/application.h"

namespace quillmark {

namespace {

// Width, height, left, top: the panel's client size + 3 at (-2, -2), so that
// the panel cuts the browser's outermost pixels away.
void fitToPanel(WebBrowser* browser, const Panel* panel) {
    const QSize client = panel->contentsRect().size();
    browser->resize(client.width() + 3, client.height() + 3);
    browser->move(panel->clientOrigin() + QPoint(-2, -2));
}

// The timer has delivered the tick that runs this handler: it is deleted once
// the tick has been handled, and never ticks again.
void dispose(QTimer*& timer) {
    timer->stop();
    timer->deleteLater();
    timer = nullptr;
}

}  // namespace

void TForm1::Timer1Timer() {
    // A navigate that fails leaves the timer running: it tries again.
    WebBrowser1->Navigate(SiteAddress().toString() + QStringLiteral("/tools/AD/01.htm"));
    dispose(Timer1);
}

void TForm1::Timer2Timer() {
    WebBrowser2->Navigate(SiteAddress().toString() + QStringLiteral("/tools/AD/02.htm"));
    dispose(Timer2);
}

void TForm1::WebBrowser1DocumentComplete() {
    WebBrowser1->hideBodyOverflow(Qt::Horizontal);
    WebBrowser1->hideBodyOverflow(Qt::Vertical);
    fitToPanel(WebBrowser1, Panel2);
}

void TForm1::WebBrowser2DocumentComplete() {
    WebBrowser2->hideBodyOverflow(Qt::Horizontal);
    WebBrowser2->hideBodyOverflow(Qt::Vertical);
    fitToPanel(WebBrowser2, Panel3);
}

void TForm1::ImgLogoClick() { OpenInSystemBrowser(SiteAddress()); }

void TForm1::Label1Click() { OpenInSystemBrowser(SiteAddress()); }

}  // namespace quillmark
