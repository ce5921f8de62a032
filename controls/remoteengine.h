// The web panels' engine in a process of its own, so that its start (Chromium
// waits for its helper processes) never holds the window. The host program
// (webpanel/) loads the engine plugin and draws each view into a native window
// the browser provides; everything else goes over a private channel.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include "controls/webengine.h"

namespace quillmark {

class EngineChannel;
class RemoteView;

// The host program that serves the engine `plugin`, which is installed beside
// it; empty when there is none.
QString WebEngineHostProgramFor(const QString& plugin);

class RemoteEngine : public QObject, public WebEngineFactory {
public:
    // Runs `hostProgram` with the engine `plugin` once started. The host's
    // pages are drawn at `scale` (the window's device pixel ratio).
    RemoteEngine(const QString& hostProgram, const QString& plugin, qreal scale);
    ~RemoteEngine() override;

    // Starts the host and returns at once; the host starts the engine.
    void startEngine() override;
    // A view that returns at once from every call: what the host reports
    // reaches `host` later, in order, from the event loop.
    WebEngineView* createView(QWidget* parent, WebEngineHost& host) override;

    // The host's process id while it runs, 0 otherwise.
    qint64 hostPid() const { return m_pid; }

private:
    friend class RemoteView;

    void send(const QByteArray& frame);
    void received(const QByteArray& frame);
    void failed(const QString& why);
    void reap();

    QString m_hostProgram;
    QString m_plugin;
    qreal m_scale;
    EngineChannel* m_channel = nullptr;
    qint64 m_pid = 0;
    bool m_failed = false;
    int m_reapTries = 0;
    quint32 m_lastView = 0;
    quint32 m_lastRequest = 0;
    QHash<quint32, QPointer<RemoteView>> m_views;
};

}  // namespace quillmark
