#pragma once

#include <string>
#include <vector>

namespace quorvel::cli {

// Runs what the command line (the words after the program's name) asks
// for: a command, help or the version. Returns the exit status.
int runCommandLine(const std::vector<std::string>& words);

} // namespace quorvel::cli
