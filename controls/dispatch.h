// The one way the program's event handlers are called.
#pragma once

#include <functional>

namespace quillmark {

// An event handler of the window: a method of TForm1 bound to a control.
using Handler = std::function<void()>;

// Runs `handler` (nothing when it is empty). Any exception escaping it is
// caught here and shown in the ExceptionBox, in the current language
// (ErrorMessage); Dispatch then returns normally, so the code that set off the
// event carries on and nothing reaches Qt's loop.
void Dispatch(const Handler& handler);

}  // namespace quillmark
