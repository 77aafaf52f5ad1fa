#pragma once

#include <QString>

namespace quorvel {

// The values an open address dataset computes from the stored fields of the
// current record. Inputs are field values as read (trailing blanks removed).

// FNAME, a blank and MIDDLE with trailing blanks removed, a blank, LNAME.
QString addressFullName(const QString& fname, const QString& middle, const QString& lname);
// PREFIX, FNAME and MIDDLE joined by blanks and trimmed, a blank, LNAME.
QString addressFullNameWithPrefix(const QString& prefix, const QString& fname, const QString& middle,
                                  const QString& lname);
// CITY + " " and STATE + " ", each with leading blanks removed, then ZIP.
QString addressCityStateZip(const QString& city, const QString& state, const QString& zip);
// Whether the record's TAG is the tag id in force. An empty id tags
// nothing: otherwise every record never tagged would count as tagged.
bool addressIsTagged(const QString& tag, const QString& tagIdInForce);

} // namespace quorvel
