// Draws 25 random bits, prints them, applies zero-bit insertion and prints
// the stuffed result.
#include "bitstuffing.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <string>

// A 32-bit time_t runs out at 2038-01-19T03:14:07Z; past it every run would
// seed alike.  The build selects a 64-bit one; refuse a build that did not.
static_assert(sizeof(std::time_t) >= sizeof(std::int64_t),
              "time_t must be 64 bits: define _TIME_BITS=64 and _FILE_OFFSET_BITS=64 "
              "(32-bit glibc) or __MINGW_USE_VC2005_COMPAT (32-bit MinGW-w64)");

int main()
{
    constexpr int bit_count = 25;

    // The seed takes the low 32 bits of the time: it repeats every 2^32
    // seconds, which no user can tell from a fresh one.
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    std::string original;
    std::string stuffed;
    generate_random_bits(original, bit_count);
    std::cout << "Original bits: " << original << '\n';

    bit_stuffing(stuffed, original);
    std::cout << "Bit stuffed: " << stuffed << '\n';

    // Output is buffered: a full disk or a closed stdout shows only once the
    // buffer is written.  Flush now so that such a failure is not lost.
    std::cout.flush();
    if (!std::cout) {
        const int error = errno;
        std::cerr << "bitstuffing: write error";
        if (error != 0) {
            std::cerr << ": " << std::strerror(error);
        }
        std::cerr << '\n';
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
