// TForm1's input synchronisation: the coordinate texts, the number boxes and the
// hemisphere buttons keep each other in step. Every handler reads the controls
// as they are when it runs and writes others, whose handlers run nested inside
// the write; the cascade ends because a write of an equal text or a check of a
// checked button does nothing.
#include <optional>
#include <string>

#include "controls/radiobutton.h"
#include "controls/textbox.h"
#include "locator/dms_text.h"
#include "mainwindow/Unit1.h"

namespace quillmark {

namespace {

// The controls of one axis and its two letters, the first being the one
// ParseDmsText tests first.
struct Axis {
    TextBox* coordinate;
    TextBox* degrees;
    TextBox* minutes;
    TextBox* seconds;
    RadioButton* firstButton;
    RadioButton* secondButton;
    char first;
    char second;
};

std::string utf8(const QString& text) { return text.toStdString(); }

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

void setComponent(TextBox* box, const std::optional<std::int32_t>& value) {
    if (value) box->setText(fromUtf8(DecimalText(*value)));
}

// Reads the coordinate text into the axis's number boxes and buttons. Every
// step works on T as read at the start, whatever the nested handlers do to the
// coordinate box meanwhile. InvalidInteger ends the reading where it arises.
void ParseDmsText(const Axis& axis) {
    const std::string t = TrimLeadingBlanks(utf8(axis.coordinate->text()));
    axis.coordinate->setText(fromUtf8(t));
    setComponent(axis.degrees, ExtractDegrees(t));
    setComponent(axis.minutes, ExtractMinutes(t));
    setComponent(axis.seconds, ExtractSeconds(t));
    const HemisphereLetters found = FindHemisphereLetters(t, axis.first, axis.second);
    if (found.First) axis.firstButton->check();
    if (found.Second) axis.secondButton->check();
}

// Writes a number box's text, exactly as the box holds it, into its place in
// the coordinate text.
void replaceComponent(TextBox* coordinate, const TextBox* box,
                      std::string (*replace)(std::string_view, std::string_view)) {
    coordinate->setText(fromUtf8(replace(utf8(coordinate->text()), utf8(box->text()))));
}

// A hemisphere button's click: its own hint letter replaces the axis's letters
// in the coordinate text.
void applyHemisphere(const Axis& axis, const RadioButton* button) {
    const std::string text = utf8(axis.coordinate->text());
    if (!button->isChecked()) {
        axis.coordinate->setText(fromUtf8(TrimBlanks(text)));
        return;
    }
    const std::string hint = utf8(button->hint());
    // A byte above 127 is never appended: a hint that is not one letter adds none.
    const char letter = hint.size() == 1 ? hint[0] : '\x80';
    axis.coordinate->setText(fromUtf8(SetHemisphereLetter(text, letter, axis.first, axis.second)));
}

Axis longitude(const TForm1& form) {
    return {form.EditLon,      form.Edit1,        form.Edit2, form.Edit3,
            form.RadioButton4, form.RadioButton3, 'E',        'W'};
}

Axis latitude(const TForm1& form) {
    return {form.EditLat,      form.Edit4,        form.Edit5, form.Edit6,
            form.RadioButton1, form.RadioButton2, 'N',        'S'};
}

}  // namespace

void TForm1::EditLonChange() { ParseDmsText(longitude(*this)); }
void TForm1::EditLatChange() { ParseDmsText(latitude(*this)); }
void TForm1::RadioButton3Click() { applyHemisphere(longitude(*this), RadioButton3); }
void TForm1::RadioButton4Click() { applyHemisphere(longitude(*this), RadioButton4); }
void TForm1::RadioButton1Click() { applyHemisphere(latitude(*this), RadioButton1); }
void TForm1::RadioButton2Click() { applyHemisphere(latitude(*this), RadioButton2); }
void TForm1::Edit1Change() { replaceComponent(EditLon, Edit1, ReplaceDegrees); }
void TForm1::Edit2Change() { replaceComponent(EditLon, Edit2, ReplaceMinutes); }
void TForm1::Edit3Change() { replaceComponent(EditLon, Edit3, ReplaceSeconds); }
void TForm1::Edit4Change() { replaceComponent(EditLat, Edit4, ReplaceDegrees); }
void TForm1::Edit5Change() { replaceComponent(EditLat, Edit5, ReplaceMinutes); }
void TForm1::Edit6Change() { replaceComponent(EditLat, Edit6, ReplaceSeconds); }

}  // namespace quillmark
