// Rebuilding the one tag of each system table.
#include "store/index_rebuild.h"

#include "store/dataset_names.h"
#include "store/index_rebuild_hook.h"
#include "store/path_lookup.h"
#include "xbase/apollo.h"

#include <QFileInfo>

namespace quorvel {

namespace {

using L = QLatin1String;

constexpr TSystemRebuildStep kSteps[] = {
    {TSystemTable::stLetter, L("Rebuilding Letters File indexes")},
    {TSystemTable::stLabel, L("Rebuilding Label File indexes")},
    {TSystemTable::stCsz, L("Rebuilding State/Province File indexes")},
    {TSystemTable::stLabelTemplates, L("Rebuilding Label Setup File indexes")},
    {TSystemTable::stEnvelope, L("Rebuilding Envelope File indexes")},
    {TSystemTable::stReport, L("Rebuilding Report File indexes")},
};

QString failure(const TSystemTableInfo& info, const xbase::TApollo& engine)
{
    return QString(info.fileName) + QStringLiteral(": ") + QString::fromStdString(engine.sx_LastError().message());
}

// An empty string when the table was rebuilt, otherwise why not. The old
// index goes first, damaged or not (a failure there shows up when the tag
// is made); a failed pack leaves the table as it was and it still gets its
// tag back.
QString rebuildOpenTable(xbase::TApollo& engine, const TSystemTableInfo& info)
{
    engine.sx_DeleteStructuralIndex();
    const bool packed = engine.sx_Pack();
    const QString packProblem = packed ? QString() : failure(info, engine);
    if (engine.sx_IndexTag(engineName(info.tagName), engineName(info.tagExpression)) == 0)
        return failure(info, engine);
    return packProblem;
}

} // namespace

std::span<const TSystemRebuildStep> systemRebuildSteps() { return kSteps; }

TSystemRebuildResult RebuildSystemIndexes(xbase::TApollo& engine, const QString& sysdataFolder,
                                          const TRebuildProgress& progress)
{
    TSystemRebuildResult result;
    engine.sx_Close();
    TGaugeHookScope hook(engine, [&](int percent) { tellGauge(progress, percent); });
    for (const TSystemRebuildStep& step : kSteps) {
        const TSystemTableInfo& info = systemTableInfo(step.table);
        tellStatus(progress, QString(step.status));
        const QString path = resolvePathIgnoringCase(sysdataFolder, QString(info.fileName));
        if (!QFileInfo(path).isFile()) {
            result.missing << QString(info.fileName);
            continue;
        }
        QString problem;
        if (engine.sx_Use(enginePath(path), xbase::OpenMode::Exclusive))
            problem = rebuildOpenTable(engine, info);
        else
            problem = failure(info, engine);
        engine.sx_Close();
        if (problem.isEmpty())
            result.rebuilt << QString(info.fileName);
        else
            result.failed << problem;
    }
    return result;
}

} // namespace quorvel
