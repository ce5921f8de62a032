// Every text the command line prints, in one place so that it can be
// translated: each in the desktop's language (commandline/translation.h).
// Texts that quote what the user gave show control characters and bytes that
// are no UTF-8 as \xHH, so that every message stays one line. What scripts
// read stays the same in every language: the "quillmark: " and "line N: "
// before a message, and everything on standard output but --help.
#pragma once

#include <string>
#include <string_view>

#include "commandline/translation.h"
#include "locator/grid.h"
#include "locator/locator.h"
#include "locator/position_text.h"

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
// case, leading blanks gone), `what` one of the three below; all three are
// given as written and translated here.
std::string missingComponent(std::string_view axis, std::string_view line, std::string_view what);
inline constexpr std::string_view kDegrees =
    QT_TRANSLATE_NOOP("quillmark::CommandLine", "degrees from 0 to 179");
inline constexpr std::string_view kMinutes =
    QT_TRANSLATE_NOOP("quillmark::CommandLine", "minutes from 0 to 59");
inline constexpr std::string_view kSeconds =
    QT_TRANSLATE_NOOP("quillmark::CommandLine", "seconds from 0 to 59");
std::string inexactSeconds(std::string_view axis, std::string_view line);
std::string missingHemisphere(std::string_view axis, std::string_view line, char first,
                              char second);
// The text that InvalidInteger could not read, worded as the window's error
// box words its message.
std::string invalidInteger(std::string_view text);
// The window's notice for a position out of range ("纬度参数出错！"), in the
// window's translation.
std::string outOfRange(LocatorError error);

// Why a text is no locator.
std::string notALocator(std::string_view text, const LocatorRefusal& refusal);

// Why a position text (--locate with one word, a batch line without a tab)
// gives no position: the text of the refusal's reason, one function each.
std::string notAPosition(std::string_view given, const PositionRefusal& refusal);
std::string positionEmpty(std::string_view given);
std::string positionUnreadable(std::string_view given);
std::string positionOneValue(std::string_view given);
std::string positionTooManyValues(std::string_view given);
std::string positionLatitudeOutOfRange(std::string_view given);
std::string positionLongitudeOutOfRange(std::string_view given);
std::string positionTwoLatitudes(std::string_view given);
std::string positionTwoLongitudes(std::string_view given);
std::string positionHemisphereOnOneValue(std::string_view given);
std::string positionSignAndHemisphere(std::string_view given);
std::string positionMinutesTooLarge(std::string_view given);
std::string positionSecondsTooLarge(std::string_view given);
std::string positionMissingMark(std::string_view given);
std::string positionLooksLikeMinutes(std::string_view given);
std::string positionHyphenBetweenNumbers(std::string_view given);
std::string positionDecimalComma(std::string_view given);
std::string positionExponent(std::string_view given);
std::string positionNotANumber(std::string_view given);
std::string positionTooManyDecimals(std::string_view given);
std::string positionStrayText(std::string_view given, std::string_view stray);
std::string positionlessLink(std::string_view given);
std::string linkToOtherSite(std::string_view given, std::string_view host);
std::string linkToOffsetMap(std::string_view given, OffsetMapService service);

// Batch conversion.
std::string onLine(long long number, std::string_view message);
std::string moreThanOneTab();

// "quillmark: <message>", for errors of a single request.
std::string failed(std::string_view message);
std::string cannotWrite(int error);
std::string cannotRead(int error);
std::string cannotLoadWindow(std::string_view error);

// What the user gave, made safe for one line of a terminal: control
// characters and bytes that are no UTF-8 as \xHH. A translatable text puts
// it between quotes of its own ("'%1'"), which each language writes its way.
std::string escaped(std::string_view text);
// The same between two `mark`s.
std::string quoted(std::string_view text, char mark = '"');

}  // namespace quillmark::messages
