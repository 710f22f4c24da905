#include "cli/ProgramConvention.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace cli {

std::string usageText(const Program& program)
{
    std::string text;
    for (size_t i = 0; i < program.synopsis.size(); ++i)
        text += (i == 0 ? "Usage: " : "   or: ") + program.synopsis[i] + "\n";
    return text;
}

std::string helpText(const Program& program)
{
    std::string text = program.description + "\n\n" + usageText(program);
    if (program.options.empty())
        return text;
    size_t width = 0;
    for (const auto& option : program.options)
        width = std::max(width, option.first.size());
    text += "\nOptions:\n";
    for (const auto& [option, meaning] : program.options)
        text += "  " + option + std::string(width - option.size() + 2, ' ') + meaning + "\n";
    return text;
}

std::string versionText(const Program& program)
{
    return program.name + " " FCT_VERSION "\n";
}

std::optional<int> helpOrVersion(const Program& program, int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(helpText(program).c_str(), stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs(versionText(program).c_str(), stdout);
            return 0;
        }
    }
    return std::nullopt;
}

int usageError(const Program& program, const std::string& problem)
{
    std::fprintf(stderr, "%s: %s\n%s'%s --help' lists every option.\n", program.name.c_str(), problem.c_str(),
        usageText(program).c_str(), program.name.c_str());
    return kUsageError;
}

std::string unknownOption(const std::string& argument)
{
    return "unknown option '" + argument + "'";
}

int failure(const Program& program, const std::string& message)
{
    std::fprintf(stderr, "%s: %s\n", program.name.c_str(), message.c_str());
    return kFailure;
}

} // namespace cli
