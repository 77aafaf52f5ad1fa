#include "cli/usage_text.h"

namespace quorvel::cli {

namespace {

// "[--home DIR] " for every global option.
std::string globalOptionsSynopsis()
{
    std::string synopsis;
    for (const GlobalOption& option : globalOptions())
        synopsis += std::string("[") + option.name + " " + option.valueName + "] ";
    return synopsis;
}

void printGlobalOptions(std::FILE* to)
{
    std::fprintf(to, "\nglobal options, before or after the command:\n");
    for (const GlobalOption& option : globalOptions()) {
        const std::string word = std::string(option.name) + " " + option.valueName;
        std::fprintf(to, "  %-14s %s\n", word.c_str(), option.help);
    }
    std::fprintf(to, "  %-14s %s\n", "--help", "the command's usage");
}

std::string firstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

} // namespace

int failWith(const std::string& message)
{
    std::fprintf(stderr, "quorvel-cli: %s\n", message.c_str());
    return kFailed;
}

int badUsage(const std::string& commandUsage, const std::string& error)
{
    std::fprintf(stderr, "quorvel-cli: %s\n%s\n", error.c_str(), usageLine(commandUsage).c_str());
    return kBadUsage;
}

std::string usageLine(const std::string& commandUsage)
{
    return "usage: quorvel-cli " + globalOptionsSynopsis() + commandUsage;
}

void printCommandHelp(std::FILE* to, const Command& command)
{
    std::fprintf(to, "%s\n\n%s\n", usageLine(command.usage).c_str(), command.summary.c_str());
    printGlobalOptions(to);
}

void printOverview(std::FILE* to)
{
    std::fprintf(to,
                 "%s\n"
                 "       quorvel-cli help [COMMAND]\n"
                 "       quorvel-cli --version\n\n"
                 "commands:\n",
                 usageLine("COMMAND ARGS...").c_str());
    for (const Command& command : commandRegistry())
        std::fprintf(to, "  %s\n      %s\n", command.usage.c_str(), firstLine(command.summary).c_str());
    printGlobalOptions(to);
}

} // namespace quorvel::cli
