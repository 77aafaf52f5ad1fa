// Report run benchmark: built-in reports 1 (one line a record) and 4 (three
// lines a record) to PDF through the report run the `report` command and
// the "Print Report" window use, against the same pages (texts, fonts,
// positions, rules; the records in the same order) drawn straight with
// QPainter on a QPdfWriter. Each side runs in a child process.
//
//   bench_report [--records N] [--dir FOLDER]
//
// Without --records it runs 100,000 records.
#include "address_table_xbase.h"
#include "bench_main.h"
#include "report_bench_phases.h"
#include "side_process.h"

#include <cstdio>
#include <string>

namespace quorvel::bench {

std::string reportAddressFile(const ReportBenchConfig& config) { return config.folder + "/people.dbf"; }

} // namespace quorvel::bench

int main(int argc, char* argv[])
{
    using namespace quorvel::bench;
    return runBenchmark("bench_report", [&] {
        ReportBenchConfig config;
        parseOptions(argc, argv, {{"--records", [&](const std::string& value) { config.records = countValue(value); }},
                                  {"--dir", [&](const std::string& value) { config.folder = value; }}});
        const RunFolder folder(config.folder, "quorvel-bench-report-");
        writeMailingList(reportAddressFile(config), config.records);
        const auto ours = runInChild([&config] { return runReportSide(config); }, "report run");
        const auto direct = runInChild([&config] { return runDirectReportSide(config); }, "direct");
        std::printf("%u records, built-in reports 1 and 4 on letter paper\n\n", config.records);
        const bool agree = printSideBySide(ours, direct, "direct");
        for (const auto* side : {&ours, &direct})
            for (const PhaseResult& phase : *side)
                if (phase.name == kPhaseList || phase.name == kPhaseAllFields)
                    std::printf("%-8s %7.2f ms a page, %s\n", side == &ours ? "ours:" : "direct:",
                                phase.result > 0 ? 1000.0 * phase.seconds / double(phase.result) : 0.0,
                                phase.name.c_str());
        std::printf("n = pages (the hash of every text of report 1, in page order, on the last line); "
                    "ratio = ours / direct; MB = peak resident memory of that side's process so far\n\n");
        if (!agree)
            std::printf("the two sides DISAGREE on the pages or their texts\n");
        return agree ? 0 : 1;
    });
}
