// Envelope run benchmark: #10 envelopes with an address block and a POSTNET
// barcode to PDF through the envelope run the `envelopes` command and the
// "Print Envelope" window use, against the same lines and bars drawn
// straight with QPainter on a QPdfWriter from the same records. Each side
// runs in a child process.
//
//   bench_envelopes [--envelopes N] [--dir FOLDER]
//
// Without --envelopes it runs 1,000 and then 5,000 envelopes.
#include "address_table_xbase.h"
#include "bench_main.h"
#include "envelopes_bench_phases.h"
#include "side_process.h"

#include <string>
#include <vector>

namespace quorvel::bench {

std::string envelopesAddressFile(const EnvelopesBenchConfig& config) { return config.folder + "/people.dbf"; }

namespace {

bool runSize(const EnvelopesBenchConfig& config)
{
    writeMailingList(envelopesAddressFile(config), config.envelopes);
    const auto ours = runInChild([&config] { return runEnvelopesSide(config); }, "envelope run");
    const auto direct = runInChild([&config] { return runDirectEnvelopesSide(config); }, "direct");
    return printMailSides(ours, direct, config.envelopes, "envelopes",
                          "#10 in landscape, address block and POSTNET barcode");
}

} // namespace
} // namespace quorvel::bench

int main(int argc, char* argv[])
{
    using namespace quorvel::bench;
    return runBenchmark("bench_envelopes", [&] {
        EnvelopesBenchConfig config;
        std::vector<std::uint32_t> sizes = {1000, 5000};
        parseOptions(argc, argv,
                     {{"--envelopes", [&](const std::string& value) { sizes = {countValue(value)}; }},
                      {"--dir", [&](const std::string& value) { config.folder = value; }}});
        const RunFolder folder(config.folder, "quorvel-bench-envelopes-");
        bool agree = true;
        for (const std::uint32_t size : sizes) {
            config.envelopes = size;
            agree = runSize(config) && agree;
        }
        return agree ? 0 : 1;
    });
}
