#include "bitstuffing.h"
#include "stuffing_reference.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

// "11", a NUL character, "111": the NUL ends the run like any other character.
const std::string with_nul = std::string("11") + '\0' + "111";

struct StuffingCase {
    std::string input;
    std::string expected;
};

const std::vector<StuffingCase> stuffing_cases = {
    {"", ""},
    {"0", "0"},
    {"1", "1"},
    {"1111", "1111"},
    {"11111", "111110"},
    {"111111", "1111101"},
    {"0111110", "01111100"},
    {"01111110", "011111010"}, // the flag itself
    {"1111101111", "11111001111"},
    {"1111111111", "111110111110"},
    {"11110111110", "111101111100"},
    {"1100011001000111111001010", "11000110010001111101001010"},
    {std::string(25, '1'), "111110111110111110111110111110"},
    {std::string(25, '0'), std::string(25, '0')},
    // Only '1' counts towards a run; any other character ends it.
    {"1111a1111", "1111a1111"},
    {"11 111", "11 111"},
    {"11111x", "111110x"},
    {"111112", "1111102"},
    {with_nul, with_nul},
    // Bytes at or above 0x80 are characters like any other, signed or not.
    {"11111\xff\x80"
     "11111",
     "111110\xff\x80"
     "111110"},
    {"1111\xb1"
     "1",
     "1111\xb1"
     "1"},
};

TEST(BitStuffing, TableOfCases)
{
    for (const StuffingCase& c : stuffing_cases) {
        SCOPED_TRACE("input \"" + c.input + "\"");

        std::string stuffed = "previous content";
        bit_stuffing(stuffed, c.input);
        EXPECT_EQ(stuffed, c.expected);

        std::string same = c.input;
        bit_stuffing(same, same);
        EXPECT_EQ(same, c.expected) << "same string in and out";
    }
}

void expect_stuffing_properties(const std::string& input)
{
    std::string stuffed;
    bit_stuffing(stuffed, input);

    EXPECT_EQ(unstuff(stuffed), input);
    const std::size_t insertions = count_insertions(input);
    EXPECT_EQ(stuffed.size(), input.size() + insertions);
    EXPECT_LE(insertions, input.size() / 5);
    if (input.find_first_not_of("01") == std::string::npos) {
        EXPECT_EQ(stuffed.find("111111"), std::string::npos);
    }
}

TEST(BitStuffing, PropertiesHoldForEveryShortBitString)
{
    for (unsigned length = 0; length <= 14; ++length) {
        for (unsigned long value = 0; value < (1UL << length); ++value) {
            std::string input;
            for (unsigned i = 0; i < length; ++i) {
                input += ((value >> i) & 1U) != 0 ? '1' : '0';
            }
            SCOPED_TRACE("input \"" + input + "\"");
            expect_stuffing_properties(input);
            if (HasFailure()) {
                return;
            }
        }
    }
}

TEST(BitStuffing, PropertiesHoldForLongRandomStrings)
{
    std::mt19937 engine(20261211);
    std::uniform_int_distribution<std::size_t> length(0, 2000);
    std::uniform_int_distribution<int> percent(0, 99);
    const std::string alphabet = "01a 2";
    // Most strings are short; the last rounds run up to 2^17 characters, so
    // that a run crosses every power-of-two boundary a buffer might have.
    constexpr int short_rounds = 300;
    constexpr int long_rounds = 10;
    for (int round = 0; round < short_rounds + long_rounds; ++round) {
        // Vary how often a '1' comes, so long runs occur as well as short.
        const int ones_percent = (round % 10) * 10 + 9;
        const bool foreign = round % 3 == 0;
        const std::size_t size = round < short_rounds
                                     ? length(engine)
                                     : (std::size_t{1} << 17) - static_cast<std::size_t>(round % 3);
        std::string input;
        for (std::size_t i = 0; i < size; ++i) {
            const int roll = percent(engine);
            if (roll < ones_percent) {
                input += '1';
            } else if (foreign && roll % 4 == 0) {
                input += alphabet[2 + static_cast<std::size_t>(roll) % 3];
            } else {
                input += '0';
            }
        }
        SCOPED_TRACE("round " + std::to_string(round) + ", " + std::to_string(size) +
                     " characters");
        expect_stuffing_properties(input);
        if (HasFailure()) {
            return;
        }
    }
}

// generate_random_bits must draw from the C library's generator exactly
// `count` times, one bit per draw, and never reseed it.
class RandomBits : public ::testing::Test {
protected:
    static constexpr unsigned seed = 12345;

    // The first `n` values the generator yields after srand(seed).
    static std::vector<int> reference_draws(int n)
    {
        std::srand(seed);
        std::vector<int> draws;
        for (int i = 0; i < n; ++i) {
            draws.push_back(std::rand());
        }
        return draws;
    }

    static std::string low_bits(const std::vector<int>& draws, std::size_t first, std::size_t count)
    {
        std::string bits;
        for (std::size_t i = first; i < first + count; ++i) {
            bits += (draws[i] & 1) != 0 ? '1' : '0';
        }
        return bits;
    }
};

TEST_F(RandomBits, DrawsExactlyCountBitsFromTheLibraryGenerator)
{
    const std::vector<int> draws = reference_draws(100);
    for (const int count : {25, 1, 0, -1, -25, INT_MIN}) {
        SCOPED_TRACE("count " + std::to_string(count));
        const std::size_t expected_size = count > 0 ? static_cast<std::size_t>(count) : 0;

        std::srand(seed);
        std::string bits = "previous content that is longer than 25";
        generate_random_bits(bits, count);

        EXPECT_EQ(bits, low_bits(draws, 0, expected_size));
        EXPECT_EQ(std::rand(), draws[expected_size]) << "wrong number of draws";
    }
}

TEST_F(RandomBits, ContinuesTheSequenceWithoutReseeding)
{
    const std::vector<int> draws = reference_draws(60);
    std::srand(seed);
    (void)std::rand();

    std::string first;
    std::string second;
    generate_random_bits(first, 25);
    generate_random_bits(second, 25);

    EXPECT_EQ(first, low_bits(draws, 1, 25));
    EXPECT_EQ(second, low_bits(draws, 26, 25));
}

} // namespace
