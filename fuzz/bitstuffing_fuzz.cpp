// Feeds arbitrary bytes to bit_stuffing and checks what must hold for every
// input, bits or not.
#include "bitstuffing.h"

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

// The receiver's side of the rule: drop each '0' that follows five '1's.
std::string unstuff(const std::string& stuffed)
{
    std::string bits;
    int run = 0;
    for (const char bit : stuffed) {
        if (run == 5) {
            run = 0;
            if (bit == '0') {
                continue;
            }
        }
        bits += bit;
        run = bit == '1' ? run + 1 : 0;
    }
    return bits;
}

// Every complete run of five '1's in the input costs one inserted '0'.
std::size_t runs_of_five(const std::string& bits)
{
    std::size_t runs = 0;
    int run = 0;
    for (const char bit : bits) {
        run = bit == '1' ? run + 1 : 0;
        if (run == 5) {
            ++runs;
            run = 0;
        }
    }
    return runs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);

    // Start from stale content: the call must replace it, not add to it.
    std::string stuffed(input.rbegin(), input.rend());
    bit_stuffing(stuffed, input);

    require(unstuff(stuffed) == input, "unstuffing gives the input back");

    const std::size_t insertions = runs_of_five(input);
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
