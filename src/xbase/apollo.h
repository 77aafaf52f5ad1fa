#pragma once

#include "xbase/apollo_env.h"
#include "xbase/work_area.h"

#include <memory>
#include <string>

namespace xbase {

// One table as the windows and the address-file code use it: the engine's
// operations under their usual sx_ names, over one WorkArea. Nothing here
// throws or shows a message: an operation that fails returns false, 0 or
// an empty value, and sx_LastError() says why. Record numbers and order
// numbers count from 1; order 0 is record number order.
class TApollo {
public:
    explicit TApollo(TApolloEnv& env = TApolloEnv::global()) : env_(env) {}

    // Opening and creating
    bool sx_Use(const std::string& path, OpenMode mode = OpenMode::Exclusive);
    void sx_Close();
    bool sx_IsOpen() const { return area_ != nullptr; }
    bool sx_CreateNew(const std::string& path, int fieldCount);
    bool sx_CreateField(const std::string& name, char type, int width, int decimals);
    bool sx_CreateExec();
    bool sx_CopyStructure(const std::string& path);

    // Fields and records
    int sx_FieldCount() const;
    std::string sx_FieldName(int field) const; // 1-based
    char sx_FieldType(const std::string& name) const;
    int sx_FieldWidth(const std::string& name) const;
    int sx_FieldDecimals(const std::string& name) const;
    int sx_FieldOffset(const std::string& name) const;
    std::string sx_GetRecord() const;            // DBF layout, deletion flag first
    bool sx_PutRecord(const std::string& bytes); // the same layout
    std::string sx_GetString(const std::string& field) const; // trailing blanks removed
    std::string sx_GetMemo(const std::string& field) const;
    bool sx_Empty(const std::string& field) const;
    bool sx_Replace(const std::string& field, const std::string& value);
    bool sx_AppendBlank();
    bool sx_Commit();
    // Forgets an edit that could not be committed (a refused lock).
    bool discardChanges();

    // Indexes and orders
    int sx_IndexTag(const std::string& tag, const std::string& keyExpression, const std::string& forExpression = {});
    int sx_Index(const std::string& path, const std::string& keyExpression);
    bool sx_Reindex();
    int sx_IndexOpen(const std::string& path);
    bool sx_IndexClose(); // the file holding the current order
    bool sx_CloseIndexes();
    bool sx_DeleteStructuralIndex();
    int sx_TagArea(const std::string& tag) const;
    std::string sx_TagName(int order) const;
    std::string sx_IndexName() const; // the structural index file's path
    int sx_IndexOrd() const;
    bool sx_SetOrder(int order);

    // Moving
    bool sx_GoTop();
    bool sx_GoBottom();
    bool sx_Skip(long count = 1);
    bool sx_Go(std::uint32_t recno);
    std::uint32_t sx_RecNo() const;
    std::uint32_t sx_RecCount() const;
    bool sx_Bof() const;
    bool sx_Eof() const;
    bool sx_Seek(const std::string& key);
    bool sx_SetScope(const std::string& low, const std::string& high);
    bool sx_ClearScope();

    // Query and expressions
    bool sx_Query(const std::string& expression);
    std::uint32_t sx_QueryRecCount();
    std::string sx_DBFilter() const;
    bool sx_EvalLogical(const std::string& expression);
    std::string sx_EvalString(const std::string& expression);
    bool sx_EvalTest(const std::string& expression); // whether it compiles

    // Locks and deletion
    bool sx_Rlock();
    bool sx_Unlock();
    bool sx_Delete();
    bool sx_Recall();
    bool sx_Deleted() const;
    bool sx_Pack();
    bool sx_Zap();
    Status sx_CheckIndex();

    void sx_SetGaugeHook(ProgressHook hook);

    const Status& sx_LastError() const { return lastError_; }
    WorkArea* workArea() { return area_.get(); }

private:
    bool done(Status s) const;
    bool needOpen() const;
    WorkArea& area();
    const FieldInfo* field(const std::string& name) const;

    TApolloEnv& env_;
    std::unique_ptr<WorkArea> area_;
    ProgressHook gauge_;
    std::string createPath_;
    Schema createFields_;
    mutable Status lastError_;
};

} // namespace xbase
