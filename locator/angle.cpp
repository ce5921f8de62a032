#include "locator/angle.h"

namespace quillmark {

std::variant<Angle, DecimalRefusal> readDecimalAngle(std::string_view text, AngleUnit unit) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) return DecimalRefusal::NotADecimal;

    Angle::Units integer = 0;
    int significant = 0;
    for (char c : whole) {
        if (c < '0' || c > '9') return DecimalRefusal::NotADecimal;
        if (significant > 0 || c != '0') ++significant;
        if (significant > Angle::kMaxIntegerDigits) return DecimalRefusal::TooLarge;
        integer = integer * 10 + (c - '0');
    }
    // The fraction as a count of 10^-kDecimals; digits beyond that must be
    // zeros. Both stay below 10^18, within 64 bits, where dividing is cheap.
    std::uint64_t decimals = 0;
    std::uint64_t scale = static_cast<std::uint64_t>(Angle::kPerSecond);
    bool tooMany = false;
    for (char c : fraction) {
        if (c < '0' || c > '9') return DecimalRefusal::NotADecimal;
        if (scale == 1) {
            tooMany = tooMany || c != '0';
            continue;
        }
        scale /= 10;
        decimals += static_cast<std::uint64_t>(c - '0') * scale;
    }
    if (tooMany) return DecimalRefusal::TooManyDecimals;

    // 10^-kDecimals of a unit is a whole number of units: 3600 of a degree,
    // 60 of a minute, 1 of a second.
    const Angle::Units perUnit = unit == AngleUnit::Degree   ? Angle::kPerDegree
                                 : unit == AngleUnit::Minute ? Angle::kPerMinute
                                                             : Angle::kPerSecond;
    return Angle{integer * perUnit +
                 static_cast<Angle::Units>(decimals) * (perUnit / Angle::kPerSecond)};
}

}  // namespace quillmark
