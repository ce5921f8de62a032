// How a text is made translatable: write the whole sentence as one English
// text, with %1, %2 ... where values go (what the user gave, through
// escaped() between the text's own quotes), mark it for lupdate and give it
// with its values to text():
//
//     std::string badPrecision(std::string_view value) {
//         //: %1: what was given instead
//         return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
//                                       "--precision takes 2, 4, 6, 8 or 10, not '%1'"),
//                     {escaped(value)});
//     }
//
// A "//:" line just above it is a note for translators. Then bring the .ts
// files up to date (cmake --build --preset default --target
// update_translations) and translate the new entries in
// languages/commandline_*.ts; translations_test fails until every one is done.
// Put a sentence together from translated parts only where a part is a noun
// ("longitude", "a field letter"); such parts are marked where they are
// written and translated by text() where they are used.
#include "commandline/messages.h"

#include <cstring>
#include <initializer_list>

#include "locator/utf8.h"

namespace quillmark::messages {
namespace {

// `source`, a text of the command line, in the desktop's language, with %1 to
// %9 replaced by `values` in one pass: nothing in the values is read as a
// pattern.
std::string text(std::string_view source, std::initializer_list<std::string_view> values = {}) {
    const std::string written(source);
    const std::string_view pattern = Translated(kCommandLineContext, written.c_str());
    std::string result;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            static_cast<std::size_t>(pattern[i + 1] - '1') < values.size()) {
            result += values.begin()[pattern[i + 1] - '1'];
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}

// A text put together from its parts, as texts not yet made translatable are.
[[maybe_unused]] std::string join(std::initializer_list<std::string_view> parts) {
    std::string joined;
    for (std::string_view part : parts) joined += part;
    return joined;
}

std::string number(long long n) { return std::to_string(n); }

// The names of the parts of a sentence, for lupdate; text() translates them.
[[maybe_unused]] constexpr const char* kAxes[] = {
    QT_TRANSLATE_NOOP("quillmark::CommandLine", "longitude"),
    QT_TRANSLATE_NOOP("quillmark::CommandLine", "latitude"),
};

std::string_view pairName(int position) {
    static constexpr std::string_view kNames[] = {
        QT_TRANSLATE_NOOP("quillmark::CommandLine", "a field letter"),
        QT_TRANSLATE_NOOP("quillmark::CommandLine", "a square digit"),
        QT_TRANSLATE_NOOP("quillmark::CommandLine", "a subsquare letter"),
        QT_TRANSLATE_NOOP("quillmark::CommandLine", "an extended square digit"),
        QT_TRANSLATE_NOOP("quillmark::CommandLine", "an extended subsquare letter")};
    return kNames[(position - 1) / 2];
}

std::string_view offsetMapName(OffsetMapService service) {
    static constexpr std::string_view kNames[] = {
        QT_TRANSLATE_NOOP("quillmark::CommandLine", "Amap (Gaode)"),
        QT_TRANSLATE_NOOP("quillmark::CommandLine", "Baidu Maps"),
        QT_TRANSLATE_NOOP("quillmark::CommandLine", "Tencent Maps"),
        QT_TRANSLATE_NOOP("quillmark::CommandLine", "Google Maps China")};
    return kNames[static_cast<int>(service)];
}

std::string character(char32_t c) {
    if (c == kReplacementCharacter)
        return text(QT_TRANSLATE_NOOP("quillmark::CommandLine", "a byte that is no UTF-8"));
    std::string utf8;
    appendUtf8(utf8, c);
    //: One character of a locator, quoted
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine", "\"%1\""), {escaped(utf8)});
}

// The program's name before a message, which scripts look for.
std::string program(std::string_view message) { return "quillmark: " + std::string(message); }

//: --help. Keep the options as they are, each line within 80 columns (a
//: Chinese character takes two) and the descriptions starting in column 32.
constexpr std::string_view kHelp = QT_TRANSLATE_NOOP(
    "quillmark::CommandLine",
    "Usage: quillmark [OPTION]...\n"
    "Maidenhead locators of positions, positions of locators and the distance between\n"
    "them. Without options, opens the window.\n"
    "\n"
    "  --locate POSITION            print the locator of a position copied from a\n"
    "                               map, a GPS, a link or a text: decimal degrees\n"
    "                               (\"23.1089, 113.2649\", latitude first), degrees\n"
    "                               and minutes, degrees minutes and seconds with\n"
    "                               N S E W or 北纬 东经, APRS and NMEA, ISO 6709,\n"
    "                               geo: URIs, Google Maps and OpenStreetMap links,\n"
    "                               or a locator\n"
    "  --locate LONGITUDE LATITUDE  print the locator of the position given as two\n"
    "                               lines in the window's notation, for example\n"
    "                               113°15'53.76\"E 23°6'32.02\"N (seconds exact with\n"
    "                               up to 18 decimals)\n"
    "  --locate -                   the same for each line of standard input: the\n"
    "                               longitude, a tab and the latitude, or a\n"
    "                               position without a tab\n"
    "  --precision N                with --locate: 2, 4, 6, 8 or 10 characters\n"
    "                               (6 unless given)\n"
    "  --position LOCATOR           print the centre and the south-west and\n"
    "                               north-east corners of a locator of 2 to 10\n"
    "                               characters\n"
    "  --distance FROM TO           print the distance and the initial azimuth from\n"
    "                               the centre of one locator to the other's, by the\n"
    "                               short path and by the long path\n"
    "  -h, --help                   print this help\n"
    "  --help-all                   print this help and the window's options\n"
    "  -v, --version                print the version\n"
    "\n"
    "Exit status: 0 done; 1 when a position or locator cannot be used (in a batch,\n"
    "when any line cannot); 2 when the command line is not understood.\n");

//: --help-all adds these to --help. Keep the options as they are.
constexpr std::string_view kWindowOptions = QT_TRANSLATE_NOOP(
    "quillmark::CommandLine",
    "\n"
    "Window options, Qt's own (one dash or two):\n"
    "  -platform NAME               the display platform: xcb, wayland, offscreen...\n"
    "  -platformpluginpath DIR      where to look for display platforms\n"
    "  -platformtheme NAME          the desktop theme to follow\n"
    "  -plugin NAME                 load an input device plugin\n"
    "  -qwindowgeometry GEOMETRY    the window's place, for example +100+50\n"
    "  -qwindowtitle TITLE          the window's title\n"
    "  -qwindowicon FILE            the window's icon\n"
    "  -geometry, -title, -icon     the same on X11\n"
    "  -display DISPLAY             the X11 display to use\n"
    "  -name NAME                   the X11 resource name\n"
    "  -visual VISUAL               the X11 visual\n"
    "  -style STYLE, -style=STYLE   the widget style\n"
    "  -stylesheet FILE, -stylesheet=FILE  a style sheet for the widgets\n"
    "  -reverse                     lay the window out right to left\n"
    "  -session ID                  restore a desktop session\n"
    "  -widgetcount                 count the widgets at exit\n"
    "  -testability                 load Qt's testability plugin\n"
    "  -nograb, -dograb             X11 mouse and keyboard grabs, for debugging\n"
    "  -qmljsdebugger=OPTIONS       Qt's QML debugger\n");

}  // namespace

std::string help(bool withWindowOptions) {
    std::string result = text(kHelp);
    if (withWindowOptions) result += text(kWindowOptions);
    return result;
}

std::string usage(std::string_view problem) {
    //: %1: what is wrong with the command line
    return program(
        text(QT_TRANSLATE_NOOP("quillmark::CommandLine", "%1; try 'quillmark --help'"), {problem}));
}

std::string unknownOption(std::string_view argument) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine", "unknown option '%1'"),
                {escaped(argument)});
}

std::string unexpectedArgument(std::string_view argument) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine", "unexpected argument '%1'"),
                {escaped(argument)});
}

std::string optionNeedsValue(std::string_view option) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine", "option %1 needs a value"), {option});
}

std::string locateTakes(int lines) {
    //: %1: how many were given
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "--locate takes a position, two lines (the longitude and the "
                                  "latitude) or - for standard input, not %1"),
                {number(lines)});
}

std::string distanceTakes(int locators) {
    return text(
        QT_TRANSLATE_NOOP("quillmark::CommandLine", "--distance takes two locators, not %1"),
        {number(locators)});
}

std::string badPrecision(std::string_view value) {
    //: %1: what was given instead
    return text(
        QT_TRANSLATE_NOOP("quillmark::CommandLine", "--precision takes 2, 4, 6, 8 or 10, not '%1'"),
        {escaped(value)});
}

std::string precisionWithoutLocate() {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine", "--precision goes with --locate"));
}

std::string oneRequestAtATime() {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "give one of --locate, --position and --distance, once"));
}

std::string missingComponent(std::string_view axis, std::string_view line, std::string_view what) {
    //: %1: longitude or latitude; %2: the coordinate line; %3: such as "degrees from 0 to 179"
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine", "the %1 \"%2\" has no %3"),
                {text(axis), escaped(line), text(what)});
}

std::string inexactSeconds(std::string_view axis, std::string_view line) {
    //: %1: longitude or latitude; %2: the coordinate line
    return text(QT_TRANSLATE_NOOP(
                    "quillmark::CommandLine",
                    "the %1 \"%2\" has a fraction of a second that is not up to 18 decimal digits"),
                {text(axis), escaped(line)});
}

std::string missingHemisphere(std::string_view axis, std::string_view line, char first,
                              char second) {
    //: %1: longitude or latitude; %2: the coordinate line; %3, %4: E and W, or N and S
    return text(
        QT_TRANSLATE_NOOP("quillmark::CommandLine",
                          "the %1 \"%2\" has no hemisphere letter %3 or %4"),
        {text(axis), escaped(line), std::string_view(&first, 1), std::string_view(&second, 1)});
}

std::string invalidInteger(std::string_view textGiven) {
    //: %1: the text read as a whole number of degrees, minutes or seconds
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine", "'%1' is not a valid integer value."),
                {escaped(textGiven)});
}

std::string outOfRange(LocatorError error) {
    // The window's own text, translated as the window translates it.
    const std::string written(MessageText(error));
    return std::string(Translated("quillmark::LocatorError", written.c_str()));
}

std::string notALocator(std::string_view locatorText, const LocatorRefusal& refusal) {
    const std::string locator = escaped(locatorText);
    using Reason = LocatorRefusal::Reason;
    switch (refusal.reason) {
        case Reason::WrongLength:
            if (refusal.length == 1) {
                return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                              "the locator \"%1\" has 1 character; a locator has "
                                              "2 to 10"),
                            {locator});
            }
            //: %2: how many characters, 0 or more than 10
            return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                          "the locator \"%1\" has %2 characters; a locator has 2 "
                                          "to 10"),
                        {locator, number(refusal.length)});
        case Reason::OddLength:
            return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                          "the locator \"%1\" has an odd number of characters "
                                          "(%2); a locator has 2, 4, 6, 8 or 10"),
                        {locator, number(refusal.length)});
        case Reason::NotLetterOrDigit:
            //: %2: the character, quoted, or "a byte that is no UTF-8"; %3: its place, from 1
            return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                          "the locator \"%1\" has %2 at %3, which is neither a "
                                          "letter nor a digit"),
                        {locator, character(refusal.character), number(refusal.position)});
        case Reason::OutOfPairRange: {
            const PairRange range = pairRangeAt(refusal.position);
            //: %2: the character, quoted; %3: its place, from 1; %4: such as "a field letter";
            //: %5 to %6: what that place takes, such as A to R
            return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                          "the locator \"%1\" has %2 at %3 where %4 goes, %5 to "
                                          "%6"),
                        {locator, character(refusal.character), number(refusal.position),
                         text(pairName(refusal.position)), std::string_view(&range.first, 1),
                         std::string_view(&range.last, 1)});
        }
    }
    return locator;
}

std::string notAPosition(std::string_view given, const PositionRefusal& refusal) {
    using Reason = PositionRefusal::Reason;
    switch (refusal.reason) {
        case Reason::Empty:
            return positionEmpty(given);
        case Reason::Unreadable:
        case Reason::OtherAxis:
            return positionUnreadable(given);
        case Reason::OneValue:
            return positionOneValue(given);
        case Reason::TooManyValues:
            return positionTooManyValues(given);
        case Reason::LatitudeOutOfRange:
            return positionLatitudeOutOfRange(given);
        case Reason::LongitudeOutOfRange:
            return positionLongitudeOutOfRange(given);
        case Reason::TwoLatitudes:
            return positionTwoLatitudes(given);
        case Reason::TwoLongitudes:
            return positionTwoLongitudes(given);
        case Reason::HemisphereOnOneValue:
            return positionHemisphereOnOneValue(given);
        case Reason::SignAndHemisphere:
            return positionSignAndHemisphere(given);
        case Reason::MinutesTooLarge:
            return positionMinutesTooLarge(given);
        case Reason::SecondsTooLarge:
            return positionSecondsTooLarge(given);
        case Reason::MissingMark:
            return positionMissingMark(given);
        case Reason::LooksLikeMinutes:
            return positionLooksLikeMinutes(given);
        case Reason::HyphenBetweenNumbers:
            return positionHyphenBetweenNumbers(given);
        case Reason::DecimalComma:
            return positionDecimalComma(given);
        case Reason::Exponent:
            return positionExponent(given);
        case Reason::NotANumber:
            return positionNotANumber(given);
        case Reason::TooManyDecimals:
            return positionTooManyDecimals(given);
        case Reason::StrayText:
            return positionStrayText(given, refusal.text);
        case Reason::NotALocator:
            return notALocator(given, refusal.locator);
        case Reason::PositionlessLink:
            return positionlessLink(given);
        case Reason::OtherSite:
            return linkToOtherSite(given, refusal.text);
        case Reason::OffsetMap:
            return linkToOffsetMap(given, refusal.service);
    }
    return positionUnreadable(given);
}

std::string positionEmpty(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine", "the position \"%1\" is empty"),
                {escaped(given)});
}

std::string positionUnreadable(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" is written in no notation quillmark reads"),
                {escaped(given)});
}

std::string positionOneValue(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" has one value; a position needs the "
                                  "latitude and the longitude"),
                {escaped(given)});
}

std::string positionTooManyValues(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" has more than two numbers"),
                {escaped(given)});
}

std::string positionLatitudeOutOfRange(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" has a latitude outside 90°S to 90°N, 90°N "
                                  "excluded"),
                {escaped(given)});
}

std::string positionLongitudeOutOfRange(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" has a longitude outside 180°W to 180°E, "
                                  "180°E excluded"),
                {escaped(given)});
}

std::string positionTwoLatitudes(std::string_view given) {
    return text(
        QT_TRANSLATE_NOOP("quillmark::CommandLine", "the position \"%1\" has two latitudes"),
        {escaped(given)});
}

std::string positionTwoLongitudes(std::string_view given) {
    return text(
        QT_TRANSLATE_NOOP("quillmark::CommandLine", "the position \"%1\" has two longitudes"),
        {escaped(given)});
}

std::string positionHemisphereOnOneValue(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" names the hemisphere of one value but not "
                                  "of the other"),
                {escaped(given)});
}

std::string positionSignAndHemisphere(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" has a value with both a sign and a "
                                  "hemisphere"),
                {escaped(given)});
}

std::string positionMinutesTooLarge(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" has minutes of 60 or more"),
                {escaped(given)});
}

std::string positionSecondsTooLarge(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" has seconds of 60 or more"),
                {escaped(given)});
}

std::string positionMissingMark(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" has minutes or seconds without their mark "
                                  "before another number"),
                {escaped(given)});
}

std::string positionLooksLikeMinutes(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" looks like degrees and decimal minutes "
                                  "without their marks; write ° and '"),
                {escaped(given)});
}

std::string positionHyphenBetweenNumbers(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" has a - or + right after a number: a sign "
                                  "or a separator?"),
                {escaped(given)});
}

std::string positionDecimalComma(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" has a comma between digits: a decimal "
                                  "comma or a separator?"),
                {escaped(given)});
}

std::string positionExponent(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" has a number with an exponent"),
                {escaped(given)});
}

std::string positionNotANumber(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" has NaN or infinity, which are no numbers"),
                {escaped(given)});
}

std::string positionTooManyDecimals(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" has more than 18 decimals, which cannot be "
                                  "taken exactly"),
                {escaped(given)});
}

std::string positionlessLink(std::string_view given) {
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the link \"%1\" holds no position (open a short link first and "
                                  "give the address it leads to)"),
                {escaped(given)});
}

std::string positionStrayText(std::string_view given, std::string_view stray) {
    //: %2: the words or characters, from the position
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the position \"%1\" has \"%2\", which is no part of a "
                                  "position"),
                {escaped(given), escaped(stray)});
}

std::string linkToOtherSite(std::string_view given, std::string_view host) {
    //: %2: the link's host, such as www.bing.com
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the link \"%1\" is to \"%2\", whose positions quillmark does "
                                  "not read"),
                {escaped(given), escaped(host)});
}

std::string linkToOffsetMap(std::string_view given, OffsetMapService service) {
    //: %2: the map service, such as Baidu Maps
    return text(QT_TRANSLATE_NOOP("quillmark::CommandLine",
                                  "the link \"%1\" is to %2, whose coordinates are deliberately "
                                  "offset from WGS-84"),
                {escaped(given), text(offsetMapName(service))});
}

// "line N: " stays as it is in every language: scripts read the number.
std::string onLine(long long number, std::string_view message) {
    return "line " + std::to_string(number) + ": " + std::string(message);
}

std::string moreThanOneTab() {
    return text(
        QT_TRANSLATE_NOOP("quillmark::CommandLine", "more than one tab; a line holds two columns"));
}

std::string failed(std::string_view message) { return program(message); }

// The system's reason stays as the C library gives it.
std::string cannotWrite(int error) {
    return program(text(QT_TRANSLATE_NOOP("quillmark::CommandLine", "cannot write the output: %1"),
                        {std::strerror(error)}));
}

std::string cannotRead(int error) {
    return program(
        text(QT_TRANSLATE_NOOP("quillmark::CommandLine", "cannot read standard input: %1"),
             {std::strerror(error)}));
}

std::string cannotLoadWindow(std::string_view error) {
    //: %1: the system's reason, in English
    return program(
        text(QT_TRANSLATE_NOOP("quillmark::CommandLine", "cannot load the window: %1"), {error}));
}

std::string quoted(std::string_view text, char mark) {
    return std::string(1, mark) + escaped(text) + mark;
}

std::string escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string result;
    std::size_t i = 0;
    while (i < text.size()) {
        const DecodedCharacter c = decodeUtf8(text.substr(i));
        const bool invalid = c.code == kReplacementCharacter && c.length == 1;
        // C0 and C1 controls and DEL, which a terminal may obey, byte by byte.
        if (invalid || c.code < 0x20 || (c.code >= 0x7F && c.code <= 0x9F)) {
            for (std::size_t k = 0; k < c.length; ++k) {
                const auto byte = static_cast<unsigned char>(text[i + k]);
                result += "\\x";
                result += kHex[byte >> 4];
                result += kHex[byte & 15];
            }
        } else {
            result.append(text.substr(i, c.length));
        }
        i += c.length;
    }
    return result;
}

}  // namespace quillmark::messages
