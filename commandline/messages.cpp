#include "commandline/messages.h"

#include <cstring>

#include "locator/utf8.h"

namespace quillmark::messages {
namespace {

std::string join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) text += part;
    return text;
}

std::string number(long long n) { return std::to_string(n); }

std::string_view pairName(int position) {
    static constexpr std::string_view kNames[] = {"a field letter", "a square digit",
                                                  "a subsquare letter", "an extended square digit",
                                                  "an extended subsquare letter"};
    return kNames[(position - 1) / 2];
}

std::string_view offsetMapName(OffsetMapService service) {
    switch (service) {
        case OffsetMapService::Amap:
            return "Amap (Gaode)";
        case OffsetMapService::Baidu:
            return "Baidu Maps";
        case OffsetMapService::Tencent:
            return "Tencent Maps";
        case OffsetMapService::GoogleChina:
            return "Google Maps China";
    }
    return {};
}

std::string position(std::string_view text) { return join({"the position ", quoted(text)}); }

std::string link(std::string_view text) { return join({"the link ", quoted(text)}); }

std::string character(char32_t c) {
    if (c == kReplacementCharacter) return "a byte that is no UTF-8";
    std::string text;
    appendUtf8(text, c);
    return quoted(text);
}

constexpr std::string_view kHelp =
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
    "when any line cannot); 2 when the command line is not understood.\n";

constexpr std::string_view kWindowOptions =
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
    "  -qmljsdebugger=OPTIONS       Qt's QML debugger\n";

}  // namespace

std::string help(bool withWindowOptions) {
    std::string text(kHelp);
    if (withWindowOptions) text += kWindowOptions;
    return text;
}

std::string usage(std::string_view problem) {
    return join({"quillmark: ", problem, "; try 'quillmark --help'"});
}

std::string unknownOption(std::string_view argument) {
    return join({"unknown option ", quoted(argument, '\'')});
}

std::string unexpectedArgument(std::string_view argument) {
    return join({"unexpected argument ", quoted(argument, '\'')});
}

std::string optionNeedsValue(std::string_view option) {
    return join({"option ", option, " needs a value"});
}

std::string locateTakes(int lines) {
    return join(
        {"--locate takes a position, two lines (the longitude and the latitude) or - for "
         "standard input, not ",
         number(lines)});
}

std::string distanceTakes(int locators) {
    return join({"--distance takes two locators, not ", number(locators)});
}

std::string badPrecision(std::string_view value) {
    return join({"--precision takes 2, 4, 6, 8 or 10, not ", quoted(value, '\'')});
}

std::string precisionWithoutLocate() { return "--precision goes with --locate"; }

std::string oneRequestAtATime() { return "give one of --locate, --position and --distance, once"; }

std::string missingComponent(std::string_view axis, std::string_view line, std::string_view what) {
    return join({"the ", axis, " ", quoted(line), " has no ", what});
}

std::string inexactSeconds(std::string_view axis, std::string_view line) {
    return join({"the ", axis, " ", quoted(line),
                 " has a fraction of a second that is not up to 18 decimal digits"});
}

std::string missingHemisphere(std::string_view axis, std::string_view line, char first,
                              char second) {
    const char letters[] = {first, ' ', 'o', 'r', ' ', second};
    return join({"the ", axis, " ", quoted(line), " has no hemisphere letter ",
                 std::string_view(letters, sizeof letters)});
}

std::string invalidInteger(std::string_view what) { return join({what, "."}); }

std::string notALocator(std::string_view text, const LocatorRefusal& refusal) {
    const std::string locator = join({"the locator ", quoted(text)});
    using Reason = LocatorRefusal::Reason;
    switch (refusal.reason) {
        case Reason::WrongLength:
            return join({locator, " has ", number(refusal.length),
                         refusal.length == 1 ? " character" : " characters",
                         "; a locator has 2 to 10"});
        case Reason::OddLength:
            return join({locator, " has an odd number of characters (", number(refusal.length),
                         "); a locator has 2, 4, 6, 8 or 10"});
        case Reason::NotLetterOrDigit:
            return join({locator, " has ", character(refusal.character), " at ",
                         number(refusal.position), ", which is neither a letter nor a digit"});
        case Reason::OutOfPairRange: {
            const PairRange range = pairRangeAt(refusal.position);
            const char span[] = {range.first, ' ', 't', 'o', ' ', range.last};
            return join({locator, " has ", character(refusal.character), " at ",
                         number(refusal.position), " where ", pairName(refusal.position), " goes, ",
                         std::string_view(span, sizeof span)});
        }
    }
    return locator;
}

std::string notAPosition(std::string_view text, const PositionRefusal& refusal) {
    using Reason = PositionRefusal::Reason;
    switch (refusal.reason) {
        case Reason::Empty:
            return positionEmpty(text);
        case Reason::Unreadable:
        case Reason::OtherAxis:
            return positionUnreadable(text);
        case Reason::OneValue:
            return positionOneValue(text);
        case Reason::TooManyValues:
            return positionTooManyValues(text);
        case Reason::LatitudeOutOfRange:
            return positionLatitudeOutOfRange(text);
        case Reason::LongitudeOutOfRange:
            return positionLongitudeOutOfRange(text);
        case Reason::TwoLatitudes:
            return positionTwoLatitudes(text);
        case Reason::TwoLongitudes:
            return positionTwoLongitudes(text);
        case Reason::HemisphereOnOneValue:
            return positionHemisphereOnOneValue(text);
        case Reason::SignAndHemisphere:
            return positionSignAndHemisphere(text);
        case Reason::MinutesTooLarge:
            return positionMinutesTooLarge(text);
        case Reason::SecondsTooLarge:
            return positionSecondsTooLarge(text);
        case Reason::MissingMark:
            return positionMissingMark(text);
        case Reason::LooksLikeMinutes:
            return positionLooksLikeMinutes(text);
        case Reason::HyphenBetweenNumbers:
            return positionHyphenBetweenNumbers(text);
        case Reason::DecimalComma:
            return positionDecimalComma(text);
        case Reason::Exponent:
            return positionExponent(text);
        case Reason::NotANumber:
            return positionNotANumber(text);
        case Reason::TooManyDecimals:
            return positionTooManyDecimals(text);
        case Reason::StrayText:
            return positionStrayText(text, refusal.text);
        case Reason::NotALocator:
            return notALocator(text, refusal.locator);
        case Reason::PositionlessLink:
            return positionlessLink(text);
        case Reason::OtherSite:
            return linkToOtherSite(text, refusal.text);
        case Reason::OffsetMap:
            return linkToOffsetMap(text, refusal.service);
    }
    return positionUnreadable(text);
}

std::string positionEmpty(std::string_view text) { return join({position(text), " is empty"}); }

std::string positionUnreadable(std::string_view text) {
    return join({position(text), " is written in no notation quillmark reads"});
}

std::string positionOneValue(std::string_view text) {
    return join(
        {position(text), " has one value; a position needs the latitude and the longitude"});
}

std::string positionTooManyValues(std::string_view text) {
    return join({position(text), " has more than two numbers"});
}

std::string positionLatitudeOutOfRange(std::string_view text) {
    return join({position(text), " has a latitude outside 90°S to 90°N, 90°N excluded"});
}

std::string positionLongitudeOutOfRange(std::string_view text) {
    return join({position(text), " has a longitude outside 180°W to 180°E, 180°E excluded"});
}

std::string positionTwoLatitudes(std::string_view text) {
    return join({position(text), " has two latitudes"});
}

std::string positionTwoLongitudes(std::string_view text) {
    return join({position(text), " has two longitudes"});
}

std::string positionHemisphereOnOneValue(std::string_view text) {
    return join({position(text), " names the hemisphere of one value but not of the other"});
}

std::string positionSignAndHemisphere(std::string_view text) {
    return join({position(text), " has a value with both a sign and a hemisphere"});
}

std::string positionMinutesTooLarge(std::string_view text) {
    return join({position(text), " has minutes of 60 or more"});
}

std::string positionSecondsTooLarge(std::string_view text) {
    return join({position(text), " has seconds of 60 or more"});
}

std::string positionMissingMark(std::string_view text) {
    return join(
        {position(text), " has minutes or seconds without their mark before another number"});
}

std::string positionLooksLikeMinutes(std::string_view text) {
    return join({position(text),
                 " looks like degrees and decimal minutes without their marks; write ° and '"});
}

std::string positionHyphenBetweenNumbers(std::string_view text) {
    return join({position(text), " has a - or + right after a number: a sign or a separator?"});
}

std::string positionDecimalComma(std::string_view text) {
    return join({position(text), " has a comma between digits: a decimal comma or a separator?"});
}

std::string positionExponent(std::string_view text) {
    return join({position(text), " has a number with an exponent"});
}

std::string positionNotANumber(std::string_view text) {
    return join({position(text), " has NaN or infinity, which are no numbers"});
}

std::string positionTooManyDecimals(std::string_view text) {
    return join({position(text), " has more than 18 decimals, which cannot be taken exactly"});
}

std::string positionStrayText(std::string_view text, std::string_view stray) {
    return join({position(text), " has ", quoted(stray), ", which is no part of a position"});
}

std::string positionlessLink(std::string_view text) {
    return join({link(text),
                 " holds no position (open a short link first and give the address it "
                 "leads to)"});
}

std::string linkToOtherSite(std::string_view text, std::string_view host) {
    return join({link(text), " is to ", quoted(host), ", whose positions quillmark does not read"});
}

std::string linkToOffsetMap(std::string_view text, OffsetMapService service) {
    return join({link(text), " is to ", offsetMapName(service),
                 ", whose coordinates are deliberately offset from WGS-84"});
}

std::string onLine(long long number, std::string_view message) {
    return join({"line ", std::to_string(number), ": ", message});
}

std::string moreThanOneTab() { return "more than one tab; a line holds two columns"; }

std::string failed(std::string_view message) { return join({"quillmark: ", message}); }

std::string cannotWrite(int error) {
    return join({"quillmark: cannot write the output: ", std::strerror(error)});
}

std::string cannotRead(int error) {
    return join({"quillmark: cannot read standard input: ", std::strerror(error)});
}

std::string quoted(std::string_view text, char mark) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string result(1, mark);
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
    return result + mark;
}

}  // namespace quillmark::messages
