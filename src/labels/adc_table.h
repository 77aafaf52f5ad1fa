#pragma once

#include <QStringView>

#include <span>

// The Area Distribution Centers a bulk mailing's leftover ZIP codes are
// grouped by, built in, in the order the presort searches them.
namespace labels {

struct TAdcEntry {
    // Printed after "** ADC " exactly as written, blanks included.
    const char* name;
    // The 3-digit ZIP prefixes of the centre, separated by single blanks.
    const char* prefixes;
};

// All 96 entries in table order. A few prefixes are listed out of numeric
// order and the Vermont office appears under two spellings that split its
// prefixes; both are kept as the post office's table has them.
std::span<const TAdcEntry> AdcTable();

// The index in AdcTable() of the first entry whose prefixes hold the first
// three characters of `zip`; -1 when none does (the ZIP goes under
// "** Unknown").
int FindAdcEntry(QStringView zip);

} // namespace labels
