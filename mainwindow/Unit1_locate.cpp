// TForm1's locate action: the number boxes to a locator, a marked field and a
// scrolled map.
#include "mainwindow/Unit1.h"

namespace quillmark {

void TForm1::Image1Click() {}

}  // namespace quillmark
