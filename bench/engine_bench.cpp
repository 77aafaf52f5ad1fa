// Engine benchmark: our table engine against SQLite on the same generated
// address records, phase by phase. Each side runs in a child process of its
// own so that the peak memory printed for it is its own and not the sum.
//
//   bench_engine [--records N] [--seeks N] [--dir FOLDER]
#include "engine_bench_phases.h"
#include "side_process.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
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
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i], value = argv[i + 1];
        if (option == "--records")
            config.records = static_cast<std::uint32_t>(std::stoul(value));
        else if (option == "--seeks")
            config.seeks = static_cast<std::uint32_t>(std::stoul(value));
        else if (option == "--dir")
            config.folder = value;
        else
            throw std::invalid_argument("unknown option " + option);
    }
    return config;
}

} // namespace
} // namespace quorvel::bench

int main(int argc, char* argv[])
{
    using namespace quorvel::bench;
    try {
        EngineBenchConfig config = parseArguments(argc, argv);
        const bool ownFolder = config.folder.empty();
        if (ownFolder) {
            config.folder = makeRunFolder("quorvel-bench-");
        }
        const auto ours = runInChild([&config] { return runXbaseSide(config); }, "our");
        const auto sqlite = runInChild([&config] { return runSqliteSide(config); }, "SQLite");
        const bool agree = printReport(config, ours, sqlite);
        if (ownFolder)
            std::filesystem::remove_all(config.folder);
        return agree ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_engine: %s\n", e.what());
        return 1;
    }
}
