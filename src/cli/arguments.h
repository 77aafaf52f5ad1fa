#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace quorvel::cli {

// The options every command takes, whether written before or after the
// command's name, and the values they set.
struct GlobalValues {
    std::string home; // empty when not given: the default home folder
};

struct GlobalOption {
    const char* name;      // "--home"
    const char* valueName; // "DIR", for the usage texts
    const char* help;      // one line for `help`
    std::string GlobalValues::*value;
};

// One row per global option: a new one is a row here and its field above.
const std::vector<GlobalOption>& globalOptions();

// The command line split into the command's name, its own words and the
// global options, wherever they stood.
struct CommandLine {
    std::string command;           // empty when no command was named
    std::vector<std::string> args; // the words after the command, global options taken out
    GlobalValues globals;
    bool help = false;    // --help anywhere
    bool version = false; // --version anywhere
};

// False with *error set for a global option without its value or given
// twice, or an unknown option before the command.
bool splitCommandLine(const std::vector<std::string>& words, CommandLine* out, std::string* error);

// A command's arguments: positional words and "--name value" (or
// "--name=value") / "--flag" options. Which options exist, which take a
// value and which may be repeated is the command's say.
struct ParsedArguments {
    std::vector<std::string> positional;
    std::map<std::string, std::vector<std::string>> values; // "--set" -> every value, in the order given
    std::set<std::string> flags;                            // "--all"

    bool has(const std::string& flag) const { return flags.count(flag) != 0; }
    bool given(const std::string& option) const { return values.count(option) != 0; }
    // The option's value; empty when it was not given.
    std::string value(const std::string& option) const;
    // Every value of a repeatable option, in the order given.
    std::vector<std::string> all(const std::string& option) const;
};

struct OptionSpec {
    std::set<std::string> withValue = {};  // options followed by a value, at most once
    std::set<std::string> flags = {};      // options standing alone
    std::size_t positionalCount = 1;       // words that are not options
    std::set<std::string> repeatable = {}; // options followed by a value, as often as wanted
    bool morePositional = false;           // more words may follow the positionalCount ones
};

// False with *error set for an unknown option, a missing value, a repeated
// option that is not repeatable or the wrong number of positional words.
bool parseArguments(const std::vector<std::string>& args, const OptionSpec& spec, ParsedArguments* out,
                    std::string* error);

// "A,B,,C" -> {"A","B","C"}: the names of a --fields list.
std::vector<std::string> splitList(const std::string& text);

} // namespace quorvel::cli
