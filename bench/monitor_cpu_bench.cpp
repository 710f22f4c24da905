// CPU time of fcmon while fcsim streams at the full link rate: the share of
// one core the monitor takes per second of wall time (target: under 2 %).

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

const std::string kBinDir = FCT_BIN_DIR;

pid_t spawn(const std::string& program, const std::vector<std::string>& arguments, int stdoutFd)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (stdoutFd >= 0)
            dup2(stdoutFd, STDOUT_FILENO);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const auto& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    return pid;
}

void BM_MonitorCpuAtLinkRate(benchmark::State& state)
{
    const double seconds = static_cast<double>(state.range(0));
    for (auto _ : state) {
        int simOut[2];
        if (pipe(simOut) != 0) {
            state.SkipWithError("pipe failed");
            return;
        }
        const pid_t simulator = spawn(kBinDir + "/fcsim", {}, simOut[1]);
        close(simOut[1]);
        std::string device;
        char c;
        while (read(simOut[0], &c, 1) == 1 && c != '\n')
            device += c;

        FILE* sinkFile = std::fopen("/dev/null", "w");
        const auto start = std::chrono::steady_clock::now();
        const pid_t monitor = spawn(kBinDir + "/fcmon", {"--port", device}, fileno(sinkFile));
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        kill(monitor, SIGTERM);
        int status = 0;
        rusage usage{};
        wait4(monitor, &status, 0, &usage);
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        kill(simulator, SIGTERM);
        waitpid(simulator, &status, 0);
        close(simOut[0]);
        std::fclose(sinkFile);

        const double cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec
            + usage.ru_stime.tv_usec / 1e6;
        state.SetIterationTime(wall);
        state.counters["cpu_percent_of_core"] = 100.0 * cpu / wall;
    }
}
BENCHMARK(BM_MonitorCpuAtLinkRate)->Arg(10)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
