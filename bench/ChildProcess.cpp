#include "ChildProcess.h"

#include <fstream>
#include <sstream>

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

pid_t spawn(const std::string& program, const std::vector<std::string>& arguments, int stdoutFd,
    const std::vector<std::string>& environment)
{
    const std::string path = std::string(FCT_BIN_DIR) + "/" + program;
    const pid_t pid = fork();
    if (pid == 0) {
        if (stdoutFd >= 0)
            dup2(stdoutFd, STDOUT_FILENO);
        for (const auto& entry : environment)
            putenv(const_cast<char*>(entry.c_str()));
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(path.c_str()));
        for (const auto& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(path.c_str(), argv.data());
        _exit(127);
    }
    return pid;
}

std::string startSimulator(pid_t& simulator, const std::vector<std::string>& arguments)
{
    int output[2];
    if (pipe(output) != 0)
        return {};
    simulator = spawn("fcsim", arguments, output[1]);
    close(output[1]);
    std::string device;
    char c;
    while (read(output[0], &c, 1) == 1 && c != '\n')
        device += c;
    // The read end stays open for fcsim's later lines, one per command.
    return device;
}

double stopAndMeasure(pid_t child)
{
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return cpuSeconds(usage);
}

double waitAndMeasure(pid_t child)
{
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? cpuSeconds(usage) : -1;
}

double cpuSeconds(const rusage& usage)
{
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
}

double cpuSecondsSoFar(pid_t child)
{
    std::ifstream stat("/proc/" + std::to_string(child) + "/stat");
    std::string line;
    std::getline(stat, line);
    // The command may hold blanks; the fields after it are counted from
    // its closing parenthesis. utime and stime are fields 14 and 15.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int index = 3; index <= 15 && fields >> field; ++index)
        if (index >= 14)
            ticks += std::stod(field);
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

} // namespace bench
