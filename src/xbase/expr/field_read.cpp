#include "xbase/expr/field_read.h"

#include "xbase/core/bytes.h"
#include "xbase/expr/dates.h"
#include "xbase/expr/number_text.h"

#include <cstdint>
#include <cstring>

namespace xbase::expr {

namespace {

const unsigned char* at(const FieldInfo& field, const unsigned char* record) { return record + field.offset; }

double binaryNumber(const FieldInfo& field, const unsigned char* p)
{
    switch (field.type) {
    case 'I':
        return field.width >= 4 ? static_cast<double>(static_cast<std::int32_t>(bytes::getLe32(p))) : 0;
    case 'B': {
        if (field.width < 8)
            return 0;
        const std::uint64_t bits = bytes::getLe32(p) | (static_cast<std::uint64_t>(bytes::getLe32(p + 4)) << 32);
        double v = 0;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    case 'Y': {
        if (field.width < 8)
            return 0;
        const std::uint64_t bits = bytes::getLe32(p) | (static_cast<std::uint64_t>(bytes::getLe32(p + 4)) << 32);
        return static_cast<double>(static_cast<std::int64_t>(bits)) / 10000.0; // currency: four implied decimals
    }
    default:
        return 0;
    }
}

} // namespace

std::string_view fieldBytes(const FieldInfo& field, const unsigned char* record)
{
    return {reinterpret_cast<const char*>(at(field, record)), static_cast<std::size_t>(field.width)};
}

double fieldNumber(const FieldInfo& field, const unsigned char* record)
{
    if (field.type == 'N' || field.type == 'F')
        return parseNumber(fieldBytes(field, record));
    return binaryNumber(field, at(field, record));
}

double fieldDate(const FieldInfo& field, const unsigned char* record)
{
    if (field.type == 'T')
        return field.width >= 4 ? static_cast<double>(static_cast<std::int32_t>(bytes::getLe32(at(field, record)))) : 0;
    return parseDtos(fieldBytes(field, record));
}

bool fieldLogical(const FieldInfo& field, const unsigned char* record)
{
    if (field.width < 1)
        return false;
    const unsigned char c = *at(field, record);
    return c == 'T' || c == 't' || c == 'Y' || c == 'y';
}

} // namespace xbase::expr
