#pragma once

#include "cli/arguments.h"

#include <functional>
#include <string>
#include <vector>

namespace quorvel::cli {

// Exit statuses shared by every command.
enum ExitCode { kOk = 0, kFailed = 1, kBadUsage = 2 };

// What a command runs with: the prepared home folder and its own
// arguments, read against its OptionSpec.
struct Invocation {
    std::string home; // never empty
    ParsedArguments args;
};

using CommandFunction = std::function<int(const Invocation&)>;

struct Command {
    std::string name;
    std::string usage;   // "list FILE [--order TAG] ..."
    std::string summary; // what it does: the first line for the command list, all of it for `help COMMAND`
    OptionSpec options;
    CommandFunction run;
};

// Each command file registers its commands with a static CommandRegistrar,
// so adding a command never touches the dispatcher.
std::vector<Command>& commandRegistry();
const Command* findCommand(const std::string& name);

struct CommandRegistrar {
    explicit CommandRegistrar(Command command) { commandRegistry().push_back(std::move(command)); }
};

} // namespace quorvel::cli
