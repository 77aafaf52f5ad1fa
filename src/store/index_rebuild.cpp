// Rebuilding the address file's indexes.
#include "store/index_rebuild.h"

#include "store/address_file.h"
#include "store/dataset.h"
#include "store/index_rebuild_gauge.h"
#include "store/index_rebuild_hook.h"
#include "xbase/apollo.h"

namespace quorvel {

namespace {

QString engineReason(const xbase::TApollo& engine) { return QString::fromStdString(engine.sx_LastError().message()); }

TTableResult packTable(xbase::TApollo& engine, TRebuildGauge& gauge, const TRebuildProgress& progress)
{
    gauge.startPacking();
    tellGauge(progress, gauge.position());
    TGaugeHookScope hook(engine, [&](int percent) { tellGauge(progress, gauge.report(percent)); });
    if (!engine.sx_Pack())
        return TTableResult::failure({QStringLiteral("Unable to remove the deleted records")}, engineReason(engine));
    return TTableResult::success();
}

TTableResult buildTags(TDataset& dataset, TRebuildGauge& gauge, const TRebuildProgress& progress)
{
    tellStatus(progress, QStringLiteral("Rebuilding indexes"));
    gauge.startIndexing();
    TGaugeHookScope hook(dataset.engine(), [&](int percent) { tellGauge(progress, gauge.report(percent)); });
    return BuildAddressIndexes(dataset);
}

} // namespace

TTableResult RebuildAddressIndexes(TDataset& dataset, const TRebuildProgress& progress)
{
    if (!dataset.Active())
        return TTableResult::failure({QStringLiteral("You need to have a database file open first")});
    if (dataset.isEditing())
        return TTableResult::failure({QStringLiteral("Unable to create index files")},
                                     QStringLiteral("the record being edited is not saved yet"));
    xbase::TApollo& engine = dataset.engine();
    tellStatus(progress, QStringLiteral("Cleaning out old deleted records"));
    // Without an index the pack does not rebuild every old tag for the
    // packed records only for them to be thrown away a moment later; a
    // damaged index goes the same way.
    if (!engine.sx_DeleteStructuralIndex()) {
        dataset.Resync();
        return TTableResult::failure({QStringLiteral("Unable to create index files")}, engineReason(engine));
    }
    TRebuildGauge gauge;
    // A failed pack leaves the table as it was; its tags are built all the
    // same so that the file is not left without an index.
    const TTableResult packed = packTable(engine, gauge, progress);
    const TTableResult indexed = buildTags(dataset, gauge, progress);
    if (!indexed.ok) {
        dataset.SetOrder(QString());
        dataset.First();
        return indexed;
    }
    return packed;
}

} // namespace quorvel
