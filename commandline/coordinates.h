// Positions written as the window writes them: two coordinate lines such as
// 113°15'53.76"E and 23°6'32.02"N, read by the coordinate boxes' rules but
// with the seconds' fraction taken exactly.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "locator/grid.h"

namespace quillmark {

// The locator of the position written as a longitude line and a latitude line,
// or the message that says why there is none. Each line is read as the
// user's typing would have left it in its box (look-alikes of Chinese input
// methods mapped, letters in upper case, leading blanks gone); each component
// must stand between its marks and within its range, and a line holding both
// of its axis's letters counts as the second (W, S), as in the window.
std::variant<LocatorText, std::string> locateLines(std::string_view longitude,
                                                   std::string_view latitude, LocatorLength length);

// The locator of a position written in any notation the position reader reads
// (readPosition), or the message that says why there is none.
std::variant<LocatorText, std::string> locatePosition(std::string_view text, LocatorLength length);

}  // namespace quillmark
