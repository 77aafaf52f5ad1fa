#include "cli/command.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace quorvel::cli {

std::vector<Command>& commandRegistry()
{
    static std::vector<Command> commands;
    return commands;
}

namespace {

// $QUORVEL_HOME when set, else the per-user data folder.
std::string defaultHome()
{
    if (const char* env = std::getenv("QUORVEL_HOME"); env && *env)
        return env;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return std::string(xdg) + "/Quorvel";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : ".") + "/.local/share/Quorvel";
}

int usage(FILE* to)
{
    std::fprintf(to, "usage: quorvel-cli COMMAND [--home DIR] ARGS...\n\ncommands:\n");
    for (const Command& c : commandRegistry())
        std::fprintf(to, "  %s\n", c.usage.c_str());
    return to == stdout ? kOk : kBadUsage;
}

} // namespace
} // namespace quorvel::cli

int main(int argc, char* argv[])
{
    using namespace quorvel::cli;
    if (argc < 2)
        return usage(stderr);
    const std::string name = argv[1];
    if (name == "--help" || name == "help")
        return usage(stdout);

    Invocation inv;
    inv.home = defaultHome();
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--home") {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "quorvel-cli: --home needs a folder\n");
                return kBadUsage;
            }
            inv.home = argv[++i];
        } else {
            inv.args.push_back(arg);
        }
    }
    for (const Command& c : commandRegistry())
        if (c.name == name)
            return c.run(inv);
    std::fprintf(stderr, "quorvel-cli: unknown command '%s'\n", name.c_str());
    return usage(stderr);
}
