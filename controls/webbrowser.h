// The window's embedded web browser.
#pragma once

#include <QWebEngineView>

namespace quillmark {

// A QWebEngineView that starts the browser engine only when it is first given
// a page (load(), setUrl(), setHtml(), page()): until then it is an empty,
// focusable area in its parent's colour and no renderer process runs. A page
// given with setPage() must be a child of the view.
class WebBrowser : public QWebEngineView {
    Q_OBJECT
public:
    explicit WebBrowser(QWidget* parent = nullptr);

    // True once the view has a page, and so a renderer.
    bool hasPage() const;

protected:
    // QWebEngineView creates its page on the first of these events; a blank
    // view handles them as a plain widget.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace quillmark
