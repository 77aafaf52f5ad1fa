// Main window benchmark: what a user of the main window waits for with a
// large address file (opening it, changing the sort order, jumping to the
// last and first record, pressing "next"), the real window against the same
// steps on an indexed SQLite table. Each side runs in a child process.
//
//   bench_window [--records N] [--steps N] [--dir FOLDER]
#include "bench_main.h"
#include "side_process.h"
#include "window_bench_phases.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace quorvel::bench {

namespace {

WindowBenchConfig parseArguments(int argc, char* argv[])
{
    WindowBenchConfig config;
    parseOptions(argc, argv,
                 {{"--records", [&](const std::string& value) { config.records = countValue(value); }},
                  {"--steps", [&](const std::string& value) { config.steps = countValue(value); }},
                  {"--dir", [&](const std::string& value) { config.folder = value; }}});
    if (config.steps >= config.records)
        throw std::invalid_argument("--steps must be below --records");
    return config;
}

} // namespace
} // namespace quorvel::bench

int main(int argc, char* argv[])
{
    using namespace quorvel::bench;
    return runBenchmark("bench_window", [&] {
        WindowBenchConfig config = parseArguments(argc, argv);
        const RunFolder folder(config.folder, "quorvel-bench-window-");
        const auto ours = runInChild([&config] { return runWindowSide(config); }, "window");
        const auto sqlite = runInChild([&config] { return runSqliteWindowSide(config); }, "SQLite");
        std::printf("%u records, %u presses of next record\n\n", config.records, config.steps);
        const bool agree = printSideBySide(ours, sqlite);
        std::printf("n = the record shown afterwards (record number, rowid); ratio = ours / SQLite (below 1: ours is "
                    "faster); MB = peak resident memory of that side's process so far\n");
        if (!agree)
            std::printf("the two sides DISAGREE on the records shown\n");
        return agree ? 0 : 1;
    });
}
