#pragma once

// Starting the project's programs from benchmarks and reading their CPU
// time.

#include <string>
#include <sys/resource.h>
#include <sys/types.h>
#include <vector>

namespace bench {

// Starts BIN_DIR/program with its standard output on stdoutFd (-1 keeps
// ours) and extra environment entries ("NAME=value").
pid_t spawn(const std::string& program, const std::vector<std::string>& arguments, int stdoutFd = -1,
    const std::vector<std::string>& environment = {});

// Starts fcsim with arguments and returns its device path; simulator
// receives its pid.
std::string startSimulator(pid_t& simulator, const std::vector<std::string>& arguments = {});

// Stops a child with SIGTERM and returns the CPU seconds it used.
double stopAndMeasure(pid_t child);

// Waits for a child to end by itself and returns the CPU seconds it used;
// negative when it failed.
double waitAndMeasure(pid_t child);

double cpuSeconds(const rusage& usage);

// CPU seconds a running child has used so far (Linux /proc).
double cpuSecondsSoFar(pid_t child);

} // namespace bench
