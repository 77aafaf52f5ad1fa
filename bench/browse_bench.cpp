// Browse benchmark: opening "Address Browse" on a large address file and
// showing its first, last and middle screens, our lazily read model against
// the same screens read from an indexed SQLite table. Each side runs in a
// child process.
//
//   bench_browse [--records N] [--dir FOLDER]
#include "bench_main.h"
#include "browse_bench_phases.h"
#include "side_process.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace quorvel::bench {

namespace {

BrowseBenchConfig parseArguments(int argc, char* argv[])
{
    BrowseBenchConfig config;
    parseOptions(argc, argv,
                 {{"--records", [&](const std::string& value) { config.records = countValue(value); }},
                  {"--dir", [&](const std::string& value) { config.folder = value; }}});
    if (config.records < 2u * kScreenRows)
        throw std::invalid_argument("--records must be at least " + std::to_string(2 * kScreenRows));
    return config;
}

} // namespace
} // namespace quorvel::bench

int main(int argc, char* argv[])
{
    using namespace quorvel::bench;
    return runBenchmark("bench_browse", [&] {
        BrowseBenchConfig config = parseArguments(argc, argv);
        const RunFolder folder(config.folder, "quorvel-browse-bench");
        const auto ours = runInChild([&] { return runBrowseSide(config); }, "ours");
        const auto sqlite = runInChild([&] { return runSqliteBrowseSide(config); }, "SQLite");
        std::printf("%u records, %d rows a screen\n\n", config.records, kScreenRows);
        const bool agree = printSideBySide(ours, sqlite);
        std::printf("ratio = ours / SQLite (below 1: ours is faster); MB = peak resident memory of that side's process so far\n");
        return agree ? 0 : 1;
    });
}
