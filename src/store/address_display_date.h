#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace quorvel {

// The program's own date pattern, used when the system gives none.
QString programDatePattern(); // "mm/dd/yyyy"

// The display date format made from a short date pattern (letters m, d, y
// in either case): a pattern without a four-digit year is given one, so a
// date is never shown with two digits of its year. Lower case.
QString displayDateFormat(const QString& shortDatePattern);
// The system's short date pattern in the same letters (the user's locale).
QString systemShortDatePattern();

// A DATE value "YYYYMMDD" as a date; nothing when it is empty or not a date.
std::optional<QDate> parseStoredDate(const QString& stored);
QString storedDateText(const QDate& date); // "YYYYMMDD"
// A DATE value in a display format; empty when it is not a valid date.
QString displayDate(const QString& stored, const QString& format);

} // namespace quorvel
