#include "cli/dispatcher.h"

#include "cli/command.h"
#include "cli/usage_text.h"
#include "store/home_preparation.h"

#include <cstdio>

namespace quorvel::cli {

std::vector<Command>& commandRegistry()
{
    static std::vector<Command> commands;
    return commands;
}

const Command* findCommand(const std::string& name)
{
    for (const Command& command : commandRegistry())
        if (command.name == name)
            return &command;
    return nullptr;
}

namespace {

// A command line that names no command it knows: the error, then every
// command's usage.
int refuse(const std::string& error)
{
    std::fprintf(stderr, "quorvel-cli: %s\n", error.c_str());
    printOverview(stderr);
    return kBadUsage;
}

int unknownCommand(const std::string& name) { return refuse("unknown command '" + name + "'"); }

int runHelp(const std::vector<std::string>& topics)
{
    if (topics.empty()) {
        printOverview(stdout);
        return kOk;
    }
    if (topics.size() > 1)
        return refuse("help takes one command");
    const Command* command = findCommand(topics[0]);
    if (!command)
        return unknownCommand(topics[0]);
    printCommandHelp(stdout, *command);
    return kOk;
}

// The home folder made ready as the program's start makes it, so that a
// command on a fresh folder finds the supplied tables; false after saying
// why it could not be.
bool prepareHome(const std::string& given, std::string* root)
{
    *root = given.empty() ? THomeFolder::defaultRoot().toStdString() : given;
    THomeFolder home(QString::fromStdString(*root));
    const THomePreparation prepared = PrepareHomeFolder(home);
    if (!prepared) {
        failWith(prepared.failure.toStdString());
        return false;
    }
    for (const QString& problem : prepared.tableProblems)
        std::fprintf(stderr, "quorvel-cli: warning: %s\n", problem.toStdString().c_str());
    return true;
}

int runCommand(const Command& command, const CommandLine& line)
{
    if (line.help) {
        printCommandHelp(stdout, command);
        return kOk;
    }
    Invocation invocation;
    std::string error;
    if (!parseArguments(line.args, command.options, &invocation.args, &error))
        return badUsage(command.usage, error);
    if (!prepareHome(line.globals.home, &invocation.home))
        return kFailed;
    return command.run(invocation);
}

} // namespace

int runCommandLine(const std::vector<std::string>& words)
{
    CommandLine line;
    std::string error;
    if (!splitCommandLine(words, &line, &error))
        return refuse(error);
    if (line.version) {
        std::printf("quorvel-cli %s\n", QUORVEL_VERSION);
        return kOk;
    }
    if (line.command == "help")
        return runHelp(line.args);
    if (line.command.empty() && line.help)
        return runHelp({});
    if (line.command.empty())
        return refuse("no command given");
    const Command* command = findCommand(line.command);
    return command ? runCommand(*command, line) : unknownCommand(line.command);
}

} // namespace quorvel::cli
