#pragma once

#include "xbase/candidate_set.h"
#include "xbase/engine_settings.h"
#include "xbase/open_index.h"
#include "xbase/order_walker.h"
#include "xbase/query_planner.h"
#include "xbase/record_buffer.h"

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace xbase {

// One open table: the DBF with its memo file, its structural index and any
// single-order index files, the current record, the current order, the
// query, the scope and the engine settings, with the xBase meaning of every
// move and edit. Orders are numbered from 0 across all open index files
// (structural first); -1 is record number order.
class WorkArea {
public:
    static Status open(const std::string& path, OpenMode mode, const EngineSettings& settings,
                       std::unique_ptr<WorkArea>* out);
    ~WorkArea();
    WorkArea(const WorkArea&) = delete;
    WorkArea& operator=(const WorkArea&) = delete;

    // Writes a pending edit and closes every file.
    Status close();

    DbfTable& table() { return *table_; }
    const Schema& schema() const { return table_->schema(); }
    const RecordSource& record() const { return *buffer_; }
    EngineSettings& settings() { return settings_; }
    void setProgressHook(ProgressHook hook) { progress_ = std::move(hook); }

    // Orders and index files
    int orderCount() const;
    const TagInfo& orderInfo(int order) const;
    int findOrder(std::string_view tagName) const; // case-insensitive; -1 when absent
    int order() const { return order_; }
    Status setOrder(int order);
    std::string structuralIndexPath() const;
    // Why the structural index next to the table could not be opened; ok
    // when it opened or there is none.
    const Status& indexProblem() const { return indexProblem_; }
    // Whether an open index file was left marked by a session that changed
    // the table and never closed it (a crash, a killed process): its tags
    // may not match the records. Rebuilding them (reindex, pack, zap, or
    // removing the structural index) ends it.
    bool indexesSuspect() const;
    Status indexTag(const std::string& name, const std::string& keyExpression, const std::string& forExpression = {});
    Status createIndexFile(const std::string& path, const std::string& keyExpression);
    Status reindex();
    // Opens another index file (CDX or IDX); its first order becomes current.
    Status openIndexFile(const std::string& path);
    Status closeOrderFile();
    Status closeIndexes();
    // Closes and deletes the structural index file.
    Status removeStructuralIndex();
    // Corruption when an order's entries differ from the keys of the records.
    Status checkIndexes();

    // Moving
    Status goTop();
    Status goBottom();
    Status skip(long count);
    Status go(std::uint32_t recno);
    std::uint32_t recNo() const { return buffer_->recordNumber(); }
    std::uint32_t recCount() const { return table_->recordCount(); }
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    Status seek(std::string_view key, bool* found);
    // Key limits on the current order (nullopt: none); lifted by setOrder.
    Status setScope(std::optional<std::string> top, std::optional<std::string> bottom);

    // Query
    Status setQuery(std::string_view expression);
    const std::string& query() const { return queryText_; }
    Status queryRecCount(std::uint32_t* count);
    const QueryPlan& queryPlan() const { return plan_; }
    // Any expression against the current record.
    Status evaluate(std::string_view expression, Value* out);
    // A value as text: numbers shortest, dates YYYYMMDD, logicals T or F.
    static std::string displayText(const Value& value);

    // Editing
    Status replace(int field, std::string_view value);
    Status appendBlank();
    // Forgets an edit not yet committed (one a refused lock left pending);
    // a record being appended is dropped.
    Status discardChanges();
    // Bulk loading: `count` whole records (DBF layout) stored with one sync,
    // their keys added to every open order. The last becomes current.
    Status appendRecords(const unsigned char* records, std::size_t count);
    // Replaces the whole current record (DBF layout); written at commit.
    Status putRecord(std::string_view bytes);
    Status commit();
    Status deleteRecord();
    Status recall();
    bool deleted() const { return buffer_->deletionFlag(); }
    Status pack();
    Status zap();
    Status copyStructure(const std::string& path) const;
    // Record locks on a shared table. A commit takes the lock itself for
    // the time of the write when the caller holds none; a lock held
    // elsewhere fails the write with Locked.
    Status lockRecord();
    Status unlockRecord();

private:
    WorkArea(std::unique_ptr<DbfTable> table, const EngineSettings& settings);
    Status openStructuralIndex(OpenMode mode);
    std::unique_ptr<IndexCursor> cursorFor(int order) const;
    const TagKeys& orderKeys(int order) const;
    std::vector<const TagKeys*> allOrders() const;

    // moving
    std::unique_ptr<OrderWalker> makeWalker() const;
    void resetWalker();
    Status settle(bool forward);
    Status skipForward(long count);
    Status skipBackward(long count);
    Status placeAtEof();
    bool isVisible() const;
    Status positionWalkerOnCurrent();

    // editing
    Status writablePreconditions() const;
    Status beginChange();
    Status markIndex(OpenIndex& index);
    void clearMarks();
    Status storeRecord();
    Status writeLocked();
    void refreshShared();
    Status updateKeys();
    Status insertKeys();
    Status flushIndexes();
    Status rebuildAllOrders();
    Status rebuildIndexFile(OpenIndex& index);
    Status buildOrder(OpenIndex& index, const TagInfo& info);
    Status fillSingleOrder(OpenIndex& index, const TagInfo& info);
    Status createStructuralIndex();
    Status selectNewOrder(int order);
    Status checkOrder(const OpenIndex& index, int tag);
    Status computeKeys(const TagKeys& keys, int firstPercent, int lastPercent,
                       std::vector<std::pair<std::string, std::uint32_t>>* out);
    bool reportProgress(int percent) const;
    Status afterStructureChange();

    // query
    Status refreshCandidates();
    Status walkKeyRange(int order, const std::string& prefix, const std::function<void(std::uint32_t)>& visit) const;
    void updateCandidate();
    bool countFromIndexes(std::uint32_t* count) const;

    std::unique_ptr<DbfTable> table_;
    EngineSettings settings_;
    ProgressHook progress_;
    std::unique_ptr<RecordBuffer> buffer_;
    std::vector<OpenIndex> indexes_;
    int order_ = -1;
    std::optional<std::string> scopeTop_, scopeBottom_;
    std::string queryText_;
    std::unique_ptr<Expression> query_;
    QueryPlan plan_;
    std::unique_ptr<CandidateSet> candidates_;
    std::unique_ptr<OrderWalker> walker_;
    Status indexProblem_;
    std::set<std::uint32_t> heldLocks_; // taken by lockRecord on a shared table
    bool bof_ = false;
    bool eof_ = true;
    bool changing_ = false; // this session has begun changing the files
};

} // namespace xbase
