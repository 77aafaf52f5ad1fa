#include "store/tagging_run.h"

#include "store/cp1252.h"
#include "xbase/apollo.h"

#include <vector>

namespace quorvel {

namespace {

// How many records are gathered between two calls of the progress callback.
constexpr std::size_t kGatherStride = 256;

bool gatherRecords(xbase::TApollo& table, const TTaggingProgress& progress, std::vector<std::uint32_t>* records)
{
    for (bool moved = table.sx_GoTop(); moved && !table.sx_Eof(); moved = table.sx_Skip(1)) {
        records->push_back(table.sx_RecNo());
        if (progress && records->size() % kGatherStride == 0 && !progress(0))
            return false;
    }
    return true;
}

bool tagRecord(xbase::TApollo& table, std::uint32_t recno, const std::string& tagId)
{
    return table.sx_Go(recno) && table.sx_Replace("TAG", tagId) && table.sx_Commit();
}

QString stopReason(const xbase::TApollo& table)
{
    return QStringLiteral("Tagging stopped: ") + fromCp1252(table.sx_LastError().message());
}

} // namespace

TTaggingResult RunTagging(xbase::TApollo& table, const QString& tagId, const TTaggingProgress& progress)
{
    TTaggingResult result;
    const TCp1252Encoding id = toCp1252(tagId);
    if (!id.ok()) {
        result.message = id.message;
        return result;
    }
    const std::string idBytes = id.bytes.toStdString();
    std::vector<std::uint32_t> records;
    result.cancelled = !gatherRecords(table, progress, &records);
    if (!table.sx_LastError())
        result.message = stopReason(table);
    for (std::size_t i = 0; i < records.size() && !result.cancelled && result.message.isEmpty(); ++i) {
        if (!tagRecord(table, records[i], idBytes)) {
            result.message = stopReason(table);
            break;
        }
        ++result.tagged;
        result.cancelled = progress && !progress(result.tagged);
    }
    table.sx_GoTop();
    return result;
}

QString taggingCountText(quint32 tagged)
{
    return QString::number(tagged) + QStringLiteral(" tagged");
}

QString taggingEndText(const TTaggingResult& result)
{
    // A run stopped by a write failure did not complete either.
    return result.cancelled || !result.message.isEmpty() ? QStringLiteral("Cancelled before completion") : QStringLiteral("Complete");
}

} // namespace quorvel
