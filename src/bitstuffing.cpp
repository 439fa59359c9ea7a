#include "bitstuffing.h"

#include <cstddef>
#include <cstdlib>
#include <utility>

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
        // Filling the output would overwrite the input: build the result
        // apart, then move it into place.
        std::string result;
        bit_stuffing(result, bits);
        stuffed = std::move(result);
        return;
    }

    // Size the output once for the worst case, one insertion per five input
    // characters, filled with '0'.  Slots are written in order, so a slot
    // that is skipped after a fifth '1' keeps its '0': that is the insertion.
    stuffed.assign(bits.size() + bits.size() / stuffing_threshold, '0');

    // The loop is written without branches on the data: random bits would
    // defeat branch prediction and cost far more than the arithmetic.
    char* const out = stuffed.data();
    std::size_t length = 0;
    int run = 0; // '1' characters since the last other character or insertion
    for (const char bit : bits) {
        out[length++] = bit;
        const int is_one = static_cast<int>(bit == '1');
        run = (run + 1) * is_one; // a '1' extends the run, anything else ends it
        const int run_complete = static_cast<int>(run == stuffing_threshold);
        length += static_cast<std::size_t>(run_complete); // skip a slot: it keeps its '0'
        run -= run_complete * stuffing_threshold;
    }
    stuffed.resize(length);
}
