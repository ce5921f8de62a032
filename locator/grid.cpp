#include "locator/grid.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "locator/utf8.h"

namespace quillmark {
namespace {

using Units = Angle::Units;

// The 0.000001 degree of ComputeLocator: a whole number of units.
constexpr Units kOffset = Angle::kPerDegree / 1'000'000;

// Every locator is read off one index per axis: the number of the finest cell
// (a tenth character) counted from 180 W or 90 S. A field holds 10 x 24 x 10 x
// 24 of them; a character pair of `length` takes the index divided by
// kDivisor[length / 2 - 1] in its own base.
constexpr std::uint32_t kFinestPerField = 10 * 24 * 10 * 24;
constexpr std::uint32_t kFinestPerAxis = 18 * kFinestPerField;
constexpr std::uint32_t kDivisor[] = {10 * 24 * 10 * 24, 24 * 10 * 24, 10 * 24, 24, 1};
constexpr std::uint32_t kBase[] = {18, 10, 24, 10, 24};
constexpr char kFirst[] = {'A', '0', 'A', '0', 'A'};

// The finest cells are 1.25 and 0.625 arc seconds wide: 2^16 and 2^15 times
// 5^19 units.
constexpr std::uint64_t kFiveTo19 = 19'073'486'328'125;

struct Axis {
    Units half;  // 180 or 90 degrees: the axis runs from -half (included) to half
    int twos;    // the finest cell's width is 2^twos * 5^19 units
    constexpr Units finest() const { return (Units{1} << twos) * kFiveTo19; }
};
constexpr Axis kLongitude{180 * Angle::kPerDegree, 16};
constexpr Axis kLatitude{90 * Angle::kPerDegree, 15};
static_assert(kLongitude.finest() * kFinestPerField == 20 * Angle::kPerDegree &&
                  kLatitude.finest() * kFinestPerField == 10 * Angle::kPerDegree,
              "every cell edge is a whole number of units");
static_assert(kLongitude.finest() / 2 > kOffset && kLatitude.finest() / 2 > kOffset,
              "the offset never carries a cell's centre out of its cell");
static_assert((2 * kLongitude.half + kOffset) >> (kLongitude.twos + 1) < Units{1} << 64 &&
                  (2 * kLatitude.half + kOffset) >> (kLatitude.twos + 1) < Units{1} << 64,
              "finestCell's halved quotient fits in 64 bits");

bool inRange(Angle value, const Axis& axis) {
    return value.units >= -axis.half && value.units < axis.half;
}

// The finest cell of an accepted value, the offset added; the offset may carry
// it onto or past the upper limit, which stays in the last cell. The division
// by 2^twos * 5^19 runs in 64 bits (a 128-bit one is a slow library call):
// with y = x / 2^(twos+1) and its last bit b, x / cell = 2 (y / 5^19) + (2 (y %
// 5^19) + b) / 5^19, the last term 0 or 1.
std::uint32_t finestCell(Angle value, const Axis& axis) {
    const auto x = static_cast<unsigned __int128>(value.units + kOffset + axis.half);
    const auto y = static_cast<std::uint64_t>(x >> (axis.twos + 1));
    const auto b = static_cast<std::uint64_t>(x >> axis.twos) & 1;
    const std::uint64_t index = 2 * (y / kFiveTo19) + (2 * (y % kFiveTo19) + b >= kFiveTo19);
    return index < kFinestPerAxis ? static_cast<std::uint32_t>(index) : kFinestPerAxis - 1;
}

// The characters of the five pairs for the finest cell `c` of one axis. The
// divisors are spelt out so that each is a multiplication.
std::array<std::uint64_t, 5> pairCharacters(std::uint32_t c) {
    static_assert(kDivisor[0] == 57600 && kDivisor[1] == 5760 && kDivisor[2] == 240 &&
                  kDivisor[3] == 24);
    return {std::uint64_t{'A'} + c / 57600, std::uint64_t{'0'} + c / 5760 % 10,
            std::uint64_t{'A'} + c / 240 % 24, std::uint64_t{'0'} + c / 24 % 10,
            std::uint64_t{'A'} + c % 24};
}

// The width of a cell of `length` on `axis`.
Units cellWidth(LocatorLength length, const Axis& axis) {
    return axis.finest() * kDivisor[static_cast<int>(length) / 2 - 1];
}

bool isAsciiLetter(char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isAsciiDigit(char32_t c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<LocatorLength> locatorLength(int characters) {
    switch (characters) {
        case 2:
        case 4:
        case 6:
        case 8:
        case 10:
            return static_cast<LocatorLength>(characters);
    }
    return std::nullopt;
}

std::variant<LocatorText, LocatorError> locatorOf(const Position& position, LocatorLength length) {
    if (!inRange(position.longitude, kLongitude)) return LocatorError::LongitudeOutOfRange;
    if (!inRange(position.latitude, kLatitude)) return LocatorError::LatitudeOutOfRange;
    const std::uint32_t cell[2] = {finestCell(position.longitude, kLongitude),
                                   finestCell(position.latitude, kLatitude)};
    // All ten characters, then cut, gathered in two integers in memory order
    // and stored at once.
    const std::array<std::uint64_t, 5> x = pairCharacters(cell[0]);
    const std::array<std::uint64_t, 5> y = pairCharacters(cell[1]);
    const std::uint64_t low = x[0] | y[0] << 8 | x[1] << 16 | y[1] << 24 | x[2] << 32 | y[2] << 40 |
                              x[3] << 48 | y[3] << 56;
    const auto high = static_cast<std::uint16_t>(x[4] | y[4] << 8);
    LocatorText result;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(result.chars.data(), &low, 8);
        std::memcpy(result.chars.data() + 8, &high, 2);
    } else {
        for (int at = 0; at < 10; ++at)
            result.chars[at] = static_cast<char>(at < 8 ? low >> (8 * at) : high >> (8 * (at - 8)));
    }
    // An out-of-range length is held to 2..10 rather than passed on.
    result.length = static_cast<std::uint8_t>(std::clamp(static_cast<int>(length) & ~1, 2, 10));
    return result;
}

PairRange pairRangeAt(int position) {
    const int pair = std::max(0, std::min(4, (position - 1) / 2));
    return {kFirst[pair], static_cast<char>(kFirst[pair] + kBase[pair] - 1)};
}

std::variant<LocatorArea, LocatorRefusal> locatorArea(std::string_view text) {
    char32_t characters[10];
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const DecodedCharacter c = decodeUtf8(text.substr(i));
        if (count < 10) characters[count] = c.code;
        i += c.length;
    }
    using Reason = LocatorRefusal::Reason;
    if (count < 2 || count > 10) return LocatorRefusal{Reason::WrongLength, count};

    std::uint32_t index[2] = {0, 0};
    for (int at = 0; at < count; ++at) {
        const char32_t c = characters[at];
        if (!isAsciiLetter(c) && !isAsciiDigit(c))
            return LocatorRefusal{Reason::NotLetterOrDigit, count, at + 1, c};
        const char32_t upper = c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
        const PairRange range = pairRangeAt(at + 1);
        if (upper < static_cast<char32_t>(range.first) || upper > static_cast<char32_t>(range.last))
            return LocatorRefusal{Reason::OutOfPairRange, count, at + 1, c};
        const int pair = at / 2;
        index[at % 2] += (upper - static_cast<char32_t>(range.first)) * kDivisor[pair];
    }
    if (count % 2 != 0) return LocatorRefusal{Reason::OddLength, count};

    const auto length = static_cast<LocatorLength>(count);
    const auto corner = [&](int axis, const Axis& a) {
        return Angle{index[axis] * a.finest() - a.half};
    };
    LocatorArea area{length, {}, {}, {}};
    area.southWest = {corner(0, kLongitude), corner(1, kLatitude)};
    const Angle width{cellWidth(length, kLongitude)};
    const Angle height{cellWidth(length, kLatitude)};
    area.northEast = {area.southWest.longitude + width, area.southWest.latitude + height};
    area.centre = {area.southWest.longitude + Angle{width.units / 2},
                   area.southWest.latitude + Angle{height.units / 2}};
    return area;
}

}  // namespace quillmark
