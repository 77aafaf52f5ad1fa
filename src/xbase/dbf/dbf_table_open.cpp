// DbfTable: creating a table and opening an existing one.

#include "xbase/dbf/dbf_table.h"

#include "xbase/dbf/field_codec.h"
#include "xbase/dbf/pack_files.h"

#include <algorithm>

namespace xbase {
namespace {

bool hasMemoFields(const Schema& schema)
{
    return std::any_of(schema.begin(), schema.end(), [](const FieldInfo& f) { return dbf::isMemoField(f); });
}

dbf::TableLayout newTableLayout(Schema schema, const CreateOptions& options)
{
    const bool memo = hasMemoFields(schema);
    dbf::TableLayout layout;
    dbf::DbfHeader& h = layout.header;
    h.version = memo ? dbf::kVersionFoxProMemo : dbf::kVersionPlain;
    dbf::stampToday(&h);
    h.headerLength = static_cast<std::uint16_t>(dbf::kHeaderSize + dbf::kDescriptorSize * schema.size() + 1);
    h.recordLength = static_cast<std::uint16_t>(schema.back().offset + schema.back().width);
    h.tableFlags = options.structuralIndex ? dbf::kFlagStructuralIndex : 0;
    h.languageDriver = dbf::kCodePageWindows1252;
    layout.version = *dbf::describeVersion(h.version);
    layout.schema = std::move(schema);
    return layout;
}

// Writes a new file in one piece and makes it durable.
Status writeNewFile(const std::string& path, const std::vector<unsigned char>& bytes, std::unique_ptr<File>* out)
{
    Status s = createFile(path, out);
    if (s)
        s = (*out)->writeAt(0, bytes.data(), bytes.size());
    if (s)
        s = (*out)->sync();
    return s;
}

} // namespace

Status DbfTable::create(const std::string& path, const Schema& fields, const CreateOptions& options,
                        std::unique_ptr<DbfTable>* out)
{
    Schema schema;
    Status s = dbf::normaliseNewSchema(fields, &schema);
    if (!s)
        return s;
    dbf::TableLayout layout = newTableLayout(std::move(schema), options);
    const dbf::MemoKind memoKind = layout.version.memo;
    const std::string memoPath = memoKind == dbf::MemoKind::None ? std::string() : dbf::memoPathFor(path, memoKind);
    // Leftovers of an old table's interrupted pack must not be taken for
    // this table's.
    s = dbf::discardPack(path, memoPath);
    std::vector<unsigned char> bytes = dbf::encodeLayout(layout.header, layout.schema);
    bytes.push_back(dbf::kEndOfData);
    std::unique_ptr<File> file;
    if (s)
        s = writeNewFile(path, bytes, &file);
    std::unique_ptr<dbf::MemoFile> memo;
    if (s && memoKind != dbf::MemoKind::None)
        s = dbf::createMemoFile(memoPath, memoKind, &memo);
    if (s)
        s = syncParentDirectory(path);
    if (!s)
        return s;
    std::unique_ptr<DbfTable> table(new DbfTable(path, OpenMode::Exclusive, std::move(file), std::move(layout)));
    table->memoKind_ = memoKind;
    table->memo_ = std::move(memo);
    *out = std::move(table);
    return Status::ok();
}

Status DbfTable::openLayout(const std::string& path, OpenMode mode, std::unique_ptr<File>* file, dbf::TableLayout* layout)
{
    Status s = openFile(path, mode, file);
    if (s)
        s = dbf::readLayout(**file, path, layout);
    return s;
}

// Finishes or discards what an interrupted pack left (see pack_files.h).
// Only an exclusive open may; the others refuse a table whose pack was
// committed but not finished, and ignore uncommitted leftovers.
Status DbfTable::settleInterruptedPack(const std::string& path, const std::string& memoPath, OpenMode mode,
                                       std::unique_ptr<File>* file, dbf::TableLayout* layout)
{
    const dbf::PendingPack pending = dbf::findPendingPack(path, memoPath);
    if (pending == dbf::PendingPack::None || (pending == dbf::PendingPack::Stale && mode != OpenMode::Exclusive))
        return Status::ok();
    if (pending == dbf::PendingPack::Stale)
        return dbf::discardPack(path, memoPath);
    if (mode != OpenMode::Exclusive)
        return Status::locked(path + ": a pack was interrupted; open the table exclusively to finish it");
    Status s = dbf::completePack(path);
    if (s)
        s = openLayout(path, mode, file, layout);
    return s;
}

Status DbfTable::open(const std::string& path, OpenMode mode, std::unique_ptr<DbfTable>* out)
{
    std::unique_ptr<File> file;
    dbf::TableLayout layout;
    Status s = openLayout(path, mode, &file, &layout);
    if (!s)
        return s;
    const dbf::MemoKind memoKind = dbf::resolveMemoKind(path, layout.version.memo, hasMemoFields(layout.schema));
    const std::string memoPath = memoKind == dbf::MemoKind::None ? std::string() : dbf::findMemoFile(path, memoKind);
    s = settleInterruptedPack(path, memoPath, mode, &file, &layout);
    if (!s)
        return s;
    if (memoKind != dbf::MemoKind::None && memoPath.empty())
        return Status::notFound(path + ": the memo file " + dbf::memoPathFor(path, memoKind) + " is missing");
    std::unique_ptr<DbfTable> table(new DbfTable(path, mode, std::move(file), std::move(layout)));
    table->memoKind_ = memoKind;
    if (memoKind != dbf::MemoKind::None)
        s = dbf::openMemoFile(memoPath, memoKind, mode, &table->memo_);
    if (!s)
        return s;
    *out = std::move(table);
    return Status::ok();
}

} // namespace xbase
