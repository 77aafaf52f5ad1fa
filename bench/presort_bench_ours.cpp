// Our side of the presort benchmark: the address file opened as the
// `presort` and `zipcounts` commands open it, its selection set as their
// record selection sets it, and the same calls they make.
#include "address_table_xbase.h"
#include "presort_bench_phases.h"

#include "labels/presort_passes.h"
#include "labels/presort_run.h"
#include "labels/zip_count.h"
#include "store/address_dataset.h"
#include "store/address_file.h"
#include "xbase/apollo.h"
#include "xbase/apollo_env.h"

#include <stdexcept>

namespace quorvel::bench {

namespace {

std::string text(const QString& value) { return value.toStdString(); }

void select(TAddressDataset& addresses, const QString& query)
{
    if (!addresses.SetQuery(query))
        throw std::runtime_error("query " + text(query) + ": " + text(addresses.lastError()));
}

// `presort FILE --out LIST`: the presort with its list written, then the
// rows the command prints.
long long presort(TAddressDataset& addresses, const QString& query, const QString& list)
{
    select(addresses, query);
    labels::TSilentPresortProgress progress;
    const labels::TPresortResult result = labels::RunBulkMailPresort(addresses, list, progress);
    if (result.outcome != labels::TPresortOutcome::Completed)
        throw std::runtime_error("the presort did not complete: " + text(result.message));
    RowHash hash;
    for (const labels::TPresortLine& line : labels::PresortGroups(result.count)) {
        hash.add(text(line.group));
        hash.add(text(line.zip));
        hash.add(std::to_string(line.pieces));
        hash.endRow();
    }
    return hash.value();
}

// `zipcounts FILE`: the counts, codes first, then the other codes, then
// the blank ones.
long long zipCounts(TAddressDataset& addresses)
{
    select(addresses, QStringLiteral("!ISDEL"));
    labels::TSilentZipCountProgress progress;
    const std::optional<labels::TZipCount> count = labels::CountZipCodes(addresses, progress);
    if (!count)
        throw std::runtime_error("the ZIP count did not finish");
    RowHash hash;
    for (const auto* tallies : {&count->codes, &count->others}) {
        for (const labels::TZipTally& tally : *tallies) {
            hash.add(text(tally.code));
            hash.add(std::to_string(tally.count));
            hash.endRow();
        }
    }
    hash.add("BLANK");
    hash.add(std::to_string(count->blank));
    hash.endRow();
    return hash.value();
}

} // namespace

std::vector<PhaseResult> prepareOurAddressFile(const PresortBenchConfig& config)
{
    std::vector<PhaseResult> log;
    PhaseClock(log).run(kPhaseSetUp, [&] {
        std::unique_ptr<xbase::WorkArea> area = createAddressTable(ourAddressFile(config));
        appendAddressRecords(*area, config.records, false, AddressMix::Nationwide);
        buildAddressTags(*area);
        check(area->close(), "close");
        return static_cast<long long>(config.records);
    });
    return log;
}

std::vector<PhaseResult> runOurPresortSide(const PresortBenchConfig& config)
{
    xbase::TApolloEnv env;
    xbase::TApollo engine(env);
    TAddressDataset addresses(engine);
    const TAddressOpenResult opened = OpenQVWFile(QString::fromStdString(ourAddressFile(config)), addresses);
    if (!opened.ok || !opened.indexValid)
        throw std::runtime_error("cannot open " + ourAddressFile(config));
    const QString list = QString::fromStdString(config.folder) + QStringLiteral("/ours.psl");
    // The record selection's query: the user's condition bracketed, so that
    // its ".or." cannot reach the deleted records.
    const QString filtered = QStringLiteral("(%1) .and. !ISDEL").arg(QLatin1String(kFilterExpression));

    std::vector<PhaseResult> log;
    PhaseClock clock(log);
    clock.run(kPhasePresortAll, [&] { return presort(addresses, QStringLiteral("!ISDEL"), list); });
    clock.run(kPhasePresortFiltered, [&] { return presort(addresses, filtered, list); });
    clock.run(kPhaseZipCounts, [&] { return zipCounts(addresses); });
    return log;
}

} // namespace quorvel::bench
