// The Windows runner: the command interpreter starts the program by its
// file name from the current folder, standard input from NUL and both
// outputs in files.  The clock cannot be pinned here, and the checks of
// standard input and of write errors run from a POSIX host's shell instead.
#include "program_runner.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Windows file names cannot hold '"', so plain double quotes suffice.
std::string in_quotes(const std::string& text)
{
    return '"' + text + '"';
}

} // namespace

ProgramOutcome run_program(const ProgramRun& run)
{
    if (run.pinned_second || run.bare_environment || run.output != Output::captured) {
        throw std::invalid_argument("the Windows runner only captures a plain run");
    }
    const fs::path scratch =
        fs::temp_directory_path() / ("bitstuffing-test-" + std::to_string(std::random_device{}()));
    fs::create_directories(scratch);

    std::string command = in_quotes(BITSTUFFING_PROGRAM);
    for (const std::string& argument : run.arguments) {
        command += ' ' + in_quotes(argument);
    }
    command += " <NUL >" + in_quotes((scratch / "out").string()) + " 2>" +
               in_quotes((scratch / "err").string());

    ProgramOutcome outcome;
    // cmd.exe drops the first and the last quote of a line that starts with
    // one: an outer pair keeps the rest intact.
    outcome.exit_status = std::system(in_quotes(command).c_str());
    outcome.out = read_file(scratch / "out");
    outcome.err = read_file(scratch / "err");
    fs::remove_all(scratch);
    return outcome;
}
