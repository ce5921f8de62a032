#include "locator/locator.h"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <cstdlib>
#include <new>
#include <random>
#include <sstream>

#include "locator/tests/reference.h"

// Counts heap allocations so a test can show that ComputeLocator makes none.
namespace {
std::atomic<long> g_allocations{0};
}
void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace quillmark {
namespace {

using Outcome = std::variant<LocatorResult, LocatorError>;

std::string Describe(const Outcome& outcome) {
    if (const auto* error = std::get_if<LocatorError>(&outcome)) {
        return *error == LocatorError::LongitudeOutOfRange ? "LongitudeOutOfRange"
                                                           : "LatitudeOutOfRange";
    }
    const auto& r = std::get<LocatorResult>(outcome);
    std::ostringstream out;
    out << r.Locator << " (" << r.Field.Column << ", " << r.Field.Row << ")";
    return out.str();
}

std::string Describe(const LocatorInput& in) {
    std::ostringstream out;
    out << in.LonDegrees << "d " << in.LonMinutes << "m " << in.LonSeconds << "s "
        << (in.West ? 'W' : 'E') << ", " << in.LatDegrees << "d " << in.LatMinutes << "m "
        << in.LatSeconds << "s " << (in.South ? 'S' : 'N');
    return out.str();
}

TEST(ComputeLocator, GivesTheLocatorOrTheFirstAxisOutOfRange) {
    struct Case {
        LocatorInput input;
        const char* expected;
    };
    const Case cases[] = {
        {{113, 15, 53, false, 23, 6, 32, false}, "OL63PC (14, 11)"},
        {{0, 0, 0, false, 0, 0, 0, false}, "JJ00AA (9, 9)"},
        {{74, 0, 21, true, 40, 42, 46, false}, "FN20XR (5, 13)"},
        {{151, 12, 0, false, 33, 52, 0, true}, "QF56OD (16, 5)"},
        {{0, 30, 0, true, 0, 30, 0, true}, "II99SM (8, 8)"},
        {{180, 0, 0, true, 90, 0, 0, true}, "AA00AA (0, 0)"},
        {{179, 59, 59, false, 89, 59, 59, false}, "RR99XX (17, 17)"},
        {{180, 0, 0, false, 0, 0, 0, false}, "LongitudeOutOfRange"},
        {{180, 0, 0, false, 1000, 0, 0, true}, "LongitudeOutOfRange"},
        {{0, 0, 0, false, 90, 0, 0, false}, "LatitudeOutOfRange"},
        {{0, 0, 0, false, 90, 0, 0, true}, "JA00AA (9, 0)"},
        // A position on a boundary goes to the cell east or north of it.
        {{113, 15, 0, false, 23, 6, 32, false}, "OL63PC (14, 11)"},
        {{113, 15, 0, true, 23, 6, 32, false}, "DL33JC (3, 11)"},
        {{0, 0, -1, false, 0, 0, -1, false}, "II99XX (8, 8)"},
        // The hemisphere applies to the whole value, minutes and seconds as well.
        {{0, 0, 0, true, 0, 0, 0, true}, "JJ00AA (9, 9)"},
        {{-1, 0, 0, true, -1, 0, 0, true}, "JJ01MA (9, 9)"},
        {{10, 60, 0, false, 0, 0, 0, false}, "JJ50MA (9, 9)"},
        {{11, 0, 0, false, 0, 0, 0, false}, "JJ50MA (9, 9)"},
        {{0, -30, 0, false, 0, 0, 0, false}, "IJ90SA (8, 9)"},
        {{0, 30, 0, true, 0, 0, 0, false}, "IJ90SA (8, 9)"},
        {{181, -60, 0, false, 0, 0, 0, false}, "LongitudeOutOfRange"},
        {{181, -60, 0, true, 0, 0, 0, false}, "AJ00AA (0, 9)"},
        {{INT_MIN, INT_MIN, INT_MIN, false, INT_MIN, 0, 0, false}, "LongitudeOutOfRange"},
        {{0, 0, 0, false, INT_MAX, INT_MAX, INT_MAX, true}, "LatitudeOutOfRange"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Describe(ComputeLocator(c.input)), c.expected) << Describe(c.input);
    }
}

TEST(ComputeLocator, AllocatesNothing) {
    const LocatorInput input{113, 15, 53, false, 23, 6, 32, false};
    const long before = g_allocations.load();
    const Outcome outcome = ComputeLocator(input);
    EXPECT_EQ(g_allocations.load(), before);
    EXPECT_EQ(Describe(outcome), "OL63PC (14, 11)");
}

TEST(DecimalDegrees, SignsTheWholeValueThenAddsTheOffset) {
    struct Case {
        std::int32_t d, m, s;
        bool negative;
        double expected;
    };
    const Case cases[] = {
        {113, 15, 53, false, 113.26472322222222},
        {74, 0, 21, true, -74.00583233333333},
        {0, 30, 0, true, -0.499999},
        {0, 0, 0, true, 0.000001},
        {0, 0, 0, false, 0.000001},
        {10, 75, 0, false, 11.250001},
        {0, -30, 0, false, -0.499999},
        {INT_MIN, 0, 0, true, 2147483648.000001},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(DecimalDegrees(c.d, c.m, c.s, c.negative), c.expected)
            << c.d << " " << c.m << " " << c.s << " " << c.negative;
    }
}

TEST(MessageText, NamesTheAxis) {
    EXPECT_EQ(MessageText(LocatorError::LongitudeOutOfRange), "经度参数出错！");
    EXPECT_EQ(MessageText(LocatorError::LatitudeOutOfRange), "纬度参数出错！");
}

// Compares ComputeLocator with exact integer arithmetic and reports the first
// few disagreements.
class AgreesWithExactArithmetic : public ::testing::Test {
protected:
    void Check(const LocatorInput& in) {
        ++m_checked;
        const Outcome expected = reference::ExactLocator(in);
        const Outcome actual = ComputeLocator(in);
        if (!reference::SameOutcome(expected, actual) && ++m_failures <= 10) {
            ADD_FAILURE() << Describe(in) << ": got " << Describe(actual) << ", exact "
                          << Describe(expected);
        }
    }

    // Writes `total` seconds (a signed axis value before the offset) on both
    // hemispheres: plainly, and in the spelling `variant` (1..7) picks among
    // seconds only and huge components of opposite sign that cancel.
    template <typename Fn>
    static void ForEachSpelling(std::int64_t total, int variant, Fn fn) {
        for (bool negative : {false, true}) {
            const std::int64_t target = negative ? -total : total;
            const std::int64_t spellings[][2] = {
                {target / 3600, target % 3600 / 60},
                {0, 0},
                {0, 35'000'000},
                {0, -35'000'000},
                {596'000, 0},
                {-596'000, 0},
                {35'000'000, -2'100'000'000 + target / 60},
                {-35'000'000, 2'100'000'000 + target / 60},
            };
            for (int k : {0, variant}) {
                const auto [d, m] = spellings[k];
                const std::int64_t s = target - 3600 * d - 60 * m;
                if (s < INT_MIN || s > INT_MAX) continue;
                fn(static_cast<std::int32_t>(d), static_cast<std::int32_t>(m),
                   static_cast<std::int32_t>(s), negative);
            }
        }
    }

    // Every boundary from -limit to limit seconds, `step` apart: a few seconds
    // around each, all spellings at square boundaries (`squareStep` apart) and a
    // rotating one elsewhere.
    template <typename Fn>
    static void SweepBoundaries(std::int64_t limit, std::int64_t step, std::int64_t squareStep,
                                Fn fn) {
        for (std::int64_t boundary = -limit; boundary <= limit; boundary += step) {
            const bool square = boundary % squareStep == 0;
            const std::int64_t reach = square ? 3 : 1;
            const auto index = static_cast<int>((boundary + limit) / step);
            for (std::int64_t delta = -reach; delta <= reach; ++delta) {
                for (int variant = 1; variant <= 7; ++variant) {
                    if (square || variant == 1 + index % 7) {
                        ForEachSpelling(boundary + delta, variant, fn);
                    }
                }
            }
        }
    }

    long m_checked = 0;
    int m_failures = 0;
};

TEST_F(AgreesWithExactArithmetic, AroundEveryCellBoundaryAndRangeLimit) {
    // Subsquares are 30 seconds wide in longitude and 15 in latitude, squares
    // 2 degrees and 1 degree; every field boundary and range limit is also a
    // square boundary.
    SweepBoundaries(648'000, 30, 7'200, [&](auto d, auto m, auto s, bool west) {
        Check({d, m, s, west, 12, 34, 56, false});
    });
    SweepBoundaries(324'000, 15, 3'600, [&](auto d, auto m, auto s, bool south) {
        Check({-3, 0, 17, true, d, m, s, south});
    });
    EXPECT_GT(m_checked, 1'000'000);
}

TEST_F(AgreesWithExactArithmetic, AtTheLimitsOfInt32) {
    const std::int32_t values[] = {INT_MIN, INT_MIN + 1, -1, 0, 1, INT_MAX - 1, INT_MAX};
    for (std::int32_t d : values) {
        for (std::int32_t m : values) {
            for (std::int32_t s : values) {
                for (bool negative : {false, true}) {
                    Check({d, m, s, negative, 45, 0, 0, false});
                    Check({90, 0, 0, true, d, m, s, negative});
                }
            }
        }
    }
}

TEST_F(AgreesWithExactArithmetic, OnARandomSample) {
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<std::int32_t> anyInt(INT_MIN, INT_MAX);
    std::uniform_int_distribution<std::int64_t> lonSeconds(-648'010, 648'010);
    std::uniform_int_distribution<std::int64_t> latSeconds(-324'010, 324'010);
    std::uniform_int_distribution<std::int32_t> bigDegrees(-35'000'000, 35'000'000);
    std::uniform_int_distribution<std::int32_t> smallInt(-100, 100);
    auto flag = [&] { return (random() & 1) != 0; };

    // A value near the range with random, possibly huge, components that cancel.
    auto spell = [&](std::int64_t total, std::int32_t out[3], bool& negative) {
        negative = flag();
        const std::int64_t target = negative ? -total : total;
        for (;;) {
            const std::int64_t d = random() % 3 == 0 ? bigDegrees(random) : smallInt(random);
            const std::int64_t m = -60 * d + bigDegrees(random);
            const std::int64_t s = target - 3600 * d - 60 * m;
            if (m < INT_MIN || m > INT_MAX || s < INT_MIN || s > INT_MAX) continue;
            out[0] = static_cast<std::int32_t>(d);
            out[1] = static_cast<std::int32_t>(m);
            out[2] = static_cast<std::int32_t>(s);
            return;
        }
    };

    for (int i = 0; i < 100'000; ++i) {
        Check({anyInt(random), anyInt(random), anyInt(random), flag(), anyInt(random),
               anyInt(random), anyInt(random), flag()});
        Check({smallInt(random), anyInt(random) / 60, anyInt(random), flag(), smallInt(random),
               anyInt(random) / 60, anyInt(random), flag()});
    }
    for (int i = 0; i < 200'000; ++i) {
        std::int32_t lon[3], lat[3];
        bool west, south;
        spell(lonSeconds(random), lon, west);
        spell(latSeconds(random), lat, south);
        Check({lon[0], lon[1], lon[2], west, lat[0], lat[1], lat[2], south});
    }
}

}  // namespace
}  // namespace quillmark
