// Every text the command line prints, in one place so that it can be
// translated. Texts that quote what the user gave show control characters and
// bytes that are no UTF-8 as \xHH, so that every message stays one line.
#pragma once

#include <string>
#include <string_view>

#include "locator/grid.h"

namespace quillmark::messages {

// --help, and --help-all with Qt's window options too.
std::string help(bool withWindowOptions);

// A command line that is not understood, as its one line on standard error:
// "quillmark: <problem>; try 'quillmark --help'".
std::string usage(std::string_view problem);
std::string unknownOption(std::string_view argument);
std::string unexpectedArgument(std::string_view argument);
std::string optionNeedsValue(std::string_view option);
std::string locateTakes(int lines);
std::string distanceTakes(int locators);
std::string badPrecision(std::string_view value);
std::string precisionWithoutLocate();
std::string oneRequestAtATime();

// Why a coordinate line gives no position. `axis` is "longitude" or
// "latitude", `line` the line as read (look-alikes mapped, letters in upper
// case, leading blanks gone).
std::string missingComponent(std::string_view axis, std::string_view line, std::string_view what);
inline constexpr std::string_view kDegrees = "degrees from 0 to 179";
inline constexpr std::string_view kMinutes = "minutes from 0 to 59";
inline constexpr std::string_view kSeconds = "seconds from 0 to 59";
std::string inexactSeconds(std::string_view axis, std::string_view line);
std::string missingHemisphere(std::string_view axis, std::string_view line, char first,
                              char second);
// InvalidInteger's message worded as the window's error box words it.
std::string invalidInteger(std::string_view what);

// Why a text is no locator.
std::string notALocator(std::string_view text, const LocatorRefusal& refusal);

// Batch conversion.
std::string onLine(long long number, std::string_view message);
std::string noTab();
std::string moreThanOneTab();

// "quillmark: <message>", for errors of a single request.
std::string failed(std::string_view message);
std::string cannotWrite(int error);
std::string cannotRead(int error);

// The text between two `mark`s, made safe for one line of a terminal.
std::string quoted(std::string_view text, char mark = '"');

}  // namespace quillmark::messages
