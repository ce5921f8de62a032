#include "mainwindow/commandline.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include <QCommandLineParser>
#include <QCoreApplication>

#include "controls/exceptionbox.h"
#include "controls/textbox.h"
#include "locator/dms_text.h"
#include "locator/locator.h"
#include "mainwindow/version.h"

namespace quillmark {

namespace {

constexpr int kLocated = 0;
constexpr int kNotLocated = 1;
constexpr int kUsage = 2;

// One axis as its coordinate box reads it.
struct Axis {
    const char* name;
    char first;
    char second;
};
constexpr Axis kLongitude{"longitude", 'E', 'W'};
constexpr Axis kLatitude{"latitude", 'N', 'S'};

// A coordinate line that gives no position; what() is the one-line message.
class UnreadableLine : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct AxisValue {
    std::int32_t degrees, minutes, seconds;
    bool second;
};

void print(std::FILE* stream, const QString& line) {
    std::fputs(line.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

// The line as the coordinate box would hold it had the user typed it: the
// look-alikes of Chinese input methods mapped, letters in upper case.
std::string asTyped(const QString& line) {
    return UpperCaseLetters(QString::fromStdString(mapLookAlikes(line.toStdString())))
        .toStdString();
}

std::int32_t component(std::optional<std::int32_t> value, const std::string& line, const Axis& axis,
                       const char* what) {
    if (!value) {
        throw UnreadableLine(
            QStringLiteral("the %1 \"%2\" has no %3")
                .arg(QLatin1String(axis.name), QString::fromStdString(line), QLatin1String(what))
                .toStdString());
    }
    return *value;
}

// Reads a line with the rules of the coordinate boxes: leading blanks go, each
// component must stand between its marks and within its range, and a line
// holding both hemisphere letters counts as the second.
AxisValue readLine(const QString& argument, const Axis& axis) {
    const std::string line = TrimLeadingBlanks(asTyped(argument));
    try {
        AxisValue value{};
        value.degrees = component(ExtractDegrees(line), line, axis, "degrees from 0 to 179");
        value.minutes = component(ExtractMinutes(line), line, axis, "minutes from 0 to 59");
        value.seconds = component(ExtractSeconds(line), line, axis, "seconds from 0 to 59");
        const HemisphereLetters letters = FindHemisphereLetters(line, axis.first, axis.second);
        if (!letters.First && !letters.Second) {
            throw UnreadableLine(QStringLiteral("the %1 \"%2\" has no hemisphere letter %3 or %4")
                                     .arg(QLatin1String(axis.name), QString::fromStdString(line),
                                          QChar(axis.first), QChar(axis.second))
                                     .toStdString());
        }
        value.second = letters.Second;
        return value;
    } catch (const InvalidInteger& error) {
        // Worded as the window's error box words it.
        throw UnreadableLine(ExceptionBoxText(QString::fromUtf8(error.what())).toStdString());
    }
}

int locate(const QString& longitude, const QString& latitude) {
    try {
        const AxisValue lon = readLine(longitude, kLongitude);
        const AxisValue lat = readLine(latitude, kLatitude);
        const auto outcome = ComputeLocator({lon.degrees, lon.minutes, lon.seconds, lon.second,
                                             lat.degrees, lat.minutes, lat.seconds, lat.second});
        if (const auto* error = std::get_if<LocatorError>(&outcome)) {
            throw UnreadableLine(std::string(MessageText(*error)));
        }
        print(stdout, QString::fromStdString(std::get<LocatorResult>(outcome).Locator));
        return kLocated;
    } catch (const UnreadableLine& error) {
        print(stderr, QStringLiteral("quillmark: ") + QString::fromUtf8(error.what()));
        return kNotLocated;
    }
}

}  // namespace

bool WantsCommandLine(int argc, char* argv[]) {
    static constexpr std::string_view ours[] = {"-h",       "-?",        "--help",   "--help-all",
                                                "-v",       "--version", "--locate", "-help",
                                                "-version", "-locate"};
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--") break;
        if (std::find(std::begin(ours), std::end(ours), argument) != std::end(ours)) return true;
    }
    return false;
}

int RunCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Maidenhead locator of a position. Without options, opens the window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption locateOption(
        QStringLiteral("locate"),
        QStringLiteral("Print the six-character locator of the position given as two lines in "
                       "the window's notation, for example 113°15'53.76\"E 23°6'32.02\"N."));
    parser.addOption(locateOption);
    parser.addPositionalArgument(QStringLiteral("LONGITUDE"),
                                 QStringLiteral("With --locate: degrees, °, minutes, ', seconds "
                                                "(a fraction is dropped), \" and E or W."),
                                 QStringLiteral("[LONGITUDE"));
    parser.addPositionalArgument(QStringLiteral("LATITUDE"),
                                 QStringLiteral("With --locate: the same with N or S."),
                                 QStringLiteral("LATITUDE]"));

    const auto usageError = [](const QString& message) {
        print(stderr, QStringLiteral("quillmark: ") + message);
        print(stderr, QStringLiteral("Try 'quillmark --help'."));
        return kUsage;
    };
    // The two lines after --locate are taken as they stand, before the parser
    // could mistake a line such as -5°0'0"E for options.
    QStringList rest = arguments;
    QStringList lines;
    const qsizetype at = rest.indexOf(QStringLiteral("--locate")) >= 0
                             ? rest.indexOf(QStringLiteral("--locate"))
                             : rest.indexOf(QStringLiteral("-locate"));
    if (at > 0) {
        lines = rest.mid(at + 1, 2);
        rest.remove(at + 1, lines.size());
    }
    if (!parser.parse(rest)) return usageError(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toUtf8().constData(), stdout);
        return kLocated;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("quillmark %1 (%2)")
                          .arg(QString::fromUtf8(kFileVersion), QString::fromUtf8(kProductName)));
        return kLocated;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return usageError(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    }
    if (lines.size() != 2) {
        return usageError(
            QStringLiteral("--locate takes two lines, the longitude and the latitude, not %1")
                .arg(lines.size()));
    }
    return locate(lines[0], lines[1]);
}

int CheckWindowArguments(const QStringList& arguments) {
    if (arguments.size() <= 1) return 0;
    print(stderr, QStringLiteral("quillmark: unexpected argument '%1'; the window takes none.")
                      .arg(arguments[1]));
    print(stderr, QStringLiteral("Try 'quillmark --help'."));
    return kUsage;
}

}  // namespace quillmark
