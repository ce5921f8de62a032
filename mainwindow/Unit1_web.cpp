// TForm1's web panels and the links to the maker's home page.
#include "mainwindow/Unit1.h"

namespace quillmark {

void TForm1::Timer1Timer() {}
void TForm1::Timer2Timer() {}
void TForm1::WebBrowser1DocumentComplete() {}
void TForm1::WebBrowser2DocumentComplete() {}
void TForm1::ImgLogoClick() {}
void TForm1::Label1Click() {}

}  // namespace quillmark
