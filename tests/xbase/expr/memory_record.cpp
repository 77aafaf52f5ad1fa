#include "memory_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace expr_test {

namespace {

xbase::FieldInfo makeField(const char* name, char type, int width, int decimals = 0)
{
    xbase::FieldInfo f;
    f.name = name;
    f.type = type;
    f.width = width;
    f.decimals = decimals;
    return f;
}

} // namespace

MemoryRecord::MemoryRecord(xbase::Schema fields) : schema_(std::move(fields))
{
    int offset = 1;
    for (auto& f : schema_) {
        f.offset = offset;
        offset += f.width;
    }
    buffer_.assign(static_cast<std::size_t>(offset), ' ');
}

const xbase::FieldInfo& MemoryRecord::field(const std::string& name) const
{
    const int i = xbase::findField(schema_, name);
    if (i < 0)
        throw std::invalid_argument("no field " + name);
    return schema_[static_cast<std::size_t>(i)];
}

MemoryRecord& MemoryRecord::set(const std::string& name, std::string_view value)
{
    const xbase::FieldInfo& f = field(name);
    if (f.type == 'M') {
        memos_[xbase::findField(schema_, name)] = std::string(value);
        return *this;
    }
    std::string text(value);
    if (f.type == 'N' || f.type == 'F') {
        if (text.size() < static_cast<std::size_t>(f.width))
            text.insert(0, static_cast<std::size_t>(f.width) - text.size(), ' ');
    }
    text.resize(static_cast<std::size_t>(f.width), ' ');
    std::copy(text.begin(), text.end(), buffer_.begin() + f.offset);
    return *this;
}

MemoryRecord& MemoryRecord::setNumber(const std::string& name, double value)
{
    const xbase::FieldInfo& f = field(name);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%*.*f", f.width, f.decimals, value);
    return set(name, buf);
}

MemoryRecord& MemoryRecord::setDeleted(bool deleted)
{
    buffer_[0] = deleted ? '*' : ' ';
    return *this;
}

MemoryRecord& MemoryRecord::setRecordNumber(std::uint32_t recno)
{
    recno_ = recno;
    return *this;
}

void MemoryRecord::clear()
{
    std::fill(buffer_.begin(), buffer_.end(), ' ');
    memos_.clear();
}

std::string MemoryRecord::memoText(int fieldIndex) const
{
    const auto it = memos_.find(fieldIndex);
    return it == memos_.end() ? std::string() : it->second;
}

xbase::Schema addressSchema()
{
    return {makeField("LNAME", 'C', 30),   makeField("FNAME", 'C', 30),   makeField("MIDDLE", 'C', 1),
            makeField("PREFIX", 'C', 12),  makeField("TITLE", 'C', 30),   makeField("ORG", 'C', 30),
            makeField("STREET", 'C', 40),  makeField("STREET2", 'C', 40), makeField("CITY", 'C', 30),
            makeField("STATE", 'C', 20),   makeField("ZIP", 'C', 10),     makeField("COUNTRY", 'C', 30),
            makeField("DATE", 'C', 15),    makeField("PHONE", 'C', 30),   makeField("PHONE2", 'C', 30),
            makeField("FAX", 'C', 40),     makeField("EMAIL", 'C', 40),   makeField("CODES", 'C', 30),
            makeField("USER1", 'C', 40),   makeField("USER2", 'C', 40),   makeField("ISDEL", 'L', 1),
            makeField("TAG", 'C', 8),      makeField("MEMO", 'M', 10)};
}

xbase::Schema mixedSchema()
{
    return {makeField("NAME", 'C', 10), makeField("AMOUNT", 'N', 10, 2), makeField("QTY", 'N', 5),
            makeField("BORN", 'D', 8),  makeField("ACTIVE", 'L', 1),     makeField("NOTES", 'M', 10),
            makeField("RATE", 'F', 8, 3), makeField("PIC", 'G', 10)};
}

std::unique_ptr<xbase::Expression> compiled(std::string_view text, const xbase::Schema& schema)
{
    std::unique_ptr<xbase::Expression> e;
    const xbase::Status s = xbase::Expression::compile(text, schema, &e);
    if (!s.isOk() || !e)
        throw std::runtime_error("cannot compile " + std::string(text) + ": " + s.toString());
    return e;
}

std::string compileError(std::string_view text, const xbase::Schema& schema)
{
    std::unique_ptr<xbase::Expression> e;
    const xbase::Status s = xbase::Expression::compile(text, schema, &e);
    if (s.isOk())
        return "compiled";
    EXPECT_EQ(s.code(), xbase::Status::Code::InvalidArgument) << text;
    EXPECT_EQ(e, nullptr) << text;
    return s.message();
}

} // namespace expr_test
