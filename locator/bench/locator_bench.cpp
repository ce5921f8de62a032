#include <benchmark/benchmark.h>

#include <optional>

#include "locator/dms_text.h"
#include "locator/grid.h"
#include "locator/locator.h"
#include "locator/position_text.h"

namespace {

using namespace quillmark;

void BM_ComputeLocator(benchmark::State& state) {
    LocatorInput input{113, 15, 53, false, 23, 6, 32, false};
    for (auto _ : state) {
        benchmark::DoNotOptimize(input);
        auto outcome = ComputeLocator(input);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_ComputeLocator);

// The engine of any length on the same input as BM_ComputeLocator: the two
// axes made exact from the box values, then the locator.
void BM_LocatorOf(benchmark::State& state) {
    LocatorInput input{113, 15, 53, false, 23, 6, 32, false};
    const auto length = static_cast<LocatorLength>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(input);
        const Position position{
            Angle::fromDms(input.LonDegrees, input.LonMinutes, input.LonSeconds, input.West),
            Angle::fromDms(input.LatDegrees, input.LatMinutes, input.LatSeconds, input.South)};
        auto outcome = locatorOf(position, length);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_LocatorOf)->Arg(6)->Arg(10);

void BM_LocatorArea(benchmark::State& state) {
    std::string_view text = "OL63PC16SD";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        auto area = locatorArea(text);
        benchmark::DoNotOptimize(area);
    }
}
BENCHMARK(BM_LocatorArea);

void BM_ComputeLocatorOutOfRange(benchmark::State& state) {
    LocatorInput input{180, 0, 0, false, 23, 6, 32, false};
    for (auto _ : state) {
        benchmark::DoNotOptimize(input);
        auto outcome = ComputeLocator(input);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_ComputeLocatorOutOfRange);

void BM_ParseInteger(benchmark::State& state, std::string_view text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(ParseInteger(text));
    }
}
BENCHMARK_CAPTURE(BM_ParseInteger, decimal, std::string_view("113"));
BENCHMARK_CAPTURE(BM_ParseInteger, negative_padded, std::string_view("  -2147483648"));
BENCHMARK_CAPTURE(BM_ParseInteger, hexadecimal, std::string_view("$7FFFFFFF"));

void BM_ParseIntegerRejected(benchmark::State& state) {
    std::string_view text = "12 ";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        try {
            ParseInteger(text);
        } catch (const InvalidInteger& e) {
            benchmark::DoNotOptimize(e.what());
        }
    }
}
BENCHMARK(BM_ParseIntegerRejected);

// What reading a coordinate text box costs: trim, then the three components
// and the hemisphere letters.
void BM_ReadDmsText(benchmark::State& state) {
    const std::string box = "113°15'53.76\"E";
    for (auto _ : state) {
        benchmark::DoNotOptimize(box.data());
        const std::string t = TrimLeadingBlanks(box);
        benchmark::DoNotOptimize(ExtractDegrees(t));
        benchmark::DoNotOptimize(ExtractMinutes(t));
        benchmark::DoNotOptimize(ExtractSeconds(t));
        benchmark::DoNotOptimize(FindHemisphereLetters(t, 'E', 'W'));
    }
}
BENCHMARK(BM_ReadDmsText);

// What reading a pasted position costs, by notation.
void BM_ReadPositionText(benchmark::State& state, std::string_view text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        auto reading = readPositionText(text);
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK_CAPTURE(BM_ReadPositionText, decimal, std::string_view("23.1089, 113.2649"));
BENCHMARK_CAPTURE(BM_ReadPositionText, window_line, std::string_view("113°15'53.76\"E"));
BENCHMARK_CAPTURE(BM_ReadPositionText, chinese_dms,
                  std::string_view("北纬 23°06′32.04″ 东经 113°15′53.64″"));
BENCHMARK_CAPTURE(BM_ReadPositionText, aprs, std::string_view("2306.53N/11315.89E"));
BENCHMARK_CAPTURE(BM_ReadPositionText, google_link,
                  std::string_view("https://www.google.com/maps/place/Canton+Tower/"
                                   "@23.1066,113.3214,17z/data=!3m1!4b1!4m6!3m5!1s0x0:0x0!8m2!"
                                   "3d23.1064!4d113.3245!16s"));
BENCHMARK_CAPTURE(BM_ReadPositionText, locator, std::string_view("OL63PC"));
BENCHMARK_CAPTURE(BM_ReadPositionText, refused, std::string_view("23,1089, 113,2649"));

void BM_ReplaceSeconds(benchmark::State& state) {
    const std::string box = "113°15'53.76\"E";
    for (auto _ : state) {
        benchmark::DoNotOptimize(box.data());
        benchmark::DoNotOptimize(ReplaceSeconds(box, "54"));
    }
}
BENCHMARK(BM_ReplaceSeconds);

}  // namespace
