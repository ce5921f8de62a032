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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::int32_t fields[6] = {};
    std::memcpy(fields, data, std::min(size, sizeof fields));
    const std::uint8_t flags = size > sizeof fields ? data[sizeof fields] : 0;
    const quillmark::LocatorInput input{fields[0], fields[1], fields[2], (flags & 1) != 0,
                                        fields[3], fields[4], fields[5], (flags & 2) != 0};

    const auto actual = quillmark::ComputeLocator(input);
    if (!quillmark::reference::SameOutcome(actual, quillmark::reference::ExactLocator(input))) {
        std::fprintf(stderr, "ComputeLocator disagrees with exact arithmetic\n");
        std::abort();
    }
    if (!std::isfinite(quillmark::DecimalDegrees(fields[0], fields[1], fields[2], flags & 1))) {
        std::abort();
    }
    return 0;
}
