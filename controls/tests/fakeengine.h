// A browser engine for control tests: views that record what they are told and
// let the test play the page's part.
#pragma once

#include <functional>
#include <vector>

#include <QUrl>
#include <QVariant>
#include <QWidget>

#include "controls/webengine.h"

namespace quillmark::testing {

class FakeEngineView : public QWidget, public WebEngineView {
public:
    FakeEngineView(QWidget* parent, WebEngineHost& host) : QWidget(parent), host(host) { hide(); }

    QWidget* widget() override { return this; }
    void load(const QUrl& url) override {
        loads.push_back(url);
        m_url = url;
    }
    QUrl url() const override { return m_url; }
    QUrl hoveredLink() const override { return hovered; }
    void runScript(const QString& script, std::function<void(const QVariant&)> answer) override {
        scripts.push_back(script);
        if (answerScripts) answerScripts(script, std::move(answer));
    }

    WebEngineHost& host;
    // The link under the pointer, as the test sets it.
    QUrl hovered;
    std::vector<QUrl> loads;
    std::vector<QString> scripts;
    // Answers a script, at once or later; unset, scripts go unanswered.
    std::function<void(const QString&, std::function<void(const QVariant&)>)> answerScripts;

private:
    QUrl m_url;
};

class FakeEngine : public WebEngineFactory {
public:
    void startEngine() override {}
    WebEngineView* createView(QWidget* parent, WebEngineHost& host) override {
        views.push_back(new FakeEngineView(parent, host));
        views.back()->answerScripts = answerScripts;
        return views.back();
    }

    std::vector<FakeEngineView*> views;
    // What new views answer with: the document's state "ok", at once.
    std::function<void(const QString&, std::function<void(const QVariant&)>)> answerScripts =
        [](const QString&, const std::function<void(const QVariant&)>& answer) {
            if (answer) answer(QStringLiteral("ok"));
        };
};

}  // namespace quillmark::testing
