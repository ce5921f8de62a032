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
    "  --locate LONGITUDE LATITUDE  print the locator of the position given as two\n"
    "                               lines in the window's notation, for example\n"
    "                               113°15'53.76\"E 23°6'32.02\"N (seconds exact with\n"
    "                               up to 18 decimals)\n"
    "  --locate -                   the same for each line of standard input: the\n"
    "                               longitude, a tab and the latitude\n"
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
        {"--locate takes two lines, the longitude and the latitude, or - for standard "
         "input, not ",
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

std::string onLine(long long number, std::string_view message) {
    return join({"line ", std::to_string(number), ": ", message});
}

std::string noTab() { return "no tab between the longitude and the latitude"; }

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
