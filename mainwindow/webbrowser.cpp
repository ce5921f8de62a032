#include "mainwindow/webbrowser.h"

#include <QWebEnginePage>

namespace quillmark {

WebBrowser::WebBrowser(QWidget* parent) : QWebEngineView(parent) {
    // Once a page exists its render widget takes the focus as the view's proxy.
    setFocusPolicy(Qt::StrongFocus);
}

bool WebBrowser::hasPage() const {
    return findChild<QWebEnginePage*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
}

void WebBrowser::showEvent(QShowEvent* event) {
    if (hasPage())
        QWebEngineView::showEvent(event);
    else
        QWidget::showEvent(event);
}

void WebBrowser::hideEvent(QHideEvent* event) {
    if (hasPage())
        QWebEngineView::hideEvent(event);
    else
        QWidget::hideEvent(event);
}

void WebBrowser::contextMenuEvent(QContextMenuEvent* event) {
    if (hasPage())
        QWebEngineView::contextMenuEvent(event);
    else
        QWidget::contextMenuEvent(event);
}

}  // namespace quillmark
