#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace quorvel::cli {

// A command's arguments: positional words and "--name value" / "--flag"
// options. Which options exist and which take a value is the command's say.
struct ParsedArguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values; // "--order" -> "LNAME"
    std::set<std::string> flags;               // "--all"

    bool has(const std::string& flag) const { return flags.count(flag) != 0; }
    std::string value(const std::string& option) const;
};

struct OptionSpec {
    std::set<std::string> withValue; // options followed by a value
    std::set<std::string> flags;     // options standing alone
    std::size_t positionalCount = 1;
};

// False with *error set for an unknown option, a missing value, a repeated
// option or the wrong number of positional words.
bool parseArguments(const std::vector<std::string>& args, const OptionSpec& spec, ParsedArguments* out,
                    std::string* error);

// "A,B,,C" -> {"A","B","C"}: the names of a --fields list.
std::vector<std::string> splitList(const std::string& text);

} // namespace quorvel::cli
