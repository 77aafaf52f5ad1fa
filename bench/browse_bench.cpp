// Browse benchmark: opening "Address Browse" on a large address file and
// showing its first, last and middle screens, our lazily read model against
// the same screens read from an indexed SQLite table. Each side runs in a
// child process.
//
//   bench_browse [--records N] [--dir FOLDER]
#include "browse_bench_phases.h"
#include "side_process.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace quorvel::bench {

namespace {

BrowseBenchConfig parseArguments(int argc, char* argv[])
{
    BrowseBenchConfig config;
    for (int i = 1; i < argc; i += 2) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            throw std::invalid_argument(option + " needs a value");
        const std::string value = argv[i + 1];
        if (option == "--records")
            config.records = static_cast<std::uint32_t>(std::stoul(value));
        else if (option == "--dir")
            config.folder = value;
        else
            throw std::invalid_argument("unknown option " + option);
    }
    if (config.records < 2u * kScreenRows)
        throw std::invalid_argument("--records must be at least " + std::to_string(2 * kScreenRows));
    return config;
}

} // namespace
} // namespace quorvel::bench

int main(int argc, char* argv[])
{
    using namespace quorvel::bench;
    try {
        BrowseBenchConfig config = parseArguments(argc, argv);
        const bool ownFolder = config.folder.empty();
        if (ownFolder)
            config.folder = makeRunFolder("quorvel-browse-bench");
        const auto ours = runInChild([&] { return runBrowseSide(config); }, "ours");
        const auto sqlite = runInChild([&] { return runSqliteBrowseSide(config); }, "SQLite");
        if (ownFolder)
            std::filesystem::remove_all(config.folder);
        std::printf("%u records, %d rows a screen\n\n", config.records, kScreenRows);
        const bool agree = printSideBySide(ours, sqlite);
        std::printf("ratio = ours / SQLite (below 1: ours is faster); MB = peak resident memory of that side's process so far\n");
        return agree ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_browse: %s\n", e.what());
        return 1;
    }
}
