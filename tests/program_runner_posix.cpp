// The POSIX runner: fork and exec, no shell, so that no path or argument is
// ever parsed again.  The program runs by its absolute path from a fresh
// empty folder, with a line waiting on standard input.
#include "program_runner.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

fs::path make_scratch_folder()
{
    std::string name = (fs::temp_directory_path() / "bitstuffing-test-XXXXXX").string();
    if (mkdtemp(name.data()) == nullptr) {
        throw fs::filesystem_error("mkdtemp", name,
                                   std::error_code(errno, std::generic_category()));
    }
    return name;
}

int open_for_writing(const fs::path& path)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        throw fs::filesystem_error("open", path, std::error_code(errno, std::generic_category()));
    }
    return fd;
}

std::vector<char*> null_terminated(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (std::string& s : strings) {
        pointers.push_back(s.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

ProgramOutcome run_program(const ProgramRun& run)
{
    const fs::path program = fs::absolute(BITSTUFFING_PROGRAM);
    const fs::path scratch = make_scratch_folder();
    const fs::path folder = scratch / "cwd";
    fs::create_directory(folder);

    std::vector<std::string> arguments{program.string()};
    arguments.insert(arguments.end(), run.arguments.begin(), run.arguments.end());
    std::vector<std::string> environment;
    if (!run.bare_environment) {
        for (char** variable = environ; *variable != nullptr; ++variable) {
            environment.emplace_back(*variable);
        }
    }
    if (run.pinned_second) {
        environment.push_back("LD_PRELOAD=" + fs::absolute(PINNED_CLOCK_LIBRARY).string());
        environment.push_back("PINNED_CLOCK_SECONDS=" + std::to_string(*run.pinned_second));
    }
    std::vector<char*> argv = null_terminated(arguments);
    std::vector<char*> envp = null_terminated(environment);

    // The line waits in the pipe, and its write end is closed before the
    // program starts: a read would take it at once, blocking or not.
    int input[2];
    if (pipe2(input, O_CLOEXEC) != 0) {
        throw std::system_error(errno, std::generic_category(), "pipe2");
    }
    const ssize_t written = write(input[1], standard_input_line.data(), standard_input_line.size());
    EXPECT_EQ(written, static_cast<ssize_t>(standard_input_line.size()));
    close(input[1]);

    const int out = run.output == Output::full_device ? open("/dev/full", O_WRONLY | O_CLOEXEC)
                                                      : open_for_writing(scratch / "out");
    const int err = open_for_writing(scratch / "err");

    const pid_t child = fork();
    if (child == 0) {
        // Only async-signal-safe calls from here to exec.
        if (chdir(folder.c_str()) != 0 || dup2(input[0], STDIN_FILENO) < 0 ||
            dup2(err, STDERR_FILENO) < 0) {
            _exit(127);
        }
        if (run.output == Output::closed) {
            close(STDOUT_FILENO);
        } else if (dup2(out, STDOUT_FILENO) < 0) {
            _exit(127);
        }
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }

    ProgramOutcome outcome;
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        outcome.exit_status = WEXITSTATUS(status);
    }
    close(out);
    close(err);

    char buffer[256];
    ssize_t count = 0;
    while ((count = read(input[0], buffer, sizeof buffer)) > 0) {
        outcome.unread_input.append(buffer, static_cast<std::size_t>(count));
    }
    close(input[0]);

    if (run.output == Output::captured) {
        outcome.out = read_file(scratch / "out");
    }
    outcome.err = read_file(scratch / "err");
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        outcome.files_left.push_back(entry.path().filename().string());
    }
    fs::remove_all(scratch);
    return outcome;
}
