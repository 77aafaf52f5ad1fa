// Creating and rebuilding the orders of a work area.
#include "xbase/work_area.h"

#include <algorithm>
#include <filesystem>

namespace xbase {

namespace {

constexpr int kMaxKeyLength = 240;

Status checkKeyLength(const TagInfo& info)
{
    if (info.keyLength < 1 || info.keyLength > kMaxKeyLength)
        return Status::invalidArgument("key of " + info.keyExpression + " is " + std::to_string(info.keyLength) +
                                       " bytes; it must be 1 to " + std::to_string(kMaxKeyLength));
    return Status::ok();
}

} // namespace

// Reports `first`..`last` percent while reading every record's key.
Status WorkArea::computeKeys(const TagKeys& keys, int firstPercent, int lastPercent,
                             std::vector<std::pair<std::string, std::uint32_t>>* out)
{
    const std::uint32_t count = table_->recordCount();
    out->clear();
    out->reserve(count);
    int reported = -1;
    for (std::uint32_t recno = 1; recno <= count; ++recno) {
        Status s = buffer_->load(recno);
        if (!s)
            return s;
        if (std::optional<std::string> key = keys.keyOf(*buffer_))
            out->emplace_back(std::move(*key), recno);
        const int percent = firstPercent + static_cast<int>((lastPercent - firstPercent) * std::uint64_t{recno} / count);
        if (percent != reported && !reportProgress(reported = percent))
            return Status::invalidArgument("index build cancelled");
    }
    return Status::ok();
}

// Reading the keys is the first half of the work, sorting and writing them
// the second; the hook sees one climb from 0 to 100 per order.
Status WorkArea::buildOrder(OpenIndex& index, const TagInfo& info)
{
    TagKeys keys;
    Status s = TagKeys::compile(info, schema(), &keys);
    if (!s)
        return s;
    std::vector<std::pair<std::string, std::uint32_t>> entries;
    reportProgress(0);
    s = computeKeys(keys, 0, 50, &entries);
    if (!s)
        return s;
    return index.file->addTag(info, std::move(entries), [this](int percent) { return reportProgress(50 + percent / 2); });
}

Status WorkArea::indexTag(const std::string& name, const std::string& keyExpression, const std::string& forExpression)
{
    Status s = commit();
    if (s)
        s = writablePreconditions();
    if (s)
        s = beginChange();
    std::unique_ptr<Expression> key, condition;
    if (s)
        s = Expression::compile(keyExpression, schema(), &key);
    if (s && !forExpression.empty())
        s = Expression::compile(forExpression, schema(), &condition);
    if (!s)
        return s;
    if (condition && condition->type() != ValueType::Logical)
        return Status::invalidArgument("FOR condition must be logical: " + forExpression);
    const TagInfo info = describeTag(name, *key, forExpression);
    if (info.name.empty())
        return Status::invalidArgument("a tag needs a name");
    s = checkKeyLength(info);
    if (s && structuralIndexPath().empty())
        s = createStructuralIndex();
    if (!s)
        return s;
    OpenIndex& index = indexes_.front();
    if (index.file->findTag(info.name) >= 0)
        s = index.file->removeTag(info.name);
    if (s)
        s = buildOrder(index, info);
    if (s)
        s = index.file->flush();
    index.compileOrders(schema());
    if (!s)
        return s;
    return selectNewOrder(findOrder(info.name));
}

Status WorkArea::createStructuralIndex()
{
    OpenIndex index;
    index.path = structuralIndexPathFor(table_->path());
    index.structural = true;
    // Created marked, as every file of a changing session is.
    Status s = IndexFile::createCompound(index.path, &index.file, true);
    index.marked = true;
    if (s)
        s = table_->setStructuralIndexFlag(true);
    if (!s)
        return s;
    indexProblem_ = Status::ok();
    indexes_.insert(indexes_.begin(), std::move(index));
    return Status::ok();
}

// A new order becomes the current one, at its top, as after INDEX ON.
Status WorkArea::selectNewOrder(int order)
{
    refreshCandidates();
    Status s = setOrder(order);
    return s ? goTop() : s;
}

Status WorkArea::createIndexFile(const std::string& path, const std::string& keyExpression)
{
    Status s = commit();
    if (s)
        s = writablePreconditions();
    if (s)
        s = beginChange();
    std::unique_ptr<Expression> key;
    if (s)
        s = Expression::compile(keyExpression, schema(), &key);
    if (!s)
        return s;
    const TagInfo info = describeTag(std::filesystem::path(path).stem().string(), *key, {});
    s = checkKeyLength(info);
    OpenIndex index;
    index.path = path;
    index.marked = true;
    if (s)
        s = IndexFile::createSingle(path, info, &index.file, true);
    if (s)
        s = fillSingleOrder(index, info);
    if (!s)
        return s;
    index.compileOrders(schema());
    indexes_.push_back(std::move(index));
    return selectNewOrder(orderCount() - 1);
}

// A single-order file takes its keys one by one, as it would in use.
Status WorkArea::fillSingleOrder(OpenIndex& index, const TagInfo& info)
{
    TagKeys keys;
    Status s = TagKeys::compile(info, schema(), &keys);
    std::vector<std::pair<std::string, std::uint32_t>> entries;
    if (s)
        s = computeKeys(keys, 0, 99, &entries);
    for (std::size_t i = 0; s && i < entries.size(); ++i)
        s = index.file->insertKey(0, entries[i].first, entries[i].second);
    if (s)
        s = index.file->flush();
    if (s)
        reportProgress(100);
    return s;
}

Status WorkArea::reindex()
{
    Status s = commit();
    if (s)
        s = writablePreconditions();
    if (s)
        s = beginChange();
    if (!s)
        return s;
    eof_ = true;
    s = rebuildAllOrders();
    if (s)
        s = refreshCandidates();
    Status top = goTop();
    return s ? top : s;
}

// Starts every open index file afresh and builds its orders from their
// stored expressions.
Status WorkArea::rebuildAllOrders()
{
    for (std::size_t at = 0; at < indexes_.size(); ++at) {
        Status s = rebuildIndexFile(indexes_[at]);
        if (!s) {
            // This file is half built and the ones after it hold keys of
            // the old records: none may be used or written again. All are
            // marked on the disk, so the next open rebuilds them too.
            indexProblem_ = Status::corruption("index " + indexes_[at].path + " could not be rebuilt: " + s.message());
            indexes_.erase(indexes_.begin() + static_cast<std::ptrdiff_t>(at), indexes_.end());
            order_ = -1;
            plan_ = {};
            candidates_.reset();
            resetWalker();
            return s;
        }
    }
    return Status::ok();
}

Status WorkArea::rebuildIndexFile(OpenIndex& index)
{
    const std::vector<TagInfo> infos = index.file->tags();
    index.file.reset();
    // The new file is marked from its first byte: a crash half way through
    // leaves a file that says so. Built from the records, it is no longer
    // suspect whatever the old one was.
    Status s = index.structural ? IndexFile::createCompound(index.path, &index.file, true)
                                : IndexFile::createSingle(index.path, infos.front(), &index.file, true);
    index.marked = true;
    index.suspect = false;
    for (std::size_t i = 0; s && i < infos.size(); ++i)
        s = index.structural ? buildOrder(index, infos[i]) : fillSingleOrder(index, infos[i]);
    if (s)
        s = index.file->flush();
    if (s)
        index.compileOrders(schema());
    return s;
}

Status WorkArea::openIndexFile(const std::string& path)
{
    Status s = commit();
    if (!s)
        return s;
    for (const OpenIndex& open : indexes_)
        if (open.path == path)
            return Status::invalidArgument(path + " is open already");
    OpenIndex index;
    index.path = path;
    s = IndexFile::open(path, table_->mode(), &index.file);
    if (!s)
        return s;
    index.suspect = index.marked = index.file->staleMark();
    // A session that has begun changing the table keeps every file it
    // keeps current marked.
    if (changing_)
        s = markIndex(index);
    if (!s)
        return s;
    index.compileOrders(schema());
    const int first = orderCount();
    indexes_.push_back(std::move(index));
    return selectNewOrder(first);
}

// Closes the file that holds the current order; record number order then.
Status WorkArea::closeOrderFile()
{
    Status s = commit();
    if (!s || order_ < 0)
        return s;
    int order = order_;
    for (auto it = indexes_.begin(); it != indexes_.end(); ++it) {
        if (order >= static_cast<int>(it->orders.size())) {
            order -= static_cast<int>(it->orders.size());
            continue;
        }
        s = it->file->flush();
        indexes_.erase(it);
        break;
    }
    order_ = -1;
    scopeTop_.reset();
    scopeBottom_.reset();
    Status planned = refreshCandidates();
    resetWalker();
    return s ? planned : s;
}

Status WorkArea::closeIndexes()
{
    Status s = commit();
    Status flushed = flushIndexes();
    indexes_.clear();
    order_ = -1;
    scopeTop_.reset();
    scopeBottom_.reset();
    plan_ = {};
    candidates_.reset();
    resetWalker();
    return s ? flushed : s;
}

Status WorkArea::removeStructuralIndex()
{
    std::string path = structuralIndexPath();
    if (path.empty())
        path = findStructuralIndex(table_->path());
    Status s = commit();
    if (s && table_->mode() != OpenMode::ReadOnly)
        s = beginChange();
    if (!s)
        return s;
    const auto structural = std::find_if(indexes_.begin(), indexes_.end(), [](const OpenIndex& i) { return i.structural; });
    if (structural != indexes_.end())
        indexes_.erase(structural);
    order_ = -1;
    plan_ = {};
    candidates_.reset();
    resetWalker();
    indexProblem_ = Status::ok();
    if (!path.empty())
        s = removeFile(path);
    if (s && table_->structuralIndexFlag())
        s = table_->setStructuralIndexFlag(false);
    return s;
}

} // namespace xbase
