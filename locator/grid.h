// Maidenhead locators of every precision, both ways, exactly: the locator of a
// position at 2 to 10 characters, and the square a locator names.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "locator/angle.h"
#include "locator/locator.h"

namespace quillmark {

// How many characters a locator has: each pair cuts the cell of the pair
// before it, in longitude and latitude alike.
enum class LocatorLength {
    Field = 2,               // letters A-R: 20 x 10 degrees
    Square = 4,              // digits 0-9: 2 x 1 degrees
    Subsquare = 6,           // letters A-X: 5 x 2.5 minutes
    ExtendedSquare = 8,      // digits 0-9: 30 x 15 seconds
    ExtendedSubsquare = 10,  // letters A-X: 1.25 x 0.625 seconds
};

// The length of `characters` characters; nothing unless 2, 4, 6, 8 or 10.
std::optional<LocatorLength> locatorLength(int characters);

// A locator of 2 to 10 characters, all upper case, held without allocation.
struct LocatorText {
    std::array<char, 10> chars{};
    std::uint8_t length = 0;
    std::string_view text() const { return {chars.data(), length}; }
};

// The locator of `position` at `length` characters: the rule of
// ComputeLocator (the value plus 0.000001 degree, so that a position on a
// cell boundary goes to the cell east or north of it) continued or stopped.
// A longer locator always begins with the shorter one, and at 6 characters
// this equals ComputeLocator for every whole-second input.
//
// A longitude from 180 W (included) to 180 E (excluded) and a latitude from
// 90 S (included) to 90 N (excluded) are taken; a value that the offset
// carries onto or past 180 E or 90 N lies in the last cell (R, 9, X). Anything
// else is refused, the longitude first: LongitudeOutOfRange, then
// LatitudeOutOfRange. For whole seconds these are exactly ComputeLocator's
// limits.
std::variant<LocatorText, LocatorError> locatorOf(const Position& position, LocatorLength length);

// The square a locator names, exactly: its south-west and north-east corners
// and its centre. Locating the centre at the same length gives the locator
// back.
struct LocatorArea {
    LocatorLength length;
    Position southWest;
    Position northEast;
    Position centre;
};

// What is wrong with a text that is no locator.
struct LocatorRefusal {
    enum class Reason {
        WrongLength,       // fewer than 2 or more than 10 characters
        OddLength,         // 3, 5, 7 or 9 characters
        NotLetterOrDigit,  // `character` at `position` is neither
        OutOfPairRange,    // a letter or digit that its pair does not take
    };
    Reason reason;
    int length;              // the text's length in characters
    int position = 0;        // 1-based, for the two character reasons
    char32_t character = 0;  // the offending character (U+FFFD for a byte that is no UTF-8)
};

// The characters the pair holding `position` (1-based, 1 to 10) takes, in
// upper case: A-R, 0-9, A-X, 0-9, A-X.
struct PairRange {
    char first;
    char last;
};
PairRange pairRangeAt(int position);

// The square named by `text`, a locator of 2 to 10 characters in any letter
// case ("OL63pc", "jo62QM12"), or why it is none. Characters count as UTF-8
// code points. The length is judged before the characters when it is outside
// 2..10, and after them when it is odd, so that "OL63 PC" is refused for its
// blank rather than for its length.
std::variant<LocatorArea, LocatorRefusal> locatorArea(std::string_view text);

}  // namespace quillmark
