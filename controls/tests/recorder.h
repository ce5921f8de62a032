// Test helpers: boxes that record what they would show instead of showing it.
#pragma once

#include <QString>
#include <QStringList>

#include "controls/exceptionbox.h"
#include "controls/noticebox.h"

namespace quillmark::testing {

// While alive, every text the box installed by `Install` would show lands in
// `shown` instead of a window.
template <MessagePresenter (*Install)(MessagePresenter)>
class RecordedBox {
public:
    RecordedBox() : m_previous(Install([this](const QString& text) { shown << text; })) {}
    ~RecordedBox() { Install(m_previous); }
    RecordedBox(const RecordedBox&) = delete;
    RecordedBox& operator=(const RecordedBox&) = delete;

    QStringList shown;

private:
    MessagePresenter m_previous;
};

using RecordedExceptionBox = RecordedBox<&SetExceptionPresenter>;
using RecordedNoticeBox = RecordedBox<&SetNoticePresenter>;

}  // namespace quillmark::testing
