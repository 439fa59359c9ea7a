// Draws 25 random bits, prints them, applies zero-bit insertion and prints
// the stuffed result.
#include "bitstuffing.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <string>

int main()
{
    constexpr int bit_count = 25;

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
