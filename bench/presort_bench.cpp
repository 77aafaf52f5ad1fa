// Bulk-mail presort benchmark: the presort of a nationwide mailing list
// (every selected record counted by ZIP code, the 5-digit, 3-digit, ADC and
// unknown passes, the list written) and the ZIP code counts, through the
// code the `presort` and `zipcounts` commands run, against SQLite grouping
// the same rows and the same passes over its groups. Each side runs in a
// child process of its own, so that its peak memory is its own.
//
//   bench_presort [--records N] [--dir FOLDER]
#include "bench_main.h"
#include "presort_bench_phases.h"
#include "side_process.h"

#include <cstdio>
#include <string>

namespace quorvel::bench {

std::string ourAddressFile(const PresortBenchConfig& config) { return config.folder + "/nationwide.dbf"; }
std::string referenceDatabase(const PresortBenchConfig& config) { return config.folder + "/nationwide.sqlite"; }

void RowHash::mix(unsigned char c)
{
    hash_ ^= c;
    hash_ *= 1099511628211ULL;
}

void RowHash::add(const std::string& field)
{
    for (const unsigned char c : field)
        mix(c);
    mix('\t');
}

void RowHash::endRow() { mix('\n'); }

} // namespace quorvel::bench

int main(int argc, char* argv[])
{
    using namespace quorvel::bench;
    return runBenchmark("bench_presort", [&] {
        PresortBenchConfig config;
        parseOptions(argc, argv,
                     {{"--records", [&](const std::string& value) { config.records = countValue(value); }},
                      {"--dir", [&](const std::string& value) { config.folder = value; }}});
        const RunFolder folder(config.folder, "quorvel-bench-presort-");
        // Made before the phases and in other processes, so that the
        // memory printed for a phase is the presort's, not the index build's.
        const auto ourSetUp = runInChild([&config] { return prepareOurAddressFile(config); }, "our set-up");
        const auto referenceSetUp =
            runInChild([&config] { return prepareReferenceDatabase(config); }, "SQLite set-up");
        const auto ours = runInChild([&config] { return runOurPresortSide(config); }, "presort");
        const auto reference = runInChild([&config] { return runReferencePresortSide(config); }, "SQLite");
        std::printf("%u records (nationwide mix, one in 50 deleted); filter: %s\n\n", config.records,
                    kFilterExpression);
        bool agree = printSideBySide(ourSetUp, referenceSetUp);
        agree = printSideBySide(ours, reference) && agree;
        std::printf("n = records (set-up), a hash of the answer's rows in order (phases); ratio = ours / SQLite "
                    "(below 1: ours is faster); MB = peak resident memory of that side's process so far\n");
        if (!agree)
            std::printf("the two sides DISAGREE\n");
        return agree ? 0 : 1;
    });
}
