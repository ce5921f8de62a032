// Locators read from arbitrary bytes: a text is either a locator of 2 to 10
// letters and digits in their pairs' ranges, whose square is exact and whose
// centre locates back to it in upper case, or it is refused for a reason that
// holds of it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "locator/fuzz/require.h"
#include "locator/grid.h"
#include "locator/tests/reference.h"
#include "locator/utf8.h"

namespace {

using namespace quillmark;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::u32string characters;
    for (std::size_t i = 0; i < text.size();) {
        const DecodedCharacter c = decodeUtf8(text.substr(i));
        characters += c.code;
        i += c.length;
    }
    const int length = static_cast<int>(characters.size());
    const auto outcome = locatorArea(text);

    if (const auto* refusal = std::get_if<LocatorRefusal>(&outcome)) {
        using Reason = LocatorRefusal::Reason;
        Require(refusal->length == length, "the length in characters");
        switch (refusal->reason) {
            case Reason::WrongLength:
                Require(length < 2 || length > 10, "a wrong length");
                break;
            case Reason::OddLength:
                Require(length % 2 == 1 && length > 2 && length < 10, "an odd length");
                break;
            case Reason::NotLetterOrDigit:
            case Reason::OutOfPairRange: {
                Require(refusal->position >= 1 && refusal->position <= length, "a position");
                const char32_t c = characters[refusal->position - 1];
                Require(refusal->character == c, "the character at its position");
                const bool alnum =
                    (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
                Require(alnum == (refusal->reason == Reason::OutOfPairRange), "the reason");
                break;
            }
        }
        return 0;
    }

    const LocatorArea& area = std::get<LocatorArea>(outcome);
    Require(
        length >= 2 && length <= 10 && length % 2 == 0 && static_cast<int>(area.length) == length,
        "a locator's length");
    std::string upper;
    for (char32_t c : characters) {
        Require(c < 128, "ASCII only");
        upper += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    const auto back = locatorOf(area.centre, area.length);
    Require(std::get<LocatorText>(back).text() == upper, "the centre locates back");
    // Cell sizes: 20 x 10 degrees, then / 10, / 24, / 10, / 24.
    const Angle::Units divisor[] = {1, 10, 240, 2400, 57600};
    const Angle width{20 * Angle::kPerDegree / divisor[length / 2 - 1]};
    Require(area.northEast.longitude - area.southWest.longitude == width &&
                area.northEast.latitude - area.southWest.latitude == Angle{width.units / 2},
            "the square's size");
    Require(area.centre.longitude + area.centre.longitude ==
                    area.southWest.longitude + area.northEast.longitude &&
                area.centre.latitude + area.centre.latitude ==
                    area.southWest.latitude + area.northEast.latitude,
            "the centre is the middle");
    return 0;
}
