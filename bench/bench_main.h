#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace quorvel::bench {

// What each "--name value" option of a benchmark does with its value.
using OptionHandlers = std::map<std::string, std::function<void(const std::string&)>>;

// Hands every "--name value" pair to its handler. An unknown name or a
// missing value throws std::invalid_argument.
void parseOptions(int argc, char* argv[], const OptionHandlers& handlers);

// A count given on the command line ("--records 1000000").
std::uint32_t countValue(const std::string& value);

// The folder a run works in: the one given with --dir, kept afterwards, or
// a fresh one under the temporary folder, removed when the run ends.
class RunFolder {
public:
    RunFolder(std::string& folder, const char* prefix);
    ~RunFolder();
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

private:
    std::string removeAtEnd_;
};

// Runs a benchmark's main body: an exception is printed as
// "<program>: <what went wrong>" and ends the run with status 1.
int runBenchmark(const char* program, const std::function<int()>& body);

} // namespace quorvel::bench
