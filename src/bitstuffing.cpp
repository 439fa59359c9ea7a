#include "bitstuffing.h"

#include <cstddef>
#include <cstdlib>

namespace {

// After this many 1 bits in a row the sender inserts a 0.
constexpr int stuffing_threshold = 5;

} // namespace

void generate_random_bits(std::string& bits, int count)
{
    bits.clear();
    if (count > 0) {
        bits.reserve(static_cast<std::size_t>(count));
    }
    for (int i = 0; i < count; ++i) {
        bits += (std::rand() & 1) != 0 ? '1' : '0';
    }
}

void bit_stuffing(std::string& stuffed, const std::string& bits)
{
    if (&stuffed == &bits) {
        // Clearing the output would destroy the input: stuff a copy instead.
        const std::string input = bits;
        bit_stuffing(stuffed, input);
        return;
    }

    stuffed.clear();
    // Worst case: one insertion per five input characters.
    stuffed.reserve(bits.size() + bits.size() / stuffing_threshold);

    int run = 0; // '1' characters since the last other character or insertion
    for (const char bit : bits) {
        stuffed += bit;
        if (bit != '1') {
            run = 0;
        } else if (++run == stuffing_threshold) {
            stuffed += '0';
            run = 0;
        }
    }
}
