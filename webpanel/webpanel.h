// The browser engine plugin of the web panels: Qt WebEngine views, hardened for
// showing remote pages inside the program. Loaded by the WebBrowser control on
// its first navigate; nothing else links Qt WebEngine.
#pragma once

#include <QObject>

#include "controls/webengine.h"

namespace quillmark {

class WebPanelFactory : public QObject, public WebEngineFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuillmarkWebEngineFactory_iid)
    Q_INTERFACES(quillmark::WebEngineFactory)
public:
    // Sets the engine up to draw in software, with the shared OpenGL context
    // object that Qt WebEngine needs before its first view and makes itself
    // only when it is linked into the program from the start.
    WebPanelFactory();

    // Starts Chromium with the panels' settings (no GPU, no OpenGL driver,
    // one renderer for the pages of one site) and the shared profile.
    void startEngine() override;
    WebEngineView* createView(QWidget* parent, WebEngineHost& host) override;
};

}  // namespace quillmark
