#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quorvel::cli {

// Exit statuses shared by every command.
enum ExitCode { kOk = 0, kFailed = 1, kBadUsage = 2 };

// The arguments after the command name, with --home already taken out.
struct Invocation {
    std::string home; // the home folder (never empty once parsed)
    std::vector<std::string> args;
};

using CommandFunction = std::function<int(const Invocation&)>;

struct Command {
    std::string name;
    std::string usage; // "list FILE [--order TAG] ..."
    CommandFunction run;
};

// Each command file registers its commands with a static CommandRegistrar,
// so adding a command never touches the dispatcher.
std::vector<Command>& commandRegistry();

struct CommandRegistrar {
    explicit CommandRegistrar(Command command) { commandRegistry().push_back(std::move(command)); }
};

} // namespace quorvel::cli
