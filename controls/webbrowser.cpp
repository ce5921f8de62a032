#include "controls/webbrowser.h"

#include <QWebEnginePage>

namespace quillmark {

WebBrowser::WebBrowser(QWidget* parent) : QWebEngineView(parent) {
    // Once a page exists its render widget takes the focus as the view's proxy.
    setFocusPolicy(Qt::StrongFocus);
}

bool WebBrowser::hasPage() const {
    return findChild<QWebEnginePage*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
}

// Each event goes to QWebEngineView once the page exists, else to QWidget.
#define QUILLMARK_PAGE_ONLY(Handler, Event)  \
    void WebBrowser::Handler(Event* event) { \
        if (hasPage())                       \
            QWebEngineView::Handler(event);  \
        else                                 \
            QWidget::Handler(event);         \
    }

QUILLMARK_PAGE_ONLY(showEvent, QShowEvent)
QUILLMARK_PAGE_ONLY(hideEvent, QHideEvent)
QUILLMARK_PAGE_ONLY(closeEvent, QCloseEvent)
QUILLMARK_PAGE_ONLY(contextMenuEvent, QContextMenuEvent)
QUILLMARK_PAGE_ONLY(dragEnterEvent, QDragEnterEvent)
QUILLMARK_PAGE_ONLY(dragLeaveEvent, QDragLeaveEvent)
QUILLMARK_PAGE_ONLY(dragMoveEvent, QDragMoveEvent)
QUILLMARK_PAGE_ONLY(dropEvent, QDropEvent)

#undef QUILLMARK_PAGE_ONLY

}  // namespace quillmark
