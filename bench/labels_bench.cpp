// Label run benchmark: address labels with a POSTNET barcode to PDF through
// the label run the `labels` command and the "Print Labels" window use,
// against the same lines and bars drawn straight with QPainter on a
// QPdfWriter from the same records. Each side runs in a child process.
//
//   bench_labels [--labels N] [--dir FOLDER]
//
// Without --labels it runs 1,000 and then 10,000 labels.
#include "address_table_xbase.h"
#include "bench_main.h"
#include "labels_bench_phases.h"
#include "side_process.h"

#include <string>
#include <vector>

namespace quorvel::bench {

std::string labelsAddressFile(const LabelsBenchConfig& config) { return config.folder + "/people.dbf"; }

// The generated records, all live: a mailing list of that many labels.
void prepareLabelsAddressFile(const LabelsBenchConfig& config)
{
    writeMailingList(labelsAddressFile(config), config.labels);
}

namespace {

bool runSize(LabelsBenchConfig config)
{
    prepareLabelsAddressFile(config);
    const auto ours = runInChild([&config] { return runLabelsSide(config); }, "label run");
    const auto direct = runInChild([&config] { return runDirectLabelsSide(config); }, "direct");
    return printMailSides(ours, direct, config.labels, "labels",
                          "5160 sheets (3 x 10), address block and POSTNET barcode");
}

} // namespace
} // namespace quorvel::bench

int main(int argc, char* argv[])
{
    using namespace quorvel::bench;
    return runBenchmark("bench_labels", [&] {
        LabelsBenchConfig config;
        std::vector<std::uint32_t> sizes = {1000, 10000};
        parseOptions(argc, argv,
                     {{"--labels", [&](const std::string& value) { sizes = {countValue(value)}; }},
                      {"--dir", [&](const std::string& value) { config.folder = value; }}});
        const RunFolder folder(config.folder, "quorvel-bench-labels-");
        bool agree = true;
        for (const std::uint32_t size : sizes) {
            config.labels = size;
            agree = runSize(config) && agree;
        }
        return agree ? 0 : 1;
    });
}
