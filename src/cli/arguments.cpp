#include "cli/arguments.h"

namespace quorvel::cli {

std::string ParsedArguments::value(const std::string& option) const
{
    const auto it = values.find(option);
    return it == values.end() ? std::string() : it->second;
}

namespace {

bool takeOption(const std::vector<std::string>& args, std::size_t* i, const OptionSpec& spec, ParsedArguments* out,
                std::string* error)
{
    const std::string& name = args[*i];
    if (out->values.count(name) || out->flags.count(name)) {
        *error = name + " given twice";
        return false;
    }
    if (spec.flags.count(name)) {
        out->flags.insert(name);
        return true;
    }
    if (!spec.withValue.count(name)) {
        *error = "unknown option " + name;
        return false;
    }
    if (*i + 1 >= args.size()) {
        *error = name + " needs a value";
        return false;
    }
    out->values[name] = args[++*i];
    return true;
}

} // namespace

bool parseArguments(const std::vector<std::string>& args, const OptionSpec& spec, ParsedArguments* out,
                    std::string* error)
{
    *out = {};
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].size() > 2 && args[i].rfind("--", 0) == 0) {
            if (!takeOption(args, &i, spec, out, error))
                return false;
        } else {
            out->positional.push_back(args[i]);
        }
    }
    if (out->positional.size() != spec.positionalCount) {
        *error = out->positional.empty() ? "a file name is needed" : "unexpected argument " + out->positional.back();
        return false;
    }
    return true;
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
