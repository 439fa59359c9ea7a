// Runs the built program as a user would and compares every byte it writes
// with what the test derives on its own: the bits from the C library's
// generator, stuffed by the tests' own statement of the rule.
#include "program_runner.h"
#include "stuffing_reference.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

#ifdef _WIN32
// Standard output is a text stream: "\n" reaches the file as "\r\n".
const std::string line_end = "\r\n";
#else
const std::string line_end = "\n";
#endif

std::string bits_for_seed(unsigned seed)
{
    std::srand(seed);
    std::string bits;
    for (int i = 0; i < 25; ++i) {
        bits += (std::rand() & 1) != 0 ? '1' : '0';
    }
    return bits;
}

// The whole output of a run whose clock read `second`.
std::string expected_output(std::int64_t second)
{
    // The program seeds with the time converted to unsigned: modulo 2^32.
    const std::string bits = bits_for_seed(static_cast<unsigned>(second));
    return "Original bits: " + bits + line_end + "Bit stuffed: " + stuff(bits) + line_end;
}

#ifndef _WIN32
bool has_run_of_five(std::int64_t second)
{
    return bits_for_seed(static_cast<unsigned>(second)).find("11111") != std::string::npos;
}

// The first second from `start` on whose bits do (or do not) hold a run of
// five 1s; which seconds these are depends on the C library's generator.
std::int64_t first_second(std::int64_t start, bool with_run_of_five)
{
    std::int64_t second = start;
    while (has_run_of_five(second) != with_run_of_five) {
        ++second;
    }
    return second;
}

struct PinnedCase {
    std::string name;
    std::int64_t second;
    std::vector<std::string> arguments;
    bool bare_environment;
};

TEST(Program, WritesExactlyTheExpectedLinesAtPinnedSeconds)
{
    const std::int64_t with_run = first_second(1'800'000'000, true);
    const std::int64_t with_another_run = first_second(with_run + 1, true);
    const std::int64_t without_run = first_second(1'800'000'000, false);
    const std::vector<PinnedCase> cases = {
        {"bits with a run of five", with_run, {}, false},
        {"other bits with a run of five", with_another_run, {}, false},
        {"bits without a run of five", without_run, {}, false},
        {"2^31, 2038-01-19T03:14:08Z", 2147483648, {}, false},
        {"2040-01-01T00:00:00Z", 2208988800, {}, false},
        {"2^32 - 1", 4294967295, {}, false},
        {"2^32 + 12345, the seed wraps to 12345", 4294979641, {}, false},
        // Arguments and the environment change nothing.
        {"an option", with_run, {"-h"}, false},
        {"a number", with_run, {"25"}, false},
        {"an empty argument", with_run, {""}, false},
        {"an empty environment", with_run, {}, true},
    };
    for (const PinnedCase& c : cases) {
        SCOPED_TRACE(c.name + ", second " + std::to_string(c.second));
        ProgramRun run;
        run.arguments = c.arguments;
        run.pinned_second = c.second;
        run.bare_environment = c.bare_environment;
        const ProgramOutcome outcome = run_program(run);

        EXPECT_EQ(outcome.out, expected_output(c.second));
        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(outcome.exit_status, 0);
        EXPECT_EQ(outcome.unread_input, standard_input_line) << "standard input was read";
        EXPECT_TRUE(outcome.files_left.empty())
            << "wrote a file, first " << outcome.files_left.front();
    }
}

struct WriteFailure {
    const char* name;
    Output output;
    int error;
};

TEST(Program, ReportsAFailedWrite)
{
    const WriteFailure failures[] = {
        {"standard output on a full device", Output::full_device, ENOSPC},
        {"standard output closed", Output::closed, EBADF},
    };
    for (const WriteFailure& failure : failures) {
        SCOPED_TRACE(failure.name);
        ProgramRun run;
        run.output = failure.output;
        const ProgramOutcome outcome = run_program(run);
        EXPECT_EQ(outcome.exit_status, 1);
        EXPECT_EQ(outcome.err,
                  std::string("bitstuffing: write error: ") + std::strerror(failure.error) + "\n");
    }
}
#else
// No clock can be pinned here: the output must be the one expected for a
// second read during the run.
TEST(Program, WritesTheLinesExpectedForTheSecondOfTheRun)
{
    const std::vector<std::vector<std::string>> argument_lists = {{}, {"-h"}, {"25"}, {""}};
    for (const std::vector<std::string>& arguments : argument_lists) {
        SCOPED_TRACE(std::to_string(arguments.size()) + " arguments");
        ProgramRun run;
        run.arguments = arguments;
        const std::int64_t before = std::time(nullptr);
        const ProgramOutcome outcome = run_program(run);
        const std::int64_t after = std::time(nullptr);

        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(outcome.exit_status, 0);
        std::string candidates;
        bool matched = false;
        for (std::int64_t second = before; second <= after && !matched; ++second) {
            matched = outcome.out == expected_output(second);
            candidates += "\n" + expected_output(second);
        }
        EXPECT_TRUE(matched) << "printed\n" << outcome.out << "expected one of" << candidates;
    }
}
#endif

} // namespace
