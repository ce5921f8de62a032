#include "controls/dispatch.h"

#include <exception>

#include <QString>

#include "controls/exceptionbox.h"

namespace quillmark {

void Dispatch(const Handler& handler) {
    if (!handler) return;
    try {
        handler();
    } catch (const std::exception& error) {
        ShowException(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowException(QStringLiteral("Unknown error"));
    }
}

}  // namespace quillmark
