// Independent statements of the stuffing rule, for tests and the fuzz target
// to check bit_stuffing against.
#ifndef STUFFING_REFERENCE_H
#define STUFFING_REFERENCE_H

#include <cstddef>
#include <string>

// The sender's side of the rule: a '0' after every five '1's in a row.
inline std::string stuff(const std::string& bits)
{
    std::string stuffed;
    int run = 0;
    for (const char bit : bits) {
        stuffed += bit;
        run = bit == '1' ? run + 1 : 0;
        if (run == 5) {
            stuffed += '0';
            run = 0;
        }
    }
    return stuffed;
}

// The receiver's side of the rule: drop each '0' that follows five '1's.
inline std::string unstuff(const std::string& stuffed)
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
inline std::size_t count_insertions(const std::string& bits)
{
    std::size_t insertions = 0;
    int run = 0;
    for (const char bit : bits) {
        run = bit == '1' ? run + 1 : 0;
        if (run == 5) {
            ++insertions;
            run = 0;
        }
    }
    return insertions;
}

#endif
