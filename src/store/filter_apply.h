#pragma once

#include "store/filter_state.h"

#include <QString>

namespace xbase {
class TApollo;
}

namespace quorvel {

// The query of the address table when no filter is set: every record that
// is not deleted.
inline constexpr const char* kNoFilterQuery = "!ISDEL";

// "Sorry - filter is too complex.Please simplify it."
extern const char* const kFilterTooComplex;

// Whether a filter expression is too long to be the table's query: with the
// " .and. !ISDEL" that follows it, it must stay within the engine's 255
// characters. Such a filter is refused before it is compiled.
bool filterTooComplex(const QString& expression);

struct TFilterOutcome {
    quint32 count = 0; // records selected; 0 when no filter is set or it was dropped
    QString message;   // for an information box; empty when there is nothing to tell
};

// Builds the filter expression and makes it the table's query, followed by
// " .and. !ISDEL". A filter that is too long for the engine, that holds a
// character the table cannot store, or that selects no record is dropped:
// the state is cleared and the query becomes "!ISDEL". Only the last of
// these goes without a message.
TFilterOutcome ApplyFilter(xbase::TApollo& table, TFilterState& state, const QString& tagId);

// What the filter dialog shows after a test: "12 matches", or
// "No filter set" when the filter is not set (also after a drop).
QString filterTestSummary(const TFilterState& state, const TFilterOutcome& outcome);

} // namespace quorvel
