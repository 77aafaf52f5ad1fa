// Engine benchmark: our table engine against SQLite on the same generated
// address records, phase by phase. Each side runs in a child process of its
// own so that the peak memory printed for it is its own and not the sum.
//
//   bench_engine [--records N] [--seeks N] [--dir FOLDER]
#include "bench_main.h"
#include "engine_bench_phases.h"
#include "side_process.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace quorvel::bench {

namespace {

// Prints the table; false when the two sides disagree on an answer.
bool printReport(const EngineBenchConfig& config, const std::vector<PhaseResult>& ours, const std::vector<PhaseResult>& sqlite)
{
    std::printf("%u records, %u seeks\n\n", config.records, config.seeks);
    const bool agree = printSideBySide(ours, sqlite);
    const auto indexed = std::find_if(ours.begin(), ours.end(), [](const PhaseResult& p) { return p.name == kPhaseCountIndexed; });
    const auto scanned = std::find_if(ours.begin(), ours.end(), [](const PhaseResult& p) { return p.name == kPhaseCountScan; });
    if (indexed != ours.end() && scanned != ours.end() && indexed->seconds > 0)
        std::printf("\nours: tagged prefix count is %.1fx faster than a full scan\n", scanned->seconds / indexed->seconds);
    std::printf("ratio = ours / SQLite (below 1: ours is faster); MB = peak resident memory of that side's process so far\n");
    if (!agree)
        std::printf("the two sides DISAGREE on the answers above\n");
    return agree;
}

EngineBenchConfig parseArguments(int argc, char* argv[])
{
    EngineBenchConfig config;
    parseOptions(argc, argv,
                 {{"--records", [&](const std::string& value) { config.records = countValue(value); }},
                  {"--seeks", [&](const std::string& value) { config.seeks = countValue(value); }},
                  {"--dir", [&](const std::string& value) { config.folder = value; }}});
    return config;
}

} // namespace
} // namespace quorvel::bench

int main(int argc, char* argv[])
{
    using namespace quorvel::bench;
    return runBenchmark("bench_engine", [&] {
        EngineBenchConfig config = parseArguments(argc, argv);
        const RunFolder folder(config.folder, "quorvel-bench-");
        const auto ours = runInChild([&config] { return runXbaseSide(config); }, "our");
        const auto sqlite = runInChild([&config] { return runSqliteSide(config); }, "SQLite");
        return printReport(config, ours, sqlite) ? 0 : 1;
    });
}
