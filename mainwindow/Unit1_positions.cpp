// TForm1's positions pasted, dropped or entered in a coordinate line: a text
// that the line's notation does not read in full but the position reader does
// is written into the lines in the notation, as one edit of the user's; the
// number boxes and hemisphere buttons follow the lines as they follow typing.
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "controls/radiobutton.h"
#include "controls/textbox.h"
#include "locator/dms_text.h"
#include "locator/position_text.h"
#include "mainwindow/Unit1.h"

namespace quillmark {

namespace {

using Reason = PositionRefusal::Reason;

// A coordinate line, its letters and the button of its negative side.
struct Line {
    TextBox* box;
    CoordinateAxis axis;
    char positive;
    char negative;
    const RadioButton* negativeButton;
};

Line longitudeLine(const TForm1& form) {
    return {form.EditLon, CoordinateAxis::Longitude, 'E', 'W', form.RadioButton3};
}

Line latitudeLine(const TForm1& form) {
    return {form.EditLat, CoordinateAxis::Latitude, 'N', 'S', form.RadioButton2};
}

std::string utf8(const QString& text) { return text.toStdString(); }

QString offsetMapName(OffsetMapService service) {
    switch (service) {
        case OffsetMapService::Amap:
            return TForm1::tr("高德地图");
        case OffsetMapService::Baidu:
            return TForm1::tr("百度地图");
        case OffsetMapService::Tencent:
            return TForm1::tr("腾讯地图");
        case OffsetMapService::GoogleChina:
            return TForm1::tr("谷歌地图中国版");
    }
    return {};
}

// Why the reader refused a text, for the line of `axis`, in the window's language.
QString refusalNote(const PositionRefusal& refusal, CoordinateAxis axis) {
    switch (refusal.reason) {
        case Reason::Empty:
        case Reason::Unreadable:
            return TForm1::tr("不是能读出的位置写法");
        case Reason::OneValue:
            return TForm1::tr("只有一个数值；位置需要纬度和经度两个");
        case Reason::TooManyValues:
            return TForm1::tr("数值多于两个");
        case Reason::LatitudeOutOfRange:
            return TForm1::tr("纬度超出范围：南纬 90° 至北纬 90°，北纬 90° 不含");
        case Reason::LongitudeOutOfRange:
            return TForm1::tr("经度超出范围：西经 180° 至东经 180°，东经 180° 不含");
        case Reason::TwoLatitudes:
            return TForm1::tr("两个数值都标为纬度");
        case Reason::TwoLongitudes:
            return TForm1::tr("两个数值都标为经度");
        case Reason::HemisphereOnOneValue:
            return TForm1::tr("只有一个数值标明了方向（N、S、E、W 或北纬等）");
        case Reason::SignAndHemisphere:
            return TForm1::tr("同一数值既有正负号又标明了方向");
        case Reason::MinutesTooLarge:
            return TForm1::tr("分不能是 60 或更大");
        case Reason::SecondsTooLarge:
            return TForm1::tr("秒不能是 60 或更大");
        case Reason::MissingMark:
            return TForm1::tr("分或秒没有符号，后面又是数字，分不清");
        case Reason::LooksLikeMinutes:
            return TForm1::tr("像是没有符号的度和分（23 06.534）：请写上 ° 和 ′");
        case Reason::HyphenBetweenNumbers:
            return TForm1::tr("数字后的 - 或 + 分不清是正负号还是分隔符");
        case Reason::DecimalComma:
            return TForm1::tr("逗号分不清是小数点还是分隔符");
        case Reason::Exponent:
            return TForm1::tr("不接受指数写法");
        case Reason::NotANumber:
            return TForm1::tr("NaN 和无穷大不是数值");
        case Reason::TooManyDecimals:
            return TForm1::tr("小数多于 18 位，无法精确换算");
        case Reason::StrayText:
            return TForm1::tr("“%1”不是位置的一部分").arg(QString::fromStdString(refusal.text));
        case Reason::NotALocator:
            return TForm1::tr("不是有效的网格");
        case Reason::OtherAxis:
            return axis == CoordinateAxis::Longitude ? TForm1::tr("这是纬度，请粘贴到纬度框")
                                                     : TForm1::tr("这是经度，请粘贴到经度框");
        case Reason::PositionlessLink:
            return TForm1::tr("链接中没有坐标；短链接请先在浏览器中打开，再复制完整地址");
        case Reason::OtherSite:
            return TForm1::tr("读不了 %1 的链接").arg(QString::fromStdString(refusal.text));
        case Reason::OffsetMap:
            return TForm1::tr("%1的坐标有意偏离 WGS-84，无法准确换算")
                .arg(offsetMapName(refusal.service));
    }
    return {};
}

bool readsInFull(const Line& line, const QString& text) {
    return readDmsLine(utf8(text), line.positive, line.negative).has_value();
}

// Both lines, or the one the reading fills, in the notation, as one edit.
void fillLines(const TForm1& form, const LineReading& reading) {
    std::vector<std::pair<TextBox*, QString>> texts;
    if (reading.longitude)
        texts.emplace_back(form.EditLon,
                           QString::fromStdString(dmsText(*reading.longitude, 'E', 'W')));
    if (reading.latitude)
        texts.emplace_back(form.EditLat,
                           QString::fromStdString(dmsText(*reading.latitude, 'N', 'S')));
    TextBox::replaceAsUser(texts);
}

void pastePosition(const TForm1& form, const Line& line) {
    const QString pasted = line.box->pastedText();
    const QString after = line.box->textAfterPaste();
    // A line in the notation goes in as it is, and so does a piece that
    // makes one.
    if (readsInFull(line, after)) return;
    const bool wholeLine = TrimBlanks(utf8(after)) == TrimBlanks(utf8(pasted));
    const auto reading = readForLine(utf8(pasted), line.axis, line.negativeButton->isChecked());
    if (const auto* refusal = std::get_if<PositionRefusal>(&reading)) {
        // Pieces of a line pasted into it are the user's editing: no note
        // for what is no position at all.
        if (refusal->reason != Reason::Empty &&
            (wholeLine || refusal->reason != Reason::Unreadable))
            line.box->setNote(refusalNote(*refusal, line.axis));
        return;
    }
    const LineReading& lines = std::get<LineReading>(reading);
    // One value pasted into part of a line, such as 54 over the seconds, is
    // an edit of that part; it fills the line when it takes the line's place.
    if (!wholeLine && !(lines.longitude && lines.latitude)) return;
    fillLines(form, lines);
}

void enterPosition(const TForm1& form, const Line& line) {
    const QString text = line.box->text();
    if (readsInFull(line, text)) return;
    const auto reading = readForLine(utf8(text), line.axis, line.negativeButton->isChecked());
    if (const auto* refusal = std::get_if<PositionRefusal>(&reading)) {
        if (refusal->reason != Reason::Empty) line.box->setNote(refusalNote(*refusal, line.axis));
        return;
    }
    fillLines(form, std::get<LineReading>(reading));
}

}  // namespace

void TForm1::EditLonPaste() { pastePosition(*this, longitudeLine(*this)); }

void TForm1::EditLatPaste() { pastePosition(*this, latitudeLine(*this)); }

void TForm1::EditLonReturn() {
    enterPosition(*this, longitudeLine(*this));
    Image1Click();
}

void TForm1::EditLatReturn() {
    enterPosition(*this, latitudeLine(*this));
    Image1Click();
}

}  // namespace quillmark
