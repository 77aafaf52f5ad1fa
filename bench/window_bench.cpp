// Main window benchmark: what a user of the main window waits for with a
// large address file (opening it, changing the sort order, jumping to the
// last and first record, pressing "next"), the real window against the same
// steps on an indexed SQLite table. Each side runs in a child process.
//
//   bench_window [--records N] [--steps N] [--dir FOLDER]
#include "side_process.h"
#include "window_bench_phases.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace quorvel::bench {

namespace {

WindowBenchConfig parseArguments(int argc, char* argv[])
{
    WindowBenchConfig config;
    for (int i = 1; i < argc; i += 2) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            throw std::invalid_argument(option + " needs a value");
        const std::string value = argv[i + 1];
        if (option == "--records")
            config.records = static_cast<std::uint32_t>(std::stoul(value));
        else if (option == "--steps")
            config.steps = static_cast<std::uint32_t>(std::stoul(value));
        else if (option == "--dir")
            config.folder = value;
        else
            throw std::invalid_argument("unknown option " + option);
    }
    if (config.steps >= config.records)
        throw std::invalid_argument("--steps must be below --records");
    return config;
}

} // namespace
} // namespace quorvel::bench

int main(int argc, char* argv[])
{
    using namespace quorvel::bench;
    try {
        WindowBenchConfig config = parseArguments(argc, argv);
        const bool ownFolder = config.folder.empty();
        if (ownFolder)
            config.folder = makeRunFolder("quorvel-bench-window-");
        const auto ours = runInChild([&config] { return runWindowSide(config); }, "window");
        const auto sqlite = runInChild([&config] { return runSqliteWindowSide(config); }, "SQLite");
        std::printf("%u records, %u presses of next record\n\n", config.records, config.steps);
        const bool agree = printSideBySide(ours, sqlite);
        std::printf("n = the record shown afterwards (record number, rowid); ratio = ours / SQLite (below 1: ours is "
                    "faster); MB = peak resident memory of that side's process so far\n");
        if (!agree)
            std::printf("the two sides DISAGREE on the records shown\n");
        if (ownFolder)
            std::filesystem::remove_all(config.folder);
        return agree ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_window: %s\n", e.what());
        return 1;
    }
}
