#include "xbase/dbf/pack_files.h"

#include "xbase/core/file.h"

namespace xbase::dbf {

std::string packTempPath(const std::string& path) { return path + ".packing"; }

PendingPack findPendingPack(const std::string& tablePath, const std::string& memoPath)
{
    const bool tableTemp = fileExists(packTempPath(tablePath));
    const bool memoTemp = !memoPath.empty() && fileExists(packTempPath(memoPath));
    if (tableTemp && !memoPath.empty() && !memoTemp)
        return PendingPack::Committed;
    return tableTemp || memoTemp ? PendingPack::Stale : PendingPack::None;
}

Status discardPack(const std::string& tablePath, const std::string& memoPath)
{
    // The table's temporary goes first: while it exists next to a memo
    // temporary, the pack counts as not committed.
    Status s = removeFile(packTempPath(tablePath));
    if (s && !memoPath.empty())
        s = removeFile(packTempPath(memoPath));
    return s;
}

Status commitPack(const std::string& tablePath, const std::string& memoPath)
{
    if (!memoPath.empty()) {
        Status s = renameFile(packTempPath(memoPath), memoPath);
        if (!s)
            return s;
    }
    return completePack(tablePath);
}

Status completePack(const std::string& tablePath)
{
    Status s = renameFile(packTempPath(tablePath), tablePath);
    if (s)
        s = syncParentDirectory(tablePath);
    return s;
}

} // namespace xbase::dbf
