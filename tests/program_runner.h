// Runs the built program as a user would, with all it could take from its
// surroundings under the test's control, and collects all it leaves behind.
#ifndef PROGRAM_RUNNER_H
#define PROGRAM_RUNNER_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class Output { captured, full_device, closed };

struct ProgramRun {
    std::vector<std::string> arguments;
    // POSIX: the calendar clock the program sees stands still at this second.
    std::optional<std::int64_t> pinned_second;
    // POSIX: the program's environment holds nothing but what pins the clock.
    bool bare_environment = false;
    Output output = Output::captured;
};

struct ProgramOutcome {
    int exit_status = -1; // -1 when the program did not exit by itself
    std::string out;
    std::string err;
    // POSIX: what the program left unread of standard_input_line, which
    // waits for it in a pipe whose writer has finished.
    std::string unread_input;
    // POSIX: what the program left in the empty folder it was started in.
    std::vector<std::string> files_left;
};

inline const std::string standard_input_line = "a line that the program must not read\n";

ProgramOutcome run_program(const ProgramRun& run);

#endif
