// TApollo: field descriptions and the current record's values.
#include "xbase/apollo.h"

#include "xbase/dbf/field_codec.h"

namespace xbase {

const FieldInfo* TApollo::field(const std::string& name) const
{
    if (!area_)
        return nullptr;
    const int index = findField(area_->schema(), name);
    if (index < 0) {
        lastError_ = Status::invalidArgument("no field " + name);
        return nullptr;
    }
    return &area_->schema()[static_cast<std::size_t>(index)];
}

int TApollo::sx_FieldCount() const { return area_ ? static_cast<int>(area_->schema().size()) : 0; }

std::string TApollo::sx_FieldName(int field) const
{
    if (!area_ || field < 1 || field > sx_FieldCount())
        return {};
    return area_->schema()[static_cast<std::size_t>(field - 1)].name;
}

char TApollo::sx_FieldType(const std::string& name) const
{
    const FieldInfo* f = field(name);
    return f ? f->type : '\0';
}

int TApollo::sx_FieldWidth(const std::string& name) const
{
    const FieldInfo* f = field(name);
    return f ? f->width : 0;
}

int TApollo::sx_FieldDecimals(const std::string& name) const
{
    const FieldInfo* f = field(name);
    return f ? f->decimals : 0;
}

int TApollo::sx_FieldOffset(const std::string& name) const
{
    const FieldInfo* f = field(name);
    return f ? f->offset : 0;
}

std::string TApollo::sx_GetRecord() const
{
    if (!area_)
        return {};
    const auto* bytes = reinterpret_cast<const char*>(area_->record().recordBuffer());
    return std::string(bytes, static_cast<std::size_t>(area_->table().recordLength()));
}

bool TApollo::sx_PutRecord(const std::string& bytes) { return needOpen() && done(area().putRecord(bytes)); }

std::string TApollo::sx_GetString(const std::string& name) const
{
    const FieldInfo* f = field(name);
    if (!f)
        return {};
    if (f->type == 'M')
        return sx_GetMemo(name);
    return fieldText(area_->record().recordBuffer(), *f);
}

std::string TApollo::sx_GetMemo(const std::string& name) const
{
    const FieldInfo* f = field(name);
    if (!f)
        return {};
    return area_->record().memoText(findField(area_->schema(), name));
}

bool TApollo::sx_Empty(const std::string& name) const
{
    const std::string text = sx_GetString(name);
    const FieldInfo* f = field(name);
    if (f && f->type == 'L')
        return text != "T";
    return text.find_first_not_of(' ') == std::string::npos;
}

bool TApollo::sx_Replace(const std::string& name, const std::string& value)
{
    if (!needOpen())
        return false;
    const int index = findField(area_->schema(), name);
    if (index < 0)
        return done(Status::invalidArgument("no field " + name));
    return done(area().replace(index, value));
}

bool TApollo::sx_AppendBlank() { return needOpen() && done(area().appendBlank()); }
bool TApollo::sx_Commit() { return needOpen() && done(area().commit()); }
bool TApollo::discardChanges() { return needOpen() && done(area().discardChanges()); }

} // namespace xbase
