#include "commandline/coordinates.h"

#include <optional>

#include "commandline/messages.h"
#include "locator/dms_text.h"
#include "locator/position_text.h"

namespace quillmark {
namespace {

struct LineAxis {
    std::string_view name;
    char first;
    char second;
};
constexpr LineAxis kLongitude{"longitude", 'E', 'W'};
constexpr LineAxis kLatitude{"latitude", 'N', 'S'};

// Whether mapping look-alikes or upper-casing could change the line: any byte
// beyond ASCII other than the degree sign, or a lower-case ASCII letter. Most
// lines need neither, and are then read where they stand.
bool needsTyping(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c >= 'a' && c <= 'z') return true;
        if (c < 0x80) continue;
        if (c != 0xC2 || i + 1 == line.size() || static_cast<unsigned char>(line[i + 1]) != 0xB0)
            return true;
        ++i;
    }
    return false;
}

std::variant<Angle, std::string> readLine(std::string_view argument, const LineAxis& axis) {
    std::string typed;
    std::string_view line = argument;
    if (needsTyping(argument)) {
        typed = upperCaseLetters(mapLookAlikes(argument));
        line = typed;
    }
    while (!line.empty() && static_cast<unsigned char>(line.front()) <= 32) line.remove_prefix(1);
    try {
        const std::optional<std::int32_t> degrees = ExtractDegrees(line);
        if (!degrees) return messages::missingComponent(axis.name, line, messages::kDegrees);
        const std::optional<std::int32_t> minutes = ExtractMinutes(line);
        if (!minutes) return messages::missingComponent(axis.name, line, messages::kMinutes);
        const std::optional<Angle> seconds = ExtractExactSeconds(line);
        if (!seconds) {
            if (!ExtractSeconds(line))
                return messages::missingComponent(axis.name, line, messages::kSeconds);
            return messages::inexactSeconds(axis.name, line);
        }
        const HemisphereLetters letters = FindHemisphereLetters(line, axis.first, axis.second);
        if (!letters.First && !letters.Second)
            return messages::missingHemisphere(axis.name, line, axis.first, axis.second);
        const Angle value = Angle::fromDms(*degrees, *minutes, 0, false) + *seconds;
        return letters.Second ? -value : value;
    } catch (const InvalidInteger& error) {
        return messages::invalidInteger(error.text());
    }
}

}  // namespace

std::variant<LocatorText, std::string> locateLines(std::string_view longitude,
                                                   std::string_view latitude,
                                                   LocatorLength length) {
    auto lon = readLine(longitude, kLongitude);
    if (auto* message = std::get_if<std::string>(&lon)) return std::move(*message);
    auto lat = readLine(latitude, kLatitude);
    if (auto* message = std::get_if<std::string>(&lat)) return std::move(*message);
    const auto outcome = locatorOf({std::get<Angle>(lon), std::get<Angle>(lat)}, length);
    if (const auto* error = std::get_if<LocatorError>(&outcome))
        return messages::outOfRange(*error);
    return std::get<LocatorText>(outcome);
}

std::variant<LocatorText, std::string> locatePosition(std::string_view text, LocatorLength length) {
    const auto reading = readPosition(text);
    if (const auto* refusal = std::get_if<PositionRefusal>(&reading))
        return messages::notAPosition(text, *refusal);
    // The reader takes only positions within the locator's limits.
    return std::get<LocatorText>(locatorOf(std::get<Position>(reading), length));
}

}  // namespace quillmark
