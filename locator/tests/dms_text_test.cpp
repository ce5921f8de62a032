#include "locator/dms_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "locator/tests/reference.h"

namespace quillmark {
namespace {

std::string Message(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid integer value";
}

TEST(ParseInteger, ReadsDecimalAndHexadecimal) {
    const std::pair<std::string_view, std::int32_t> cases[] = {
        {" 42", 42},
        {"   42", 42},
        {"+7", 7},
        {"-0", 0},
        {"0", 0},
        {"007", 7},
        {"0000000000000000000042", 42},
        {"$1F", 31},
        {"x1F", 31},
        {"X1f", 31},
        {"0x1F", 31},
        {"0X1f", 31},
        {"-$1F", -31},
        {"+0x10", 16},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"$7FFFFFFF", INT_MAX},
        {"$FFFFFFFF", -1},
        {"-$FFFFFFFF", 1},
        {"$80000000", INT_MIN},
        {"-$80000000", INT_MIN},
        {"$00000000FFFFFFFF", -1},
        {"  -0xabcdef", -0xABCDEF},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseInteger(text), expected) << "'" << text << "'";
    }
}

TEST(ParseInteger, RejectsAnythingElseWithTheWholeText) {
    const std::string_view cases[] = {
        "",
        "   ",
        "-",
        "+",
        "$",
        "0x",
        "- 5",
        "+-1",
        "--1",
        "12 ",
        "42\n",
        "\t42",
        "4 2",
        "1e3",
        "1.0",
        "2147483648",
        "+2147483648",
        "-2147483649",
        "99999999999",
        "$100000000",
        "$1FFFFFFFF",
        "0x-1",
        "$ 1",
        "$0x1",
        "0x1G",
        "xx1",
        "-x",
        "１２",
        std::string_view("4\0002", 3),
    };
    for (std::string_view text : cases) {
        try {
            ParseInteger(text);
            ADD_FAILURE() << "'" << text << "' was accepted";
        } catch (const InvalidInteger& e) {
            // what() is a C string: a NUL in the text ends it there.
            EXPECT_STREQ(e.what(), Message(text).c_str());
            EXPECT_EQ(e.text(), text);
        }
    }
}

TEST(IsDigitText, AllowsOnlyDigitsBetweenBlanks) {
    const std::pair<std::string_view, bool> cases[] = {
        {"", false},     {"   ", false}, {" 6", true},  {"6 ", true},
        {"\t6\n", true}, {"0", true},    {"+6", false}, {"-6", false},
        {"$1F", false},  {"1 2", false}, {"１", false}, {"6.5", false},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(IsDigitText(text), expected) << "'" << text << "'";
    }
}

TEST(DecimalText, WritesPlainDigits) {
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(113), "113");
    EXPECT_EQ(DecimalText(-7), "-7");
    EXPECT_EQ(DecimalText(INT_MIN), "-2147483648");
    EXPECT_EQ(DecimalText(INT_MAX), "2147483647");
}

TEST(TrimBlanks, RemovesControlCharactersAndSpacesOnly) {
    EXPECT_EQ(TrimBlanks("\t\x01 23\xC2\xB0 6' \r\n"), "23\xC2\xB0 6'");
    EXPECT_EQ(TrimLeadingBlanks("\t\x01 23\xC2\xB0 6' \n"), "23\xC2\xB0 6' \n");
    EXPECT_EQ(TrimBlanks("\u3000x\u3000"), "\u3000x\u3000");
    EXPECT_EQ(TrimBlanks(std::string_view("\0 7\0", 4)), "7");
    EXPECT_EQ(TrimBlanks(" \x7F "), "\x7F");
    EXPECT_EQ(TrimBlanks("   "), "");
}

// The reading sequence a coordinate text box performs: components in order,
// stopping at the first InvalidInteger.
struct Reading {
    std::optional<std::int32_t> degrees, minutes, seconds;
    std::string letters;
    std::string error;
};
bool operator==(const Reading& a, const Reading& b) {
    return a.degrees == b.degrees && a.minutes == b.minutes && a.seconds == b.seconds &&
           a.letters == b.letters && a.error == b.error;
}
std::ostream& operator<<(std::ostream& out, const Reading& r) {
    auto show = [&](const std::optional<std::int32_t>& v) {
        if (v) {
            out << *v;
        } else {
            out << "-";
        }
        out << " ";
    };
    show(r.degrees);
    show(r.minutes);
    show(r.seconds);
    return out << "[" << r.letters << "] " << r.error;
}

Reading Read(std::string_view text) {
    const std::string t = TrimLeadingBlanks(text);
    Reading r;
    try {
        r.degrees = ExtractDegrees(t);
        r.minutes = ExtractMinutes(t);
        r.seconds = ExtractSeconds(t);
    } catch (const InvalidInteger& e) {
        r.error = e.what();
        return r;
    }
    const HemisphereLetters found = FindHemisphereLetters(t, 'E', 'W');
    r.letters = std::string(found.First ? "E" : "") + (found.Second ? "W" : "");
    return r;
}

constexpr std::nullopt_t no = std::nullopt;

TEST(ExtractComponents, ReadCoordinateTexts) {
    const std::pair<std::string_view, Reading> cases[] = {
        {"113°15'53.76\"E", {113, 15, 53, "E", ""}},
        {" 23° 6'32.02\"W", {23, 6, 32, "W", ""}},
        {"91°0'0\"E", {91, 0, 0, "E", ""}},
        {"180°0'0\"E", {no, 0, 0, "E", ""}},
        {"113°75'0\"E", {113, no, 0, "E", ""}},
        {"113°15'80\"E", {113, 15, no, "E", ""}},
        {"113°15'53\"EW", {113, 15, 53, "EW", ""}},
        {"113°15'53\"", {113, 15, 53, "", ""}},
        {"-5°0'0\"E", {no, 0, 0, "E", ""}},
        {"113°15'53.99\"E", {113, 15, 53, "E", ""}},
        {"113°15'.5\"E", {113, 15, no, "E", ""}},
        {"0°0'0\"e", {0, 0, 0, "", ""}},
        {"1 3°15'53\"E", {no, 15, 53, "E", ""}},
        {"113º15'53\"E", {no, no, 53, "E", ""}},  // U+00BA, not the degree sign
        {"113\xB0"
         "15'53\"E",
         {no, no, 53, "E", ""}},  // a lone continuation byte
        // Marks in an odd order still follow the rule: each part starts after the
        // first mark before it and ends at the first mark after it.
        {"15'113°", {no, no, no, "", ""}},
        {"12\"30'45", {no, no, 45, "", ""}},
        // A component whose opening mark is missing is not read.
        {"15'30\"E", {no, no, 30, "E", ""}},
        {"53\"E", {no, no, no, "E", ""}},
        {"113°", {113, no, no, "", ""}},
        {"", {no, no, no, "", ""}},
        // Digit texts that the integer rule rejects stop the reading.
        {"113 °15'53\"E", {no, no, no, "", Message("113 ")}},
        {"113°\t15'53\"E", {113, no, no, "", Message("\t15")}},
        {"113°15'2147483648\"E", {113, 15, no, "", Message("2147483648")}},
        {"2147483647°0'0\"E", {no, 0, 0, "E", ""}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(Read(text), expected) << "'" << text << "'";
    }
}

TEST(FindHemisphereLetters, MatchesExactLettersAnywhere) {
    struct Case {
        std::string_view text;
        char first, second;
        bool foundFirst, foundSecond;
    };
    const Case cases[] = {
        {"23°6'32\"N", 'N', 'S', true, false},  {"S23°6'32\"N", 'N', 'S', true, true},
        {"23°6'32\"n", 'N', 'S', false, false}, {"23°6'32\"", 'N', 'S', false, false},
        {"23°", '\xC2', '\xB0', false, false},
    };
    for (const Case& c : cases) {
        const HemisphereLetters found = FindHemisphereLetters(c.text, c.first, c.second);
        EXPECT_EQ(found.First, c.foundFirst) << c.text;
        EXPECT_EQ(found.Second, c.foundSecond) << c.text;
    }
}

TEST(ReplaceComponent, RewritesBetweenTheMarks) {
    struct Case {
        std::function<std::string(std::string_view, std::string_view)> replace;
        std::string_view text, component, expected;
    };
    const Case cases[] = {
        {ReplaceSeconds, "113°15'53.76\"E", "54", "113°15'54\"E"},
        {ReplaceMinutes, " 23° 6'32.02\"N", "7", "23°7'32.02\"N"},
        {ReplaceDegrees, " 23° 6'32.02\"N", "24", "24° 6'32.02\"N"},
        {ReplaceDegrees, "113°15'53\"E\t", "", "°15'53\"E"},
        {ReplaceMinutes, "113°15'53\"E", " 5 ", "113° 5 '53\"E"},
        {ReplaceSeconds, "113°15'53\"E", "$1F", "113°15'$1F\"E"},
        {ReplaceDegrees, "北113°15'", "一百", "一百°15'"},
        // Odd orders of marks follow the same rule.
        {ReplaceMinutes, "15'113°", "20", "15'113°20'113°"},
        {ReplaceSeconds, "1\"2'3", "9", "1\"2'9\"2'3"},
        // Without the marks around the component the text only loses its blanks.
        {ReplaceDegrees, " 15'30\"E ", "113", "15'30\"E"},
        {ReplaceMinutes, "113°15", "20", "113°15"},
        {ReplaceMinutes, "15'30\"E", "20", "15'30\"E"},
        {ReplaceSeconds, "113°15'53", "54", "113°15'53"},
        {ReplaceSeconds, "53\"E", "54", "53\"E"},
        {ReplaceSeconds, "", "54", ""},
        {ReplaceDegrees, "113\xC2", "5", "113\xC2"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.replace(c.text, c.component), c.expected)
            << "'" << c.text << "' with '" << c.component << "'";
    }
}

TEST(SetHemisphereLetter, ReplacesTheAxisLetters) {
    struct Case {
        std::string_view text;
        char letter;
        std::string_view expected;
    };
    const Case cases[] = {
        {"113°15'53.76\"E", 'W', "113°15'53.76\"W"},
        {"113°15'53.76\"", 'W', "113°15'53.76\"W"},
        {"E113°15'53\"W", 'E', "113°15'53\"E"},
        {" 113°15'53\"E \t", 'E', "113°15'53\"E"},
        {"WEW", 'E', "WE"},
        {"", 'W', "W"},
        {"113°", '\xB0', "113°"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SetHemisphereLetter(c.text, c.letter, 'E', 'W'), c.expected) << c.text;
    }
    EXPECT_EQ(SetHemisphereLetter("°", 'E', '\xC2', '\xB0'), "°E");
}

TEST(TextOperations, KeepValidUtf8ValidAndSurviveInvalidInput) {
    const std::string_view texts[] = {
        "113°15'53.76\"E",
        "°'\"",
        "北纬23°6'32\"N",
        "\xC2",
        "\xB0'\"",
        "113\xC2\xC2\xB0"
        "5'",
        "\xF0\x9F\x98\x80°😀'😀\"😀",
        "\xE2\x82",
        "\xFF\xFE°\x80'\"",
        "",
    };
    const std::string_view components[] = {"", "7", "°", "\xC2", "😀"};
    for (std::string_view t : texts) {
        const bool valid = reference::IsValidUtf8(t);
        for (std::string_view c : components) {
            const bool bothValid = valid && reference::IsValidUtf8(c);
            for (const std::string& result :
                 {ReplaceDegrees(t, c), ReplaceMinutes(t, c), ReplaceSeconds(t, c)}) {
                EXPECT_TRUE(!bothValid || reference::IsValidUtf8(result)) << t << " " << c;
            }
        }
        const std::string letters = SetHemisphereLetter(t, 'W', 'E', 'W');
        EXPECT_TRUE(!valid || reference::IsValidUtf8(letters)) << t;
        EXPECT_TRUE(!valid || reference::IsValidUtf8(TrimBlanks(t))) << t;
        EXPECT_NO_THROW(Read(t)) << t;
    }
}

// The UTF-8 form of one code point.
std::string Utf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

TEST(MapLookAlikes, TurnsInputMethodCharactersIntoTheNotations) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        // Each kind the full-width and Chinese-punctuation modes type.
        {"’‘′＇", "''''"},
        {"”“″＂", "\"\"\"\""},
        {"º˚°", "°°°"},
        {"０１２３４５６７８９", "0123456789"},
        {"ＥＷＮＳｅｗｎｓ", "EWNSewns"},
        {"．。", ".."},
        {"！～＋－＄ｘ", "!~+-$x"},
        {"１１３º１５’５３。７６”Ｅ", "113°15'53.76\"E"},
        {" 23˚ 6′32．02″Ｎ", " 23° 6'32.02\"N"},
        // Not look-alikes: the ideographic space is no Blank and stays, so do
        // Chinese text, the neighbours of the full-width block, and characters
        // that only resemble a mark from afar.
        {"\u3000北纬、，", "\u3000北纬、,"},
        {"\uFF00\uFF5F\uFF61\uFFE3", "\uFF00\uFF5F\uFF61\uFFE3"},
        {"`´ʹʺ〃", "`´ʹʺ〃"},
        {"113°15'53.76\"E", "113°15'53.76\"E"},
        {"😀１", "😀1"},
        {"", ""},
        // Invalid UTF-8 passes byte by byte; an overlong or cut-off form of a
        // look-alike is no look-alike.
        {"\xEF\xBC", "\xEF\xBC"},
        {"\xBC\x91１",
         "\xBC\x91"
         "1"},
        {"\xE0\x82\xBA", "\xE0\x82\xBA"},
        {"\xC1\xBA", "\xC1\xBA"},
        {"\xE2\x80\xE2\x80\x99", "\xE2\x80'"},
        {"\xEF\xBC\x91\xFF", "1\xFF"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(mapLookAlikes(text), expected) << "'" << text << "'";
    }
}

TEST(MapLookAlikes, MapsEachCharacterToOneAndIsStableOverTheWholeRange) {
    // Every code point, alone and inside a coordinate: one character in, one
    // character out, piece by piece the same as whole, and a second pass
    // changes nothing. The text box maps only the piece a user inserts and
    // counts its typing limit in characters; both rely on this.
    int mapped = 0;
    for (char32_t c = 1; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const std::string one = Utf8(c);
        const std::string out = mapLookAlikes(one);
        if (out == one) continue;
        ++mapped;
        ASSERT_TRUE(out.size() == 1 || out == "°") << std::hex << static_cast<std::uint32_t>(c);
        ASSERT_EQ(mapLookAlikes(out), out);
        ASSERT_EQ(mapLookAlikes("1" + one + "°" + one), "1" + out + "°" + out);
    }
    EXPECT_EQ(mapped, 94 + 3 + 3 + 2 + 1);
}

TEST(ExtractExactSeconds, TakesTheFractionExactlyOrNothing) {
    constexpr Angle::Units s = Angle::kPerSecond;
    const std::pair<const char*, std::optional<Angle::Units>> cases[] = {
        {"113°15'53.76\"E", 5376 * s / 100},
        {"113°15'53\"E", 53 * s},
        {"113°15'53.\"E", 53 * s},
        {"113°15'59.999999999999999999\"E", 60 * s - 1},
        {"113°15'0.000000000000000001000\"E", 1},
        {"113°15'0.0000000000000000001\"E", std::nullopt},  // a 19th decimal
        {"113°15'53.7x\"E", std::nullopt},
        {"113°15'53.-7\"E", std::nullopt},
        {"113°15'60.5\"E", std::nullopt},
        {"113°15'53.76E", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        const std::optional<Angle> actual = ExtractExactSeconds(text);
        EXPECT_EQ(actual.has_value(), expected.has_value()) << text;
        if (actual && expected) {
            EXPECT_TRUE(actual->units == *expected) << text;
        }
    }
    EXPECT_THROW(ExtractExactSeconds("1°2'53 .5\"E"), InvalidInteger);
}

// The plain form read in one pass gives what the general rules give, and
// leaves everything else to them.
TEST(ReadPlainDmsText, AgreesWithTheGeneralRulesOnThePlainFormAndTakesNothingElse) {
    const auto general = [](const std::string& t) -> std::optional<Angle> {
        const auto d = ExtractDegrees(t), m = ExtractMinutes(t);
        const auto s = ExtractExactSeconds(t);
        const HemisphereLetters letters = FindHemisphereLetters(t, 'E', 'W');
        if (!d || !m || !s || letters.First == letters.Second) return std::nullopt;
        const Angle value = Angle::fromDms(*d, *m, 0, false) + *s;
        return letters.Second ? -value : value;
    };
    int read = 0;
    for (const char* d : {"0", "7", "42", "179", "180", "0179"}) {
        for (const char* m : {"0", "05", "59", "60", "123"}) {
            for (const char* s : {"0", "9", "59", "60", "007"}) {
                for (const char* f :
                     {"", ".", ".5", ".123456789012345678", ".1234567890123456789"}) {
                    for (const char* letter : {"E", "W", "e", "EW"}) {
                        const std::string text =
                            std::string(d) + "°" + m + "'" + s + f + "\"" + letter;
                        const std::optional<Angle> plain = readPlainDmsText(text, 'E', 'W');
                        if (!plain) continue;
                        ++read;
                        const std::optional<Angle> expected = general(text);
                        ASSERT_TRUE(expected && *plain == *expected) << text;
                    }
                }
            }
        }
    }
    EXPECT_EQ(read, 4 * 3 * 3 * 3 * 2);
    for (const char* text : {" 1°2'3\"E", "1°2'3\"E ", "1°2'3\" E", "1 °2'3\"E", "1°2'3.\"E",
                             "1°2'3\"N", "1°2'3'E", "1º2'3\"E", "1°2'3\"", "°2'3\"E", "1°'3\"E"})
        EXPECT_FALSE(readPlainDmsText(text, 'E', 'W')) << text;
}

TEST(DmsText, WritesTheNotationExactlyAndReadsBack) {
    const Angle::Units s = Angle::kPerSecond;
    const std::pair<Angle, const char*> cases[] = {
        {Angle::fromDms(113, 17, 30, false), "113°17'30\"E"},
        {Angle{}, "0°0'0\"E"},
        {-Angle::fromDms(2, 0, 4, false) - Angle{s / 2}, "2°0'4.5\"W"},
        {Angle::degrees(180), "180°0'0\"E"},
        {Angle{-1}, "0°0'0.000000000000000001\"W"},
        {Angle::fromDms(23, 5, 30, false) + Angle{9375 * s / 10000}, "23°5'30.9375\"E"},
        {Angle::degrees(-40'000'000'000'000'000), "40000000000000000°0'0\"W"},
    };
    for (const auto& [angle, text] : cases) {
        EXPECT_EQ(dmsText(angle, 'E', 'W'), text);
        if (angle.units > -180 * Angle::kPerDegree && angle.units < 180 * Angle::kPerDegree) {
            const Angle magnitude = angle.units < 0 ? -angle : angle;
            const Angle back =
                Angle::fromDms(*ExtractDegrees(text), *ExtractMinutes(text), 0, false) +
                *ExtractExactSeconds(text);
            EXPECT_TRUE(back == magnitude) << text;
        }
    }
}

TEST(UpperCaseLetters, TurnsEachLowerCaseLetterIntoOneUpperCaseCharacter) {
    const std::pair<const char*, const char*> cases[] = {
        {"113°15'53\"e w n s", "113°15'53\"E W N S"},
        {"ßŉ", "ßŉ"},    // no single upper-case character
        {"éǆǅ", "ÉǄǅ"},  // a title-case letter is no lower-case one
        {"ａ", "Ａ"},    // full width stays full width
        {"𐐨", "𐐀"},      // beyond the first plane too
        {"ⓐ", "ⓐ"},      // a symbol, not a letter
        {"a\xFF"
         "b\xC3",
         "A\xFF"
         "B\xC3"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(upperCaseLetters(text), expected) << text;
}

}  // namespace
}  // namespace quillmark
