#include "locator/grid.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <random>

#include "locator/dms_text.h"
#include "locator/geodesic.h"
#include "locator/tests/reference.h"

namespace quillmark {
namespace {

using reference::MakeRational;
using reference::Rational;

constexpr int kLengths[] = {2, 4, 6, 8, 10};
// One unit of the engine, 10^-18 arc second, as a fraction of a degree.
constexpr __int128 kUnitsPerDegree = static_cast<__int128>(3600) * 1'000'000'000'000'000'000;

Angle AngleOf(Rational degrees) { return {degrees.num * (kUnitsPerDegree / degrees.den)}; }
Rational RationalOf(Angle angle) { return MakeRational(angle.units, kUnitsPerDegree); }

std::string Describe(const std::variant<LocatorText, LocatorError>& outcome) {
    if (const auto* error = std::get_if<LocatorError>(&outcome))
        return std::string(MessageText(*error));
    return std::string(std::get<LocatorText>(outcome).text());
}

std::string Describe(const std::variant<std::string, LocatorError>& outcome) {
    if (const auto* error = std::get_if<LocatorError>(&outcome))
        return std::string(MessageText(*error));
    return std::get<std::string>(outcome);
}

std::string Locate(const Position& p, int characters) {
    return Describe(locatorOf(p, *locatorLength(characters)));
}

std::string Show(const Position& p) {
    return dmsText(p.longitude, 'E', 'W') + " " + dmsText(p.latitude, 'N', 'S');
}

TEST(LocatorOf, GivesEveryLengthOrTheFirstAxisOutOfRange) {
    const auto dms = [](int d, int m, int s, const char* fraction = "") {
        return Angle::fromDms(d, m, s, false) +
               (*fraction ? std::get<Angle>(readDecimalAngle(fraction, AngleUnit::Second))
                          : Angle{});
    };
    struct Case {
        Angle lon, lat;
        const char* expected;  // at 10 characters
    };
    const Case cases[] = {
        {dms(113, 15, 53), dms(23, 6, 32), "OL63PC16SD"},
        {-dms(180, 0, 0), -dms(90, 0, 0), "AA00AA00AA"},
        {dms(179, 59, 59, ".999999"), dms(89, 59, 59, ".999999"), "RR99XX99XX"},
        // The offset carries these onto 180 E and 90 N: the last cell, never S or Y.
        {dms(179, 59, 59, ".9964"), dms(89, 59, 59, ".9964"), "RR99XX99XX"},
        {Angle::degrees(180) - Angle{1}, Angle::degrees(90) - Angle{1}, "RR99XX99XX"},
        {dms(180, 0, 0), dms(0, 0, 0), "经度参数出错！"},
        {dms(0, 0, 0), dms(90, 0, 0), "纬度参数出错！"},
        {-dms(180, 0, 0) - Angle{1}, dms(91, 0, 0), "经度参数出错！"},
        {dms(0, 0, 0), -dms(90, 0, 0) - Angle{1}, "纬度参数出错！"},
        // A position on an edge belongs to the cell east or north of it.
        {dms(0, 0, 0), dms(0, 0, 0), "JJ00AA00AA"},
        {-dms(0, 0, 1, ".25"), -dms(0, 0, 0, ".625"), "II99XX99XX"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Locate({c.lon, c.lat}, 10), c.expected) << Show({c.lon, c.lat});
        const std::string expected = c.expected;
        EXPECT_EQ(Locate({c.lon, c.lat}, 6),
                  expected.size() == 10 ? expected.substr(0, 6) : expected);
    }
}

// Every edge of every pair on both axes that the table names, exactly on it,
// a unit, a hundredth and a whole second either side, and either side of
// where the offset moves it to, against exact rationals.
TEST(LocatorOf, MatchesExactRationalsAtTheCellEdgesOfEveryPair) {
    const Rational unit{1, kUnitsPerDegree};
    const Rational hundredth{1, 360'000};
    const Rational second{1, 3600};
    const Rational offset{1, 1'000'000};
    const auto neg = [](Rational r) { return Rational{-r.num, r.den}; };
    const Rational deltas[] = {
        {0, 1},
        unit,
        neg(unit),
        hundredth,
        neg(hundredth),
        second,
        neg(second),
        neg(offset),
        reference::Add(neg(offset), unit),
        reference::Add(neg(offset), neg(unit)),
    };
    // Edges of each pair: `count` of them, `per` to the degree, from `start` degrees.
    struct Edges {
        int start;
        int count;
        __int128 per;  // edges per degree (as a denominator: width = 1 / per)
        int widthNum;  // width = widthNum / per
    };
    const Edges lonEdges[] = {{-180, 19, 1, 20}, {-180, 181, 1, 2}, {112, 25, 12, 1},
                              {-2, 25, 12, 1},   {113, 11, 120, 1}, {-1, 25, 2880, 1}};
    const Edges latEdges[] = {{-90, 19, 1, 10}, {-90, 181, 1, 1}, {23, 25, 24, 1},
                              {-1, 25, 24, 1},  {23, 11, 240, 1}, {-1, 25, 5760, 1}};
    const Rational other[2] = {{23'108'889, 1'000'000}, {-113'264'723, 1'000'000}};
    int checked = 0;
    for (int axis = 0; axis < 2; ++axis) {
        for (const Edges& e : axis == 0 ? lonEdges : latEdges) {
            for (int k = 0; k < e.count; ++k) {
                const Rational edge = MakeRational(e.start * e.per + k * e.widthNum, e.per);
                for (const Rational& delta : deltas) {
                    const Rational value = reference::Add(edge, delta);
                    const Rational lon = axis == 0 ? value : other[1];
                    const Rational lat = axis == 1 ? value : other[0];
                    const Position p{AngleOf(lon), AngleOf(lat)};
                    for (int n : kLengths) {
                        ASSERT_EQ(Locate(p, n), Describe(reference::RationalLocator(lon, lat, n)))
                            << Show(p) << " at " << n;
                        ++checked;
                    }
                }
            }
        }
    }
    EXPECT_EQ(checked, 28'600);
}

TEST(LocatorOf, ShorterLocatorsBeginLongerOnesAndAllAgreeWithRationals) {
    std::mt19937_64 random(15);
    const auto uniform = [&](__int128 half) {
        const unsigned __int128 wide = static_cast<unsigned __int128>(random()) << 64 | random();
        return static_cast<__int128>(wide % static_cast<unsigned __int128>(2 * half)) - half;
    };
    for (int i = 0; i < 100'000; ++i) {
        // Whole seconds now and then, to meet cell edges more often.
        Position p{{uniform(180 * kUnitsPerDegree)}, {uniform(90 * kUnitsPerDegree)}};
        if (i % 3 == 0) {
            p.longitude.units -= p.longitude.units % Angle::kPerSecond;
            p.latitude.units -= p.latitude.units % Angle::kPerSecond;
        }
        const std::string full = Locate(p, 10);
        ASSERT_EQ(full, Describe(reference::RationalLocator(RationalOf(p.longitude),
                                                            RationalOf(p.latitude), 10)))
            << Show(p);
        for (int n : {2, 4, 6, 8}) ASSERT_EQ(Locate(p, n), full.substr(0, n)) << Show(p);
    }
}

// For whole seconds, the raw range [-180, 180) x [-90, 90) is ComputeLocator's
// range after the offset, and six characters are its locator: every whole
// second of each axis, written with either hemisphere, and a little beyond.
TEST(LocatorOf, AtSixCharactersIsComputeLocatorForEveryWholeSecond) {
    long checked = 0;
    for (int axis = 0; axis < 2; ++axis) {
        const std::int32_t limit = axis == 0 ? 648'000 : 324'000;
        for (std::int32_t t = -limit - 2; t <= limit + 2; ++t) {
            for (bool flag : {false, true}) {
                const std::int32_t s = flag ? -t : t;
                const LocatorInput in = axis == 0 ? LocatorInput{0, 0, s, flag, 23, 6, 32, false}
                                                  : LocatorInput{113, 15, 53, true, 0, 0, s, flag};
                const Position p{
                    Angle::fromDms(in.LonDegrees, in.LonMinutes, in.LonSeconds, in.West),
                    Angle::fromDms(in.LatDegrees, in.LatMinutes, in.LatSeconds, in.South)};
                const auto expected = ComputeLocator(in);
                const auto actual = locatorOf(p, LocatorLength::Subsquare);
                const std::string want =
                    std::holds_alternative<LocatorError>(expected)
                        ? std::string(MessageText(std::get<LocatorError>(expected)))
                        : std::get<LocatorResult>(expected).Locator;
                if (Describe(actual) != want) {
                    ADD_FAILURE() << Show(p) << ": " << Describe(actual) << ", window " << want;
                    return;
                }
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 2 * (1'296'005 + 648'005));
}

// Every field and square, and a sample of the longer locators: the corners
// and the centre, exact, and the centre and the south-west corner locate back.
TEST(LocatorArea, RoundTripsForEveryPrecision) {
    const auto check = [](const std::string& text) {
        const auto outcome = locatorArea(text);
        ASSERT_TRUE(std::holds_alternative<LocatorArea>(outcome)) << text;
        const LocatorArea& area = std::get<LocatorArea>(outcome);
        const int n = static_cast<int>(text.size());
        ASSERT_EQ(static_cast<int>(area.length), n);
        // 20 x 10 degrees, then / 10, / 24, / 10, / 24.
        const __int128 divisor[] = {1, 10, 240, 2400, 57600};
        const Angle width{20 * kUnitsPerDegree / divisor[n / 2 - 1]};
        const Angle height{width.units / 2};
        EXPECT_EQ(area.northEast.longitude - area.southWest.longitude, width) << text;
        EXPECT_EQ(area.northEast.latitude - area.southWest.latitude, height) << text;
        EXPECT_EQ(area.centre.longitude.units * 2,
                  area.southWest.longitude.units + area.northEast.longitude.units);
        EXPECT_EQ(area.centre.latitude.units * 2,
                  area.southWest.latitude.units + area.northEast.latitude.units);
        std::string upper = text;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(Locate(area.centre, n), upper) << Show(area.centre);
        EXPECT_EQ(Locate(area.southWest, n), upper) << Show(area.southWest);
    };
    for (char a = 'A'; a <= 'R'; ++a) {
        for (char b = 'a'; b <= 'r'; ++b) {
            check({a, b});
            for (char c = '0'; c <= '9'; ++c)
                for (char d = '0'; d <= '9'; ++d) check({a, b, c, d});
        }
    }
    std::mt19937 random(16);
    const char* ranges[] = {"AR", "09", "AX", "09", "ax"};
    for (int i = 0; i < 30'000; ++i) {
        std::string text;
        for (int k = 0; k < 6 + 2 * (i % 3); ++k) {
            const char* r = ranges[k / 2];
            text += static_cast<char>(r[0] + random() % (r[1] - r[0] + 1));
        }
        check(text);
    }
}

TEST(LocatorArea, RefusesAnythingElseSayingWhatIsWrong) {
    using R = LocatorRefusal::Reason;
    struct Case {
        const char* text;
        R reason;
        int length, position;
        char32_t character;
    };
    const Case cases[] = {
        {"", R::WrongLength, 0, 0, 0},
        {"O", R::WrongLength, 1, 0, 0},
        {"OL63PC12AB3", R::WrongLength, 11, 0, 0},
        {"OL6#PC", R::NotLetterOrDigit, 6, 4, U'#'},
        {"OL63 PC", R::NotLetterOrDigit, 7, 5, U' '},
        {"ＯＬ63", R::NotLetterOrDigit, 4, 1, U'Ｏ'},
        {"OL\xFF"
         "3",
         R::NotLetterOrDigit, 4, 3, U'\uFFFD'},
        {"OL6", R::OddLength, 3, 0, 0},
        {"OL63PC12A", R::OddLength, 9, 0, 0},
        {"SL", R::OutOfPairRange, 2, 1, U'S'},
        {"os", R::OutOfPairRange, 2, 2, U's'},
        {"OLA3", R::OutOfPairRange, 4, 3, U'A'},
        {"OL63Y", R::OutOfPairRange, 5, 5, U'Y'},
        {"OL63P5", R::OutOfPairRange, 6, 6, U'5'},
        {"OL63PCX1", R::OutOfPairRange, 8, 7, U'X'},
        {"OL63PC12AZ", R::OutOfPairRange, 10, 10, U'Z'},
    };
    for (const Case& c : cases) {
        const auto outcome = locatorArea(c.text);
        ASSERT_TRUE(std::holds_alternative<LocatorRefusal>(outcome)) << c.text;
        const LocatorRefusal& r = std::get<LocatorRefusal>(outcome);
        EXPECT_EQ(r.reason, c.reason) << c.text;
        EXPECT_EQ(r.length, c.length) << c.text;
        EXPECT_EQ(r.position, c.position) << c.text;
        EXPECT_EQ(r.character, c.character) << c.text;
    }
}

TEST(ReadDecimalAngle, ReadsExactlyOrSaysWhyNot) {
    constexpr Angle::Units s = Angle::kPerSecond;
    struct Case {
        const char* text;
        AngleUnit unit;
        std::variant<Angle, DecimalRefusal> expected;
    };
    const Case cases[] = {
        {"53.76", AngleUnit::Second, Angle{5376 * s / 100}},
        {"0.1", AngleUnit::Degree, Angle{360 * s}},
        {"6.5", AngleUnit::Minute, Angle{390 * s}},
        {".5", AngleUnit::Second, Angle{s / 2}},
        {"53.", AngleUnit::Second, Angle{53 * s}},
        {"000000000000000000000113", AngleUnit::Degree, Angle::degrees(113)},
        {"0.000000000000000001", AngleUnit::Second, Angle{1}},
        {"0.000000000000000001", AngleUnit::Degree, Angle{3600}},
        {"1.5000000000000000000000", AngleUnit::Second, Angle{3 * s / 2}},
        {"999999999999999", AngleUnit::Degree, Angle::degrees(999'999'999'999'999)},
        {"0.0000000000000000001", AngleUnit::Second, DecimalRefusal::TooManyDecimals},
        {"1000000000000000", AngleUnit::Degree, DecimalRefusal::TooLarge},
        {"", AngleUnit::Degree, DecimalRefusal::NotADecimal},
        {".", AngleUnit::Degree, DecimalRefusal::NotADecimal},
        {"+1", AngleUnit::Degree, DecimalRefusal::NotADecimal},
        {"1e3", AngleUnit::Degree, DecimalRefusal::NotADecimal},
        {"1,5", AngleUnit::Degree, DecimalRefusal::NotADecimal},
        {"1.2.3", AngleUnit::Degree, DecimalRefusal::NotADecimal},
        {" 1", AngleUnit::Degree, DecimalRefusal::NotADecimal},
    };
    for (const Case& c : cases) {
        const auto actual = readDecimalAngle(c.text, c.unit);
        EXPECT_EQ(actual.index(), c.expected.index()) << c.text;
        if (actual.index() == 0 && c.expected.index() == 0) {
            EXPECT_TRUE(std::get<Angle>(actual) == std::get<Angle>(c.expected)) << c.text;
        } else if (actual.index() == 1 && c.expected.index() == 1) {
            EXPECT_EQ(std::get<DecimalRefusal>(actual), std::get<DecimalRefusal>(c.expected))
                << c.text;
        }
    }
}

TEST(PathsBetween, AgreeWithPublishedGeodesics) {
    const auto at = [](double lat, double lon) {
        return Position{{static_cast<__int128>(lon * 3600) * Angle::kPerSecond},
                        {static_cast<__int128>(lat * 3600) * Angle::kPerSecond}};
    };
    const auto dms = [](int d, int m, int s) { return Angle::fromDms(d, m, s, false); };
    // Distances and azimuths as published, with the half unit of their last
    // digit; a negative value is not checked.
    struct Case {
        Position from, to;
        double kilometres, azimuth, longKilometres, longAzimuth, kmTolerance, degreeTolerance;
    };
    const Case cases[] = {
        // JFK to Singapore Changi, to the metre and the tenth of an arc second.
        {{-dms(73, 46, 44), dms(40, 38, 23)},
         {dms(103, 59, 22), dms(1, 21, 33)},
         15347.628,
         3 + 18 / 60.0 + 29.9 / 3600,
         -1,
         -1,
         0.0005,
         0.05 / 3600},
        // Half and quarter meridian, quarter of the equator (a = 6378137 m).
        {at(-90, 0), at(90, 0), 20003.931458, 0, -1, -1, 1e-6, 1e-9},
        {at(0, 0), at(90, 0), 10001.965729, 0, 10001.965729 + 20003.931458, 180, 1e-6, 1e-9},
        {at(0, 0), at(0, 90), 10018.754171, 90, 10018.754171 + 20003.931458, 270, 5e-7, 1e-9},
        {at(0, 0), at(-10, 0), -1, 180, -1, -1, 0, 1e-9},
        {at(0, 0), at(0, -10), -1, 270, -1, 90, 0, 1e-9},
    };
    for (const Case& c : cases) {
        const Paths paths = pathsBetween(c.from, c.to);
        SCOPED_TRACE(Show(c.from) + " to " + Show(c.to));
        const auto near = [](double actual, double expected, double tolerance) {
            return expected < 0 || std::abs(actual - expected) <= tolerance;
        };
        EXPECT_PRED3(near, paths.shortPath.kilometres, c.kilometres, c.kmTolerance);
        EXPECT_PRED3(near, paths.shortPath.azimuth, c.azimuth, c.degreeTolerance);
        EXPECT_PRED3(near, paths.longPath.kilometres, c.longKilometres, c.kmTolerance);
        EXPECT_PRED3(near, paths.longPath.azimuth, c.longAzimuth, c.degreeTolerance);
        EXPECT_TRUE(paths.shortPath.azimuth >= 0 && paths.shortPath.azimuth < 360);
        EXPECT_TRUE(paths.longPath.azimuth >= 0 && paths.longPath.azimuth < 360);
    }
}

}  // namespace
}  // namespace quillmark
