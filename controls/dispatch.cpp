#include "controls/dispatch.h"

#include <exception>

#include <QCoreApplication>
#include <QString>

#include "controls/exceptionbox.h"
#include "languages/languages.h"

namespace quillmark {

void Dispatch(const Handler& handler) {
    if (!handler) return;
    try {
        handler();
    } catch (const std::exception& error) {
        ShowException(ErrorMessage(error));
    } catch (...) {
        ShowException(QCoreApplication::translate("quillmark::Dispatch", "Unknown error"));
    }
}

}  // namespace quillmark
