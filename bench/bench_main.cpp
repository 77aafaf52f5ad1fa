#include "bench_main.h"

#include "side_process.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace quorvel::bench {

void parseOptions(int argc, char* argv[], const OptionHandlers& handlers)
{
    for (int i = 1; i < argc; i += 2) {
        const std::string option = argv[i];
        const auto handler = handlers.find(option);
        if (handler == handlers.end())
            throw std::invalid_argument("unknown option " + option);
        if (i + 1 >= argc)
            throw std::invalid_argument(option + " needs a value");
        handler->second(argv[i + 1]);
    }
}

std::uint32_t countValue(const std::string& value) { return static_cast<std::uint32_t>(std::stoul(value)); }

RunFolder::RunFolder(std::string& folder, const char* prefix)
{
    if (!folder.empty())
        return;
    folder = makeRunFolder(prefix);
    removeAtEnd_ = folder;
}

RunFolder::~RunFolder()
{
    if (removeAtEnd_.empty())
        return;
    std::error_code ignored; // a folder left behind in /tmp is no reason to fail a run
    std::filesystem::remove_all(removeAtEnd_, ignored);
}

int runBenchmark(const char* program, const std::function<int()>& body)
{
    try {
        return body();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", program, e.what());
        return 1;
    }
}

} // namespace quorvel::bench
