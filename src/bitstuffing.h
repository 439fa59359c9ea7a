// Bit strings and zero-bit insertion.
//
// A bit string holds one character per bit: '1' for a 1 bit, '0' for a
// 0 bit, first bit first.  Both operations write into a string owned by the
// caller and keep no state between calls.
#ifndef BITSTUFFING_H
#define BITSTUFFING_H

#include <string>

// Replaces the content of `bits` with `count` pseudo-random bits, one call
// of std::rand() per bit, taking its lowest-order bit.  A count of 0 or less
// yields an empty string and draws nothing.  The generator is not seeded
// here: the caller owns the sequence.
void generate_random_bits(std::string& bits, int count);

// Replaces the content of `stuffed` with a copy of `bits` in which a '0'
// follows every run of five '1' characters, so that a frame body never holds
// six 1 bits in a row and cannot be mistaken for the flag 01111110.  Any
// character other than '1' is copied unchanged and ends a run.  `stuffed`
// and `bits` may be the same string.
void bit_stuffing(std::string& stuffed, const std::string& bits);

#endif
