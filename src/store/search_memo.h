#pragma once

#include <QString>

#include <functional>

namespace xbase {
class TApollo;
}

namespace quorvel {

enum class TMemoSearchStart { msFirstRecord, msNextRecord };

// Called after each record that did not match; false stops the search (the
// "Searching" window's Cancel). Also the place to process pending messages.
using TMemoSearchProgress = std::function<bool()>;

// Walks the records of the query in the current order, from the first
// record or from the one after the current record, for the first whose MEMO
// holds `text` (letter case ignored; only the first 32767 characters of a
// memo are looked at; an empty text or memo never matches). The record found
// becomes current and true is returned. Otherwise the record that was
// current before stays current and false is returned.
bool FindTextInMemo(xbase::TApollo& table, const QString& text, TMemoSearchStart start,
                    const TMemoSearchProgress& keepGoing = {});

} // namespace quorvel
