#include "commandline/commandline.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "commandline/batch.h"
#include "commandline/coordinates.h"
#include "commandline/messages.h"
#include "locator/dms_text.h"
#include "locator/geodesic.h"
#include "locator/grid.h"

namespace quillmark {
namespace {

constexpr int kDone = 0;
constexpr int kNotLocated = 1;
constexpr int kUsage = 2;

// Qt's own options for the window (QGuiApplication, QApplication and the X11
// platform), which it takes from the arguments itself: with one dash or two,
// some followed by a value, three also as -name=value.
struct WindowOption {
    std::string_view name;
    bool takesValue;
    bool takesInlineValue;
};
constexpr WindowOption kWindowOptions[] = {
    {"platform", true, false},
    {"platformpluginpath", true, false},
    {"platformtheme", true, false},
    {"plugin", true, false},
    {"qwindowgeometry", true, false},
    {"geometry", true, false},
    {"qwindowtitle", true, false},
    {"title", true, false},
    {"qwindowicon", true, false},
    {"icon", true, false},
    {"display", true, false},
    {"name", true, false},
    {"visual", true, false},
    {"session", true, false},
    {"style", true, true},
    {"stylesheet", true, true},
    {"qmljsdebugger", true, true},
    {"reverse", false, false},
    {"widgetcount", false, false},
    {"testability", false, false},
    {"nograb", false, false},
    {"dograb", false, false},
    {"qdevel", false, false},
    {"qdebug", false, false},
};

constexpr std::string_view kOwnOptions[] = {
    "h", "?", "help", "help-all", "v", "version", "locate", "precision", "position", "distance"};

// An option as written: "--precision=8" is named "precision" with the inline
// value "8". Anything that does not start with a dash, and "-" alone, is no
// option.
struct Option {
    std::string_view name;
    std::optional<std::string_view> inlineValue;
};
std::optional<Option> optionIn(std::string_view argument) {
    if (argument.size() < 2 || argument[0] != '-') return std::nullopt;
    argument.remove_prefix(argument[1] == '-' ? 2 : 1);
    const std::size_t equals = argument.find('=');
    if (equals == std::string_view::npos) return Option{argument, std::nullopt};
    return Option{argument.substr(0, equals), argument.substr(equals + 1)};
}

bool isOwnOption(std::string_view argument) {
    const std::optional<Option> option = optionIn(argument);
    return option && std::find(std::begin(kOwnOptions), std::end(kOwnOptions), option->name) !=
                         std::end(kOwnOptions);
}

enum class Request { None, Locate, Position, Distance };

// What the arguments ask for, or the first thing wrong with them.
struct Arguments {
    bool help = false;
    bool helpAll = false;
    bool version = false;
    Request request = Request::None;
    int requests = 0;
    std::vector<std::string_view> values;
    std::optional<std::string_view> precision;
    std::string problem;
};

Arguments readArguments(int argc, char* argv[]) {
    Arguments a;
    const auto fail = [&](std::string problem) {
        if (a.problem.empty()) a.problem = std::move(problem);
    };
    // The words after a request are its values as they stand, even when they
    // start with a dash (-5°0'0"E), up to `most` of them or the next option of
    // ours. After --locate, "-" alone is the one value.
    int i = 1;
    const auto takeValues = [&](Request request, int most) {
        a.request = request;
        ++a.requests;
        a.values.clear();
        while (static_cast<int>(a.values.size()) < most && i + 1 < argc &&
               !isOwnOption(argv[i + 1])) {
            a.values.emplace_back(argv[++i]);
            if (request == Request::Locate && a.values.front() == "-") break;
        }
    };
    for (; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--") {
            if (i + 1 < argc) fail(messages::unexpectedArgument(argv[i + 1]));
            break;
        }
        const std::optional<Option> option = optionIn(argument);
        if (!option) {
            fail(messages::unexpectedArgument(argument));
            continue;
        }
        const std::string_view name = option->name;
        const bool inlineValue = option->inlineValue.has_value();
        const auto window = std::find_if(std::begin(kWindowOptions), std::end(kWindowOptions),
                                         [&](const WindowOption& o) { return o.name == name; });
        if (name == "precision") {
            if (inlineValue) {
                a.precision = option->inlineValue;
            } else if (i + 1 < argc) {
                a.precision = argv[++i];
            } else {
                fail(messages::optionNeedsValue(argument));
            }
        } else if (inlineValue) {
            if (window == std::end(kWindowOptions) || !window->takesInlineValue)
                fail(messages::unknownOption(argument));
        } else if (name == "h" || name == "?" || name == "help") {
            a.help = true;
        } else if (name == "help-all") {
            a.helpAll = true;
        } else if (name == "v" || name == "version") {
            a.version = true;
        } else if (name == "locate") {
            takeValues(Request::Locate, 2);
        } else if (name == "position") {
            takeValues(Request::Position, 1);
        } else if (name == "distance") {
            takeValues(Request::Distance, 2);
        } else if (window != std::end(kWindowOptions)) {
            if (window->takesValue && ++i == argc) fail(messages::optionNeedsValue(argument));
        } else {
            fail(messages::unknownOption(argument));
        }
    }
    return a;
}

// Text for standard output, written and checked: a failed write is a failure.
int print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int error = errno;
        std::fprintf(stderr, "%s\n", messages::cannotWrite(error).c_str());
        return kNotLocated;
    }
    return kDone;
}

int fail(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return kNotLocated;
}

int usageError(const std::string& problem) {
    std::fprintf(stderr, "%s\n", messages::usage(problem).c_str());
    return kUsage;
}

int locate(const Arguments& a, LocatorLength length) {
    if (a.values.size() == 1 && a.values.front() == "-")
        return convertLines(STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO, length);
    if (a.values.empty()) return usageError(messages::locateTakes(0));
    const auto outcome = a.values.size() == 1 ? locatePosition(a.values[0], length)
                                              : locateLines(a.values[0], a.values[1], length);
    if (const auto* message = std::get_if<std::string>(&outcome))
        return fail(messages::failed(*message));
    return print(std::string(std::get<LocatorText>(outcome).text()) + '\n');
}

// The square of a locator as the user gave it (look-alikes mapped), or the
// message that says why it is none.
std::variant<LocatorArea, std::string> areaOf(std::string_view argument) {
    const std::string text = mapLookAlikes(argument);
    auto outcome = locatorArea(text);
    if (const auto* refusal = std::get_if<LocatorRefusal>(&outcome))
        return messages::notALocator(text, *refusal);
    return std::get<LocatorArea>(outcome);
}

std::string positionLine(std::string_view name, const Position& position) {
    return std::string(name) + ' ' + dmsText(position.longitude, 'E', 'W') + ' ' +
           dmsText(position.latitude, 'N', 'S') + '\n';
}

int position(const Arguments& a) {
    if (a.values.size() != 1) return usageError(messages::optionNeedsValue("--position"));
    const auto area = areaOf(a.values.front());
    if (const auto* message = std::get_if<std::string>(&area))
        return fail(messages::failed(*message));
    const LocatorArea& square = std::get<LocatorArea>(area);
    return print(positionLine("centre", square.centre) +
                 positionLine("south-west", square.southWest) +
                 positionLine("north-east", square.northEast));
}

// "8641.607 km 322.1°": the azimuth rounded to a tenth, 359.96 to 0.0.
std::string pathText(const Path& path) {
    const long long tenths = std::llround(path.azimuth * 10) % 3600;
    char text[80];
    std::snprintf(text, sizeof text, "%.3f km %lld.%lld\u00B0\n", path.kilometres, tenths / 10,
                  tenths % 10);
    return text;
}

int distance(const Arguments& a) {
    if (a.values.size() != 2) return usageError(messages::distanceTakes(int(a.values.size())));
    const auto from = areaOf(a.values[0]);
    if (const auto* message = std::get_if<std::string>(&from))
        return fail(messages::failed(*message));
    const auto to = areaOf(a.values[1]);
    if (const auto* message = std::get_if<std::string>(&to))
        return fail(messages::failed(*message));
    const Paths paths =
        pathsBetween(std::get<LocatorArea>(from).centre, std::get<LocatorArea>(to).centre);
    return print(pathText(paths.shortPath) + "long path " + pathText(paths.longPath));
}

}  // namespace

bool OpensWindow(int argc, char* argv[]) {
    const Arguments a = readArguments(argc, argv);
    return a.problem.empty() && !a.help && !a.helpAll && !a.version && a.request == Request::None &&
           !a.precision;
}

int RunCommandLine(int argc, char* argv[], const ProgramVersion& version) {
    const Arguments a = readArguments(argc, argv);
    if (!a.problem.empty()) return usageError(a.problem);
    if (a.help || a.helpAll) return print(messages::help(a.helpAll));
    if (a.version) {
        return print("quillmark " + std::string(version.fileVersion) + " (" +
                     std::string(version.productName) + ")\n");
    }
    if (a.requests > 1) return usageError(messages::oneRequestAtATime());
    std::optional<LocatorLength> length = LocatorLength::Subsquare;
    if (a.precision) {
        if (a.request != Request::Locate) return usageError(messages::precisionWithoutLocate());
        int characters = 0;
        const std::string_view text = *a.precision;
        if (text.size() <= 2 &&
            std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
            characters = std::atoi(std::string(text).c_str());
        length = locatorLength(characters);
        if (!length) return usageError(messages::badPrecision(text));
    }
    switch (a.request) {
        case Request::Locate:
            return locate(a, *length);
        case Request::Position:
            return position(a);
        case Request::Distance:
            return distance(a);
        case Request::None:
            break;
    }
    // Only window options: nothing for the command line to do.
    return kDone;
}

}  // namespace quillmark
