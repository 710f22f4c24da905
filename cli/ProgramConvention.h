#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The one command-line convention of our programs: --help prints usage and
// a line on each option to stdout and exits 0; --version prints the
// version; a wrong argument names what is wrong and prints usage to stderr
// (exit 2); a failure at run time names the file or device (exit 1).
namespace cli {

inline constexpr int kUsageError = 2;
inline constexpr int kFailure = 1;

struct Program {
    std::string name;
    std::string description;
    // One whole line per way of calling the program, without "Usage: ";
    // help2man makes the manual page's synopsis of the "Usage:" line and
    // the "or:" lines after it, so a line is never a wrapped part of another.
    std::vector<std::string> synopsis;
    // Option (with its argument) and what it does.
    std::vector<std::pair<std::string, std::string>> options;
};

std::string usageText(const Program& program);
std::string helpText(const Program& program);
std::string versionText(const Program& program);

// When the arguments ask for help or the version, prints it to stdout and
// returns the exit code; nothing otherwise. Needs no display.
std::optional<int> helpOrVersion(const Program& program, int argc, char** argv);

// "name: problem" and the usage on stderr; returns the exit code.
int usageError(const Program& program, const std::string& problem);

// The problem of an argument that looks like an option the program does not
// have, in the one wording every program uses; argument as it was given.
std::string unknownOption(const std::string& argument);

// "name: message" on stderr; returns the exit code.
int failure(const Program& program, const std::string& message);

} // namespace cli
