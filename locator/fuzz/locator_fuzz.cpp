// ComputeLocator on arbitrary integers and flags must agree with exact integer
// arithmetic.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "locator/locator.h"
#include "locator/tests/reference.h"

namespace {

// Uniform int32 values almost never land near the accepted range, so on request
// an axis is respelled: degrees and minutes are kept within reach and the
// seconds chosen so that all three cancel down to a value near the range.
void RespellNearRange(std::int32_t& d, std::int32_t& m, std::int32_t& s, std::int64_t reach) {
    const std::int64_t target = static_cast<std::int64_t>(s) % (reach + 30);
    const std::int64_t degrees = static_cast<std::int64_t>(d) % 40'000'000;
    const std::int64_t minutes = static_cast<std::int64_t>(m) % 36'000'000;
    const std::int64_t seconds = target - 3600 * degrees - 60 * minutes;
    if (seconds < INT32_MIN || seconds > INT32_MAX) return;
    d = static_cast<std::int32_t>(degrees);
    m = static_cast<std::int32_t>(minutes);
    s = static_cast<std::int32_t>(seconds);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::int32_t f[6] = {};
    std::memcpy(f, data, std::min(size, sizeof f));
    const std::uint8_t flags = size > sizeof f ? data[sizeof f] : 0;
    if (flags & 4) RespellNearRange(f[0], f[1], f[2], 648'000);
    if (flags & 8) RespellNearRange(f[3], f[4], f[5], 324'000);
    const quillmark::LocatorInput input{f[0], f[1], f[2], (flags & 1) != 0,
                                        f[3], f[4], f[5], (flags & 2) != 0};

    const auto actual = quillmark::ComputeLocator(input);
    if (!quillmark::reference::SameOutcome(actual, quillmark::reference::ExactLocator(input))) {
        std::fprintf(stderr, "ComputeLocator disagrees with exact arithmetic\n");
        std::abort();
    }
    if (!std::isfinite(quillmark::DecimalDegrees(f[0], f[1], f[2], flags & 1))) {
        std::abort();
    }
    return 0;
}
