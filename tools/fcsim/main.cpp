// fcsim: a simulated flight controller on a pseudo-terminal.
//
// First line on stdout: the device to connect to. Then one line per command
// frame received, as upper-case hex bytes ("55 18 00 AC").

#include "simulator/SimulatorLink.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

namespace {

simulator::SimulatorLink* g_link = nullptr;

void stopOnSignal(int)
{
    if (g_link)
        g_link->stop();
}

[[noreturn]] void usage()
{
    std::fprintf(stderr, "usage: fcsim [--rate FRAMES_PER_S] [--seed N] [--duration S]\n");
    std::exit(2);
}

double number(const char* text)
{
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || value < 0)
        usage();
    return value;
}

} // namespace

int main(int argc, char** argv)
{
    simulator::SimulatorLink::Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            usage();
        const double value = number(argv[++i]);
        if (option == "--rate" && value > 0)
            options.framesPerSecond = value;
        else if (option == "--seed")
            options.seed = static_cast<uint32_t>(value);
        else if (option == "--duration")
            options.durationSeconds = value;
        else
            usage();
    }

    try {
        simulator::SimulatorLink link(options);
        link.onCommand = [](const protocol::CommandBytes& bytes) {
            std::printf("%02X %02X %02X %02X\n", bytes[0], bytes[1], bytes[2], bytes[3]);
            std::fflush(stdout);
        };
        g_link = &link;
        std::signal(SIGINT, stopOnSignal);
        std::signal(SIGTERM, stopOnSignal);
        std::signal(SIGPIPE, SIG_IGN);
        std::printf("%s\n", link.devicePath().c_str());
        std::fflush(stdout);
        link.run();
        g_link = nullptr;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "fcsim: %s\n", error.what());
        return 1;
    }
    return 0;
}
