#include "cli/arguments.h"

#include <optional>

namespace quorvel::cli {

const std::vector<GlobalOption>& globalOptions()
{
    static const std::vector<GlobalOption> options = {
        {"--home", "DIR", "the home folder (default: $QUORVEL_HOME, else ~/.local/share/Quorvel)",
         &GlobalValues::home},
    };
    return options;
}

std::string ParsedArguments::value(const std::string& option) const
{
    const auto it = values.find(option);
    return it == values.end() || it->second.empty() ? std::string() : it->second.back();
}

std::vector<std::string> ParsedArguments::all(const std::string& option) const
{
    const auto it = values.find(option);
    return it == values.end() ? std::vector<std::string>() : it->second;
}

namespace {

bool isOption(const std::string& word) { return word.size() > 2 && word.rfind("--", 0) == 0; }

// "--name=value" carries its value; "--name" may take the next word.
struct OptionWord {
    std::string name;
    std::optional<std::string> attachedValue;
};

OptionWord readOptionWord(const std::string& word)
{
    const std::size_t equals = word.find('=');
    if (equals == std::string::npos)
        return {word, std::nullopt};
    return {word.substr(0, equals), word.substr(equals + 1)};
}

bool takeValue(const std::vector<std::string>& words, std::size_t* i, const OptionWord& option, std::string* value,
               std::string* error)
{
    if (option.attachedValue) {
        *value = *option.attachedValue;
        return true;
    }
    if (*i + 1 >= words.size()) {
        *error = option.name + " needs a value";
        return false;
    }
    *value = words[++*i];
    return true;
}

const GlobalOption* findGlobalOption(const std::string& name)
{
    for (const GlobalOption& option : globalOptions())
        if (name == option.name)
            return &option;
    return nullptr;
}

bool takeGlobalOption(const std::vector<std::string>& words, std::size_t* i, const GlobalOption& global,
                      const OptionWord& option, std::set<std::string>* seen, CommandLine* out, std::string* error)
{
    if (!seen->insert(option.name).second) {
        *error = option.name + " given twice";
        return false;
    }
    return takeValue(words, i, option, &(out->globals.*(global.value)), error);
}

bool takeOption(const std::vector<std::string>& args, std::size_t* i, const OptionSpec& spec, ParsedArguments* out,
                std::string* error)
{
    const OptionWord option = readOptionWord(args[*i]);
    const std::string& name = option.name;
    if (spec.flags.count(name)) {
        if (option.attachedValue) {
            *error = name + " takes no value";
            return false;
        }
        if (!out->flags.insert(name).second) {
            *error = name + " given twice";
            return false;
        }
        return true;
    }
    const bool repeatable = spec.repeatable.count(name) != 0;
    if (!repeatable && !spec.withValue.count(name)) {
        *error = "unknown option " + name;
        return false;
    }
    if (!repeatable && out->given(name)) {
        *error = name + " given twice";
        return false;
    }
    std::string value;
    if (!takeValue(args, i, option, &value, error))
        return false;
    out->values[name].push_back(value);
    return true;
}

bool checkPositionalCount(const OptionSpec& spec, const std::vector<std::string>& positional, std::string* error)
{
    if (positional.size() < spec.positionalCount) {
        *error = positional.empty() ? "a file name is needed"
                                    : std::to_string(spec.positionalCount) + " file names are needed";
        return false;
    }
    if (positional.size() > spec.positionalCount && !spec.morePositional) {
        *error = "unexpected argument " + positional[spec.positionalCount];
        return false;
    }
    return true;
}

} // namespace

bool splitCommandLine(const std::vector<std::string>& words, CommandLine* out, std::string* error)
{
    *out = {};
    std::set<std::string> seen;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const OptionWord option = readOptionWord(word);
        if (!isOption(word) && out->command.empty()) {
            out->command = word;
        } else if (!isOption(word)) {
            out->args.push_back(word);
        } else if (const GlobalOption* global = findGlobalOption(option.name)) {
            if (!takeGlobalOption(words, &i, *global, option, &seen, out, error))
                return false;
        } else if (word == "--help") {
            out->help = true;
        } else if (word == "--version") {
            out->version = true;
        } else if (out->command.empty()) {
            *error = "unknown option " + option.name;
            return false;
        } else {
            out->args.push_back(word);
        }
    }
    return true;
}

bool parseArguments(const std::vector<std::string>& args, const OptionSpec& spec, ParsedArguments* out,
                    std::string* error)
{
    *out = {};
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (isOption(args[i])) {
            if (!takeOption(args, &i, spec, out, error))
                return false;
        } else {
            out->positional.push_back(args[i]);
        }
    }
    return checkPositionalCount(spec, out->positional, error);
}

std::vector<std::string> splitList(const std::string& text)
{
    std::vector<std::string> items;
    std::string item;
    for (char c : text + ",") {
        if (c != ',') {
            item += c;
        } else if (!item.empty()) {
            items.push_back(item);
            item.clear();
        }
    }
    return items;
}

} // namespace quorvel::cli
