#pragma once

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace quorvel::cli_tests {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built quorvel-cli with `args` (shell words), keeping its output,
// its error text (through `errFile`) and its exit status. Every command
// prepares its home folder; without --home that is a folder beside
// `errFile`, never the home of the user running the tests.
inline CliRun runCli(const std::string& args, const std::string& errFile)
{
    CliRun run;
    const std::string defaultHome = errFile.substr(0, errFile.find_last_of('/') + 1) + "default-home";
    const std::string command =
        "QUORVEL_HOME='" + defaultHome + "' " + QUORVEL_CLI_PATH + " " + args + " 2>" + errFile;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buf;
    while (std::size_t n = fread(buf.data(), 1, buf.size(), pipe))
        run.out.append(buf.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile);
    std::stringstream text;
    text << err.rdbuf();
    run.err = text.str();
    return run;
}

} // namespace quorvel::cli_tests
