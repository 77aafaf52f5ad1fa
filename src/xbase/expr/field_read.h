#pragma once

#include "xbase/core/record.h"

#include <string_view>

namespace xbase::expr {

// Reading one field out of a record buffer, as expressions see it.
std::string_view fieldBytes(const FieldInfo& field, const unsigned char* record); // raw, blanks kept
double fieldNumber(const FieldInfo& field, const unsigned char* record);          // N F I B Y
double fieldDate(const FieldInfo& field, const unsigned char* record);            // D T, Julian day or 0
bool fieldLogical(const FieldInfo& field, const unsigned char* record);           // L: T t Y y are true

} // namespace xbase::expr
