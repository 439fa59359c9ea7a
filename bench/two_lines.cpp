// The yardstick for a whole run of the program: a program that only writes
// two fixed lines of the same length through std::cout.
#include <iostream>

int main()
{
    std::cout << "Original bits: 1100011001000111111001010\n";
    std::cout << "Bit stuffed: 11000110010001111101001010\n";
}
