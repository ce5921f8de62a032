// Test helpers: an ExceptionBox that records instead of showing, and a journal
// of handler runs.
#pragma once

#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "controls/exceptionbox.h"

namespace quillmark::testing {

// While alive, every ExceptionBox text lands in `shown` instead of a window.
class RecordedExceptionBox {
public:
    RecordedExceptionBox()
        : m_previous(SetExceptionPresenter([this](const QString& text) { shown << text; })) {}
    ~RecordedExceptionBox() { SetExceptionPresenter(m_previous); }
    RecordedExceptionBox(const RecordedExceptionBox&) = delete;
    RecordedExceptionBox& operator=(const RecordedExceptionBox&) = delete;

    QStringList shown;

private:
    ExceptionPresenter m_previous;
};

}  // namespace quillmark::testing
