#include "xbase/apollo.h"

namespace xbase {

namespace {

const Status kNotOpen = Status::invalidArgument("no table is open");

} // namespace

bool TApollo::done(Status s) const
{
    lastError_ = std::move(s);
    return lastError_.isOk();
}

bool TApollo::needOpen() const
{
    if (area_)
        return true;
    lastError_ = kNotOpen;
    return false;
}

// Every call sees the environment's current settings.
WorkArea& TApollo::area()
{
    area_->settings() = env_.settings();
    return *area_;
}

bool TApollo::sx_Use(const std::string& path, OpenMode mode)
{
    sx_Close();
    Status s = WorkArea::open(path, mode, env_.settings(), &area_);
    if (s)
        area_->setProgressHook(gauge_);
    return done(s);
}

void TApollo::sx_Close()
{
    if (area_)
        done(area_->close());
    area_.reset();
}

bool TApollo::sx_CreateNew(const std::string& path, int fieldCount)
{
    if (fieldCount < 1 || fieldCount > 255)
        return done(Status::invalidArgument("a table has 1 to 255 fields"));
    createPath_ = path;
    createFields_.clear();
    createFields_.reserve(static_cast<std::size_t>(fieldCount));
    return done(Status::ok());
}

bool TApollo::sx_CreateField(const std::string& name, char type, int width, int decimals)
{
    if (createPath_.empty())
        return done(Status::invalidArgument("sx_CreateNew must come first"));
    FieldInfo f;
    f.name = name;
    f.type = type;
    f.width = width;
    f.decimals = decimals;
    createFields_.push_back(f);
    return done(Status::ok());
}

// Creates the table, then opens it exclusively in this object.
bool TApollo::sx_CreateExec()
{
    if (createPath_.empty())
        return done(Status::invalidArgument("sx_CreateNew must come first"));
    sx_Close();
    std::unique_ptr<DbfTable> table;
    Status s = DbfTable::create(createPath_, createFields_, CreateOptions{}, &table);
    table.reset();
    const std::string path = createPath_;
    createPath_.clear();
    createFields_.clear();
    return s ? sx_Use(path, OpenMode::Exclusive) : done(s);
}

bool TApollo::sx_CopyStructure(const std::string& path) { return needOpen() && done(area().copyStructure(path)); }

int TApollo::sx_IndexTag(const std::string& tag, const std::string& keyExpression, const std::string& forExpression)
{
    if (!needOpen() || !done(area().indexTag(tag, keyExpression, forExpression)))
        return 0;
    return area_->order() + 1;
}

int TApollo::sx_Index(const std::string& path, const std::string& keyExpression)
{
    if (!needOpen() || !done(area().createIndexFile(path, keyExpression)))
        return 0;
    return area_->order() + 1;
}

bool TApollo::sx_Reindex() { return needOpen() && done(area().reindex()); }
int TApollo::sx_IndexOpen(const std::string& path)
{
    if (!needOpen() || !done(area().openIndexFile(path)))
        return 0;
    return area_->order() + 1;
}

bool TApollo::sx_IndexClose() { return needOpen() && done(area().closeOrderFile()); }
bool TApollo::sx_CloseIndexes() { return needOpen() && done(area().closeIndexes()); }
bool TApollo::sx_DeleteStructuralIndex() { return needOpen() && done(area().removeStructuralIndex()); }

int TApollo::sx_TagArea(const std::string& tag) const { return area_ ? area_->findOrder(tag) + 1 : 0; }

std::string TApollo::sx_TagName(int order) const
{
    if (!area_ || order < 1 || order > area_->orderCount())
        return {};
    return area_->orderInfo(order - 1).name;
}

std::string TApollo::sx_IndexName() const { return area_ ? area_->structuralIndexPath() : std::string(); }
int TApollo::sx_IndexOrd() const { return area_ ? area_->order() + 1 : 0; }
bool TApollo::sx_SetOrder(int order) { return needOpen() && done(area().setOrder(order - 1)); }

bool TApollo::sx_GoTop() { return needOpen() && done(area().goTop()); }
bool TApollo::sx_GoBottom() { return needOpen() && done(area().goBottom()); }
bool TApollo::sx_Skip(long count) { return needOpen() && done(area().skip(count)); }
bool TApollo::sx_Go(std::uint32_t recno) { return needOpen() && done(area().go(recno)); }
std::uint32_t TApollo::sx_RecNo() const { return area_ ? area_->recNo() : 0; }
std::uint32_t TApollo::sx_RecCount() const { return area_ ? area_->recCount() : 0; }
bool TApollo::sx_Bof() const { return !area_ || area_->bof(); }
bool TApollo::sx_Eof() const { return !area_ || area_->eof(); }

bool TApollo::sx_Seek(const std::string& key)
{
    bool found = false;
    return needOpen() && done(area().seek(key, &found)) && found;
}

bool TApollo::sx_SetScope(const std::string& low, const std::string& high)
{
    return needOpen() && done(area().setScope(low, high));
}

bool TApollo::sx_ClearScope() { return needOpen() && done(area().setScope(std::nullopt, std::nullopt)); }

bool TApollo::sx_Query(const std::string& expression) { return needOpen() && done(area().setQuery(expression)); }

std::uint32_t TApollo::sx_QueryRecCount()
{
    std::uint32_t count = 0;
    return needOpen() && done(area().queryRecCount(&count)) ? count : 0;
}

std::string TApollo::sx_DBFilter() const { return area_ ? area_->query() : std::string(); }

bool TApollo::sx_EvalLogical(const std::string& expression)
{
    Value v;
    if (!needOpen() || !done(area().evaluate(expression, &v)))
        return false;
    return v.type == ValueType::Logical && v.logical;
}

std::string TApollo::sx_EvalString(const std::string& expression)
{
    Value v;
    if (!needOpen() || !done(area().evaluate(expression, &v)))
        return {};
    return v.type == ValueType::Character ? v.str : area_->displayText(v);
}

bool TApollo::sx_EvalTest(const std::string& expression)
{
    std::unique_ptr<Expression> compiled;
    return needOpen() && done(Expression::compile(expression, area_->schema(), &compiled));
}

bool TApollo::sx_Rlock() { return needOpen() && done(area().lockRecord()); }
bool TApollo::sx_Unlock() { return needOpen() && done(area().unlockRecord()); }
bool TApollo::sx_Delete() { return needOpen() && done(area().deleteRecord()); }
bool TApollo::sx_Recall() { return needOpen() && done(area().recall()); }
bool TApollo::sx_Deleted() const { return area_ && area_->deleted(); }
bool TApollo::sx_Pack() { return needOpen() && done(area().pack()); }
bool TApollo::sx_Zap() { return needOpen() && done(area().zap()); }

Status TApollo::sx_CheckIndex()
{
    if (!needOpen())
        return kNotOpen;
    done(area().checkIndexes());
    return lastError_;
}

void TApollo::sx_SetGaugeHook(ProgressHook hook)
{
    gauge_ = std::move(hook);
    if (area_)
        area_->setProgressHook(gauge_);
}

} // namespace xbase
