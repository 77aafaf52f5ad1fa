#pragma once

#include "cli/command.h"

#include <cstdio>
#include <string>

namespace quorvel::cli {

// The error report every command shares: "quorvel-cli: MESSAGE" on stderr.
int failWith(const std::string& message); // kFailed
// The error, then the command's usage line; kBadUsage.
int badUsage(const std::string& commandUsage, const std::string& error);

// "usage: quorvel-cli [--home DIR] list FILE ..." for a command's usage.
std::string usageLine(const std::string& commandUsage);

// `help COMMAND` and `COMMAND --help`: the usage line, what the command
// does and the global options.
void printCommandHelp(std::FILE* to, const Command& command);

// `help` and `--help`: every command and the global options.
void printOverview(std::FILE* to);

} // namespace quorvel::cli
