// Feeds arbitrary bytes to bit_stuffing and checks what must hold for every
// input, bits or not.
#include "bitstuffing.h"
#include "stuffing_reference.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "property violated: %s\n", property);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);

    // Start from stale content: the call must replace it, not add to it.
    std::string stuffed(input.rbegin(), input.rend());
    bit_stuffing(stuffed, input);

    require(unstuff(stuffed) == input, "unstuffing gives the input back");

    const std::size_t insertions = count_insertions(input);
    require(stuffed.size() == input.size() + insertions, "one '0' per run of five '1's");
    require(insertions <= input.size() / 5, "at most n/5 insertions");

    if (input.find_first_not_of("01") == std::string::npos) {
        require(stuffed.find("111111") == std::string::npos, "no six '1's in a row");
    }

    std::string in_place = input;
    bit_stuffing(in_place, in_place);
    require(in_place == stuffed, "same string in and out gives the stuffed copy");
    return 0;
}
