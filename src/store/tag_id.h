#pragma once

#include <QDateTime>
#include <QString>

namespace quorvel {

// Digits "0-9A-Z", no leading zeros; 0 gives the empty text.
QString toBase36(quint64 value);

// A tag id for the moment given: base 36 of (year - 1995), then base 36 of
// month, day, hour, minute and second read as the decimal MMDDHHNNSS. At most
// eight characters, so it fits the TAG field.
QString tagIdAt(const QDateTime& moment);

// A new tag id that differs from the one in force. Making a new id untags
// every record at once, so two ids made within the same second must not be
// equal; the moment is moved on a second at a time until they differ.
QString newTagId(const QDateTime& now, const QString& idInForce);

} // namespace quorvel
