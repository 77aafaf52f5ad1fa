#pragma once

#include "xbase/core/status.h"

#include <string>

// The temporary files of a pack and how a pack is committed. The packed
// table and memo are written beside the originals, synced, and then renamed
// over them: the memo file first, which is the moment of commit, then the
// table. An open that finds the files of an interrupted pack either throws
// them away (not committed) or finishes the table's rename (committed), so
// a crash at any point leaves the table either as it was or packed.
namespace xbase::dbf {

std::string packTempPath(const std::string& path);

enum class PendingPack { None, Stale, Committed };

// `memoPath` is empty for a table without a memo file.
PendingPack findPendingPack(const std::string& tablePath, const std::string& memoPath);
Status discardPack(const std::string& tablePath, const std::string& memoPath);
Status commitPack(const std::string& tablePath, const std::string& memoPath);
// Finishes the table's rename of a committed pack.
Status completePack(const std::string& tablePath);

} // namespace xbase::dbf
