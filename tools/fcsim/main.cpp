// fcsim: a simulated flight controller on a pseudo-terminal, or the replay
// of a recording on one, or a simulated recording written straight to a
// file.
//
// First line on stdout: the device to connect to. Then one line per command
// frame received, as upper-case hex bytes ("55 18 00 AC").

#include "recording/FileOutput.h"
#include "recording/RecordingWriter.h"
#include "simulator/ReplayLink.h"
#include "simulator/SimulatedRecording.h"
#include "simulator/SimulatorLink.h"
#include "cli/ProgramConvention.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <map>
#include <optional>
#include <string>

namespace {

const cli::Program kProgram{
    "fcsim",
    "A simulated flight controller on a pseudo-terminal: prints the device to connect to, then one line per "
    "command frame received.",
    {
        "fcsim [--rate FRAMES_PER_S] [--seed N] [--duration S] [--pause-after S --pause-for S] "
        "[--drop-after S --drop-for S] [--garble RATE]",
        "fcsim --replay FILE [--speed X] [--loop]",
        "fcsim --record FILE --duration S [--rate FRAMES_PER_S] [--seed N]",
    },
    {
        {"--rate FRAMES_PER_S", "telemetry frames a second (default: what 115200 baud carries, 1280)"},
        {"--seed N", "seed of the simulated motion and noise (default 1)"},
        {"--duration S", "stop after S seconds (default: run until stopped)"},
        {"--pause-after S", "fault: fall silent after each S seconds of sending, the device staying open (with "
                            "--pause-for)"},
        {"--pause-for S", "fault: stay silent for S seconds each time"},
        {"--drop-after S", "fault: take the device away after each S seconds of being there, as a pulled cable "
                           "(with --drop-for); the device printed is then a link that stays"},
        {"--drop-for S", "fault: bring a new device back at the same path after S seconds"},
        {"--garble RATE", "fault: replace that share of the bytes sent (0 to 1) with random ones"},
        {"--replay FILE", "serve a recording instead, from when a client opens the device"},
        {"--speed X", "with --replay: X times the recorded pace (default 1)"},
        {"--loop", "with --replay: start again at the end"},
        {"--record FILE", "write S seconds of simulated telemetry into a recording, as fast as possible, with "
                          "the times the link would have taken (no device)"},
        {"--help", "print this help and exit"},
        {"--version", "print the version and exit"},
    },
};

simulator::SimulatorLink* g_simulation = nullptr;
simulator::ReplayLink* g_replay = nullptr;

void stopOnSignal(int)
{
    if (g_simulation)
        g_simulation->stop();
    if (g_replay)
        g_replay->stop();
}

[[noreturn]] void usageError(const std::string& problem)
{
    std::exit(cli::usageError(kProgram, problem));
}

struct Arguments {
    std::map<std::string, std::string> values;
    bool loop = false;

    bool has(const std::string& name) const { return values.count(name) > 0; }

    // A non-negative number; `positive` also refuses 0.
    double number(const std::string& name, double fallback, bool positive) const
    {
        const auto found = values.find(name);
        if (found == values.end())
            return fallback;
        const char* text = found->second.c_str();
        char* end = nullptr;
        const double value = std::strtod(text, &end);
        if (end == text || *end != '\0' || !(value >= 0) || value > 1e12 || (positive && value == 0))
            usageError(name + " takes a " + (positive ? "positive" : "non-negative") + " number, not '" + found->second
                + "'");
        return value;
    }
};

Arguments parse(int argc, char** argv)
{
    static const char* const kValued[] = {
        "--rate", "--seed", "--duration", "--replay", "--speed", "--record", "--pause-after", "--pause-for", "--drop-after",
        "--drop-for", "--garble"};
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--loop") {
            arguments.loop = true;
            continue;
        }
        if (std::find(std::begin(kValued), std::end(kValued), option) == std::end(kValued))
            usageError(option.rfind("-", 0) == 0 ? cli::unknownOption(option) : "unexpected argument " + option);
        if (i + 1 >= argc)
            usageError(option + " needs a value");
        arguments.values[option] = argv[++i];
    }
    const auto only = [&](const char* option, const char* with, bool allowed) {
        if (arguments.has(option) && !allowed)
            usageError(std::string(option) + " works " + with);
    };
    const bool replay = arguments.has("--replay");
    only("--speed", "with --replay only", replay);
    if (arguments.loop && !replay)
        usageError("--loop works with --replay only");
    only("--rate", "with the simulation, not with --replay", !replay);
    only("--seed", "with the simulation, not with --replay", !replay);
    only("--duration", "with the simulation, not with --replay", !replay);
    only("--record", "without --replay", !replay);
    for (const char* fault : {"--pause-after", "--pause-for", "--drop-after", "--drop-for", "--garble"})
        only(fault, "with the simulation on a device only", !replay && !arguments.has("--record"));
    if (arguments.has("--pause-after") != arguments.has("--pause-for"))
        usageError("--pause-after and --pause-for go together");
    if (arguments.has("--drop-after") != arguments.has("--drop-for"))
        usageError("--drop-after and --drop-for go together");
    if (arguments.has("--record") && !arguments.has("--duration"))
        usageError("--record needs --duration S");
    return arguments;
}

void printCommand(const protocol::CommandBytes& bytes)
{
    std::printf("%02X %02X %02X %02X\n", bytes[0], bytes[1], bytes[2], bytes[3]);
    std::fflush(stdout);
}

void printDevice(const std::string& device)
{
    std::printf("%s\n", device.c_str());
    std::fflush(stdout);
}

// Runs a link until it ends or a signal asks us to stop.
template <typename Link>
void runUntilSignal(Link& link, Link*& global)
{
    global = &link;
    std::signal(SIGINT, stopOnSignal);
    std::signal(SIGTERM, stopOnSignal);
    std::signal(SIGPIPE, SIG_IGN);
    link.run();
    global = nullptr;
}

int record(const Arguments& arguments, const simulator::SimulatorLink::Options& options)
{
    const std::string path = arguments.values.at("--record");
    std::string error;
    auto output = recording::FileOutput::create(path, error);
    if (!output) {
        std::fprintf(stderr, "fcsim: %s\n", error.c_str());
        return 1;
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    recording::RecordingWriter writer(*output,
        static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
        recording::RecordingWriter::Flush::WhenFull);
    if (!simulator::recordSimulatedStream(writer, options.framesPerSecond, options.seed, options.durationSeconds)) {
        std::fprintf(stderr, "fcsim: %s\n", writer.error().c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (const auto exitCode = cli::helpOrVersion(kProgram, argc, argv))
        return *exitCode;
    const Arguments arguments = parse(argc, argv);
    try {
        if (arguments.has("--replay")) {
            simulator::ReplayLink link({arguments.values.at("--replay"), arguments.number("--speed", 1, true),
                arguments.loop});
            link.onCommand = printCommand;
            printDevice(link.devicePath());
            runUntilSignal(link, g_replay);
            if (link.problem()) {
                std::fprintf(stderr, "fcsim: %s\n", link.problem()->c_str());
                return 1;
            }
            return 0;
        }
        simulator::SimulatorLink::Options options;
        options.framesPerSecond = arguments.number("--rate", options.framesPerSecond, true);
        options.seed = static_cast<uint32_t>(arguments.number("--seed", 1, false));
        options.durationSeconds = arguments.number("--duration", 0, false);
        options.pauseAfterSeconds = arguments.number("--pause-after", 0, false);
        options.pauseForSeconds = arguments.number("--pause-for", 0, false);
        options.dropAfterSeconds = arguments.number("--drop-after", 0, false);
        options.dropForSeconds = arguments.number("--drop-for", 0, false);
        options.garbleRate = arguments.number("--garble", 0, false);
        if (options.garbleRate > 1)
            usageError("--garble takes a share from 0 to 1, not '" + arguments.values.at("--garble") + "'");
        if (arguments.has("--record"))
            return record(arguments, options);
        simulator::SimulatorLink link(options);
        link.onCommand = printCommand;
        printDevice(link.devicePath());
        runUntilSignal(link, g_simulation);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "fcsim: %s\n", error.what());
        return 1;
    }
    return 0;
}
