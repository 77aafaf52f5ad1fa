#pragma once

#include "xbase/core/record.h"
#include "xbase/core/status.h"

#include <cstdint>
#include <string>
#include <string_view>

// Reading and writing one field inside a record buffer. Text is the table's
// own bytes (Windows-1252); nothing here converts characters.
namespace xbase {

// The field's bytes as stored, blanks kept.
std::string fieldBytes(const unsigned char* rec, const FieldInfo& f);

// The field as text: C with trailing blanks removed; N and F without the
// padding blanks; L "T", "F" or "" (unset); D "YYYYMMDD" or ""; memo fields
// their block number or ""; I integer digits; Y currency with 4 decimals;
// T "YYYYMMDDhhmmss"; B (8 wide) doubles in shortest round-trip form; binary
// fields (Q, 0) as upper-case hex.
std::string fieldText(const unsigned char* rec, const FieldInfo& f);

// Stores text into a field: C padded with blanks, N and F rounded to the
// field's decimals and right-aligned, L from T/Y/F/N, D from "YYYYMMDD",
// I from integer digits; an empty value blanks the field. Refuses with
// InvalidArgument what the field cannot hold faithfully: C text longer than
// the field (trailing blanks aside), a number too wide, a date that does not
// exist. Memo fields go through DbfTable::writeMemo.
Status putFieldText(unsigned char* rec, const FieldInfo& f, std::string_view value);

namespace dbf {

// Fields whose values live in the memo file, the record holding a block
// number: M, G, P, W and dBase's B (Visual FoxPro's 8-wide B is a double).
bool isMemoField(const FieldInfo& f);
// Fields stored as binary numbers rather than text; blank means zero bytes.
bool isBinaryField(const FieldInfo& f);

// Memo references: ten right-aligned digits, or a 4-byte little-endian
// number in Visual FoxPro's 4-wide memo fields. Block 0 means "no memo".
// Returns false when the field holds something that is not a block number.
bool memoBlock(const unsigned char* rec, const FieldInfo& f, std::uint32_t* block);
void putMemoBlock(unsigned char* rec, const FieldInfo& f, std::uint32_t block);

} // namespace dbf
} // namespace xbase
