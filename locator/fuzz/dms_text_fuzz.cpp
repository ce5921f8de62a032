// Every text operation on arbitrary bytes: no crash, no exception but
// InvalidInteger, valid UTF-8 in gives valid UTF-8 out, and a component written
// between its marks reads back.
#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cstdlib>
#include <optional>

#include "locator/dms_text.h"
#include "locator/fuzz/require.h"
#include "locator/tests/reference.h"

namespace {

using namespace quillmark;

// The integer rule written a second way, with std::from_chars doing the digits.
std::optional<std::int32_t> ReferenceParse(std::string_view t) {
    const std::size_t start = t.find_first_not_of(' ');
    if (start == std::string_view::npos) return std::nullopt;
    t.remove_prefix(start);
    bool negative = false;
    if (t[0] == '-' || t[0] == '+') {
        negative = t[0] == '-';
        t.remove_prefix(1);
    }
    int base = 10;
    if (!t.empty() && (t[0] == '$' || t[0] == 'x' || t[0] == 'X')) {
        base = 16;
        t.remove_prefix(1);
    } else if (t.size() >= 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        base = 16;
        t.remove_prefix(2);
    }
    if (t.empty() || t[0] == '-') return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value, base);
    if (error != std::errc() || end != t.data() + t.size()) return std::nullopt;
    if (base == 16) {
        if (value > 0xFFFF'FFFFu) return std::nullopt;
        const auto bits = static_cast<std::uint32_t>(value);
        return static_cast<std::int32_t>(negative ? 0u - bits : bits);
    }
    if (value > (negative ? 2147483648u : 2147483647u)) return std::nullopt;
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(value)
                                              : static_cast<std::int64_t>(value));
}

void CheckParseInteger(std::string_view text) {
    const std::optional<std::int32_t> expected = ReferenceParse(text);
    try {
        const std::int32_t value = ParseInteger(text);
        Require(expected && *expected == value, "ParseInteger agrees with the reference");
    } catch (const InvalidInteger& e) {
        Require(!expected, "ParseInteger rejects only what the reference rejects");
        const std::string message = "'" + std::string(text) + "' is not a valid integer value";
        Require(std::string_view(message.c_str()) == e.what() && e.text() == text,
                "the message holds the whole text");
    }
}

// Calls an extract; nothing, an in-range value or InvalidInteger are the only outcomes.
template <typename Extract>
void CheckExtract(Extract extract, std::string_view t, std::int32_t max) {
    try {
        const std::optional<std::int32_t> value = extract(t);
        Require(!value || (*value >= 0 && *value <= max), "extracted values are in range");
    } catch (const InvalidInteger&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const char letter = provider.ConsumeIntegral<char>();
    const char first = provider.ConsumeIntegral<char>();
    const char second = provider.ConsumeIntegral<char>();
    const std::int32_t number = provider.ConsumeIntegral<std::int32_t>();
    const std::string component = provider.ConsumeRandomLengthString(24);
    const std::string text = provider.ConsumeRemainingBytesAsString();
    const bool validText = reference::IsValidUtf8(text);
    const bool validBoth = validText && reference::IsValidUtf8(component);

    CheckParseInteger(text);
    CheckParseInteger(component);
    Require(ParseInteger(DecimalText(number)) == number, "DecimalText reads back");

    const std::string trimmed = TrimBlanks(text);
    const std::string leading = TrimLeadingBlanks(text);
    Require(trimmed.empty() || (static_cast<unsigned char>(trimmed.front()) > 32 &&
                                static_cast<unsigned char>(trimmed.back()) > 32),
            "no Blank at either end");
    Require(leading.compare(0, trimmed.size(), trimmed) == 0, "trimming only cuts blanks");
    Require(!validText || reference::IsValidUtf8(trimmed), "trimming keeps UTF-8 valid");

    CheckExtract(ExtractDegrees, leading, 179);
    CheckExtract(ExtractMinutes, leading, 59);
    CheckExtract(ExtractSeconds, leading, 59);
    CheckExtract(ExtractDegrees, text, 179);
    CheckExtract(ExtractMinutes, text, 59);
    CheckExtract(ExtractSeconds, text, 59);
    FindHemisphereLetters(text, first, second);

    const std::string replaced[] = {ReplaceDegrees(text, component),
                                    ReplaceMinutes(text, component),
                                    ReplaceSeconds(text, component)};
    for (const std::string& r : replaced) {
        Require(!validBoth || reference::IsValidUtf8(r), "replacing keeps UTF-8 valid");
    }

    // A component written between its marks reads back; without them the text
    // comes back trimmed and otherwise untouched.
    const bool hasDegree = trimmed.find("\xC2\xB0") != std::string::npos;
    const bool hasMinute = trimmed.find('\'') != std::string::npos;
    const bool hasSecond = trimmed.find('"') != std::string::npos;
    const std::int32_t degrees =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(number) % 180);
    const std::int32_t minutes = static_cast<std::int32_t>(static_cast<std::uint32_t>(number) % 60);
    const std::string withDegrees = ReplaceDegrees(text, DecimalText(degrees));
    const std::string withMinutes = ReplaceMinutes(text, DecimalText(minutes));
    const std::string withSeconds = ReplaceSeconds(text, DecimalText(minutes));
    if (hasDegree) {
        Require(ExtractDegrees(withDegrees) == degrees, "degrees read back");
    } else {
        Require(withDegrees == trimmed, "no degree sign, no change");
    }
    if (hasDegree && hasMinute) {
        Require(ExtractMinutes(withMinutes) == minutes, "minutes read back");
    } else {
        Require(withMinutes == trimmed, "no degree sign or minute mark, no change");
    }
    if (hasMinute && hasSecond) {
        Require(ExtractSeconds(withSeconds) == minutes, "seconds read back");
    } else {
        Require(withSeconds == trimmed, "no minute or second mark, no change");
    }

    const std::string lettered = SetHemisphereLetter(text, letter, first, second);
    Require(!validText || reference::IsValidUtf8(lettered), "letters keep UTF-8 valid");
    Require(lettered.size() <= trimmed.size() + 1, "at most one letter added");
    if (static_cast<unsigned char>(letter) < 128) {
        Require(!lettered.empty() && lettered.back() == letter, "the new letter comes last");
    }

    // The plain form read in one pass is what the general rules read.
    if (const std::optional<Angle> plain = readPlainDmsText(text, 'E', 'W')) {
        const HemisphereLetters letters = FindHemisphereLetters(text, 'E', 'W');
        const Angle value = Angle::fromDms(*ExtractDegrees(text), *ExtractMinutes(text), 0, false) +
                            *ExtractExactSeconds(text);
        Require(letters.First != letters.Second && *plain == (letters.Second ? -value : value),
                "the plain form reads as the general rules read it");
    }

    // Look-alikes map piece by piece, once and for all, keeping UTF-8 valid.
    const std::string mapped = mapLookAlikes(text);
    Require(!validText || reference::IsValidUtf8(mapped), "mapping keeps UTF-8 valid");
    Require(mapLookAlikes(mapped) == mapped, "mapping twice changes nothing more");
    Require(mapLookAlikes(text + component) == mapped + mapLookAlikes(component) || !validText,
            "a valid text maps the same whole or in pieces");
    return 0;
}
