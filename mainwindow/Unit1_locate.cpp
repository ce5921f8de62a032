// TForm1's locate action: the number boxes to a locator, a marked field and a
// scrolled map.
#include "mainwindow/Unit1.h"

#include <cstdint>
#include <variant>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "controls/bitmappicture.h"
#include "controls/noticebox.h"
#include "controls/radiobutton.h"
#include "controls/textbox.h"
#include "gridmap/gridgeometry.h"
#include "gridmap/zoomimage.h"
#include "languages/languages.h"
#include "locator/dms_text.h"
#include "locator/grid.h"
#include "locator/locator.h"

namespace quillmark {

namespace {

// The box's whole text, untrimmed; a text that is no integer throws
// InvalidInteger, which ends the action in the ExceptionBox.
std::int32_t integerIn(const TextBox* box) { return ParseInteger(box->text().toStdString()); }

}  // namespace

void TForm1::Image1Click() {
    // Every box is converted, in this order, before any range is judged.
    LocatorInput input{};
    input.LonDegrees = integerIn(Edit1);
    input.LonMinutes = integerIn(Edit2);
    input.LonSeconds = integerIn(Edit3);
    input.LatDegrees = integerIn(Edit4);
    input.LatMinutes = integerIn(Edit5);
    input.LatSeconds = integerIn(Edit6);
    input.West = RadioButton3->isChecked();
    input.South = RadioButton2->isChecked();

    const std::variant<LocatorResult, LocatorError> outcome = ComputeLocator(input);
    if (const auto* error = std::get_if<LocatorError>(&outcome)) {
        ShowNotice(LocatorMessage(*error));
        return;
    }
    const LocatorResult& result = std::get<LocatorResult>(outcome);
    HighlightField(*ImgLocGraph, ImgTemp->bitmap(), result.Field);
    ImgLocGraph->RefreshView();
    // The field is the locator's first pair of letters.
    ImgLocGraph->setAccessibleDescription(
        tr("已标出网格 %1").arg(QString::fromStdString(result.Locator.substr(0, 2))));
    EditResult->setText(QString::fromStdString(result.Locator));
    // The 8-character locator of the same exact position, for its tooltip and
    // the copy menu; ComputeLocator took the position, so this does too.
    const Position position{
        Angle::fromDms(input.LonDegrees, input.LonMinutes, input.LonSeconds, input.West),
        Angle::fromDms(input.LatDegrees, input.LatMinutes, input.LatSeconds, input.South)};
    const auto extended = locatorOf(position, LocatorLength::ExtendedSquare);
    if (const auto* locator = std::get_if<LocatorText>(&extended))
        EditResult->setToolTip(QString::fromLatin1(locator->text()));
    MenuCopy6->setEnabled(true);
    MenuCopy8->setEnabled(true);
}

void TForm1::MenuCopy6Click() { QGuiApplication::clipboard()->setText(EditResult->text()); }

void TForm1::MenuCopy8Click() { QGuiApplication::clipboard()->setText(EditResult->toolTip()); }

}  // namespace quillmark
