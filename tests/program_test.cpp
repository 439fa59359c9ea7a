// Runs the built program as a user would and checks every byte it writes.
#include "bitstuffing.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
// Standard output is a text stream: "\n" reaches the file as "\r\n".
const std::string line_end = "\r\n";
#else
const std::string line_end = "\n";
#endif

enum class Stdout { captured, full_device, closed };
enum class Stdin { empty, open_pipe };

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string read_file(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string quoted(const fs::path& path)
{
    return '"' + path.string() + '"';
}

// Runs the program from the current directory through the shell, with its
// standard error, and its standard output unless told otherwise, in files.
Result run_program(const std::string& arguments = "", Stdout out = Stdout::captured,
                   Stdin in = Stdin::empty)
{
    const fs::path dir =
        fs::temp_directory_path() / ("bitstuffing-test-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
    const fs::path out_file = dir / "out";
    const fs::path err_file = dir / "err";

#ifdef _WIN32
    std::string command = std::string(BITSTUFFING_PROGRAM) + " " + arguments;
    const std::string null_device = "NUL";
#else
    std::string command = std::string("./") + BITSTUFFING_PROGRAM + " " + arguments;
    const std::string null_device = "/dev/null";
#endif
    switch (out) {
    case Stdout::captured:
        command += " >" + quoted(out_file);
        break;
    case Stdout::full_device:
        command += " >/dev/full";
        break;
    case Stdout::closed:
        command += " >&-";
        break;
    }
    command += " 2>" + quoted(err_file);

    Result result;
    if (in == Stdin::empty) {
        command += " <" + null_device;
        result.status = std::system(command.c_str());
    } else {
#ifndef _WIN32
        // Standard input is a pipe whose write end stays open here: a program
        // that read it would wait for ever, and the test's time-out would end it.
        int pipe_ends[2];
        EXPECT_EQ(pipe(pipe_ends), 0);
        const int saved_stdin = dup(STDIN_FILENO);
        dup2(pipe_ends[0], STDIN_FILENO);
        result.status = std::system(command.c_str());
        dup2(saved_stdin, STDIN_FILENO);
        close(saved_stdin);
        close(pipe_ends[0]);
        close(pipe_ends[1]);
#endif
    }
#ifndef _WIN32
    result.status = WIFEXITED(result.status) ? WEXITSTATUS(result.status) : -1;
#endif

    result.out = read_file(out_file);
    result.err = read_file(err_file);
    fs::remove_all(dir);
    return result;
}

// Checks the two report lines and hands back the bits they carry.
void expect_report(const std::string& out, std::string& original, std::string& stuffed)
{
    const std::size_t first_end = out.find(line_end);
    ASSERT_NE(first_end, std::string::npos) << "no first line in \"" << out << '"';
    const std::size_t second_end = out.find(line_end, first_end + line_end.size());
    ASSERT_NE(second_end, std::string::npos) << "no second line in \"" << out << '"';
    ASSERT_EQ(second_end + line_end.size(), out.size())
        << "more than two lines in \"" << out << '"';

    const std::string first = out.substr(0, first_end);
    const std::string second =
        out.substr(first_end + line_end.size(), second_end - first_end - line_end.size());
    ASSERT_EQ(first.size(), 40U) << first;
    ASSERT_EQ(first.rfind("Original bits: ", 0), 0U) << first;
    ASSERT_GE(second.size(), 38U) << second;
    ASSERT_LE(second.size(), 43U) << second;
    ASSERT_EQ(second.rfind("Bit stuffed: ", 0), 0U) << second;

    original = first.substr(15);
    stuffed = second.substr(13);
    ASSERT_EQ(original.find_first_not_of("01"), std::string::npos) << first;
    ASSERT_EQ(stuffed.find_first_not_of("01"), std::string::npos) << second;

    std::string expected;
    bit_stuffing(expected, original);
    EXPECT_EQ(stuffed, expected) << "the second line is not the stuffing of the first";
}

TEST(Program, WritesTwoReportLinesAndNothingElse)
{
    for (const char* arguments : {"", "-h --help extra words", "25 5 \"\""}) {
        SCOPED_TRACE(std::string("arguments: ") + arguments);
        const Result result = run_program(arguments);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        std::string original;
        std::string stuffed;
        expect_report(result.out, original, stuffed);
    }
}

TEST(Program, DrawsItsBitsFromTheGeneratorSeededWithTheClock)
{
    const std::time_t before = std::time(nullptr);
    const Result result = run_program();
    const std::time_t after = std::time(nullptr);
    ASSERT_EQ(result.status, 0);
    std::string original;
    std::string stuffed;
    expect_report(result.out, original, stuffed);
    ASSERT_FALSE(HasFatalFailure());

    std::string seen_with;
    for (std::time_t now = before; now <= after; ++now) {
        std::srand(static_cast<unsigned>(now));
        std::string expected;
        for (int i = 0; i < 25; ++i) {
            expected += (std::rand() & 1) != 0 ? '1' : '0';
        }
        if (expected == original) {
            return;
        }
        seen_with += "\n  seed " + std::to_string(now) + " gives " + expected;
    }
    ADD_FAILURE() << "printed " << original << seen_with;
}

// The next two need POSIX descriptors.  A Windows build cross-built on a
// POSIX host has the same checks run from the host's shell instead.
#ifndef _WIN32
TEST(Program, DoesNotReadStandardInput)
{
    const Result result = run_program("", Stdout::captured, Stdin::open_pipe);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
}

struct WriteFailure {
    const char* name;
    Stdout out;
    int error;
};

TEST(Program, ReportsAFailedWrite)
{
    const WriteFailure failures[] = {
        {"standard output on a full device", Stdout::full_device, ENOSPC},
        {"standard output closed", Stdout::closed, EBADF},
    };
    for (const WriteFailure& failure : failures) {
        SCOPED_TRACE(failure.name);
        const Result result = run_program("", failure.out);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err,
                  std::string("bitstuffing: write error: ") + std::strerror(failure.error) + "\n");
    }
}
#endif

} // namespace
