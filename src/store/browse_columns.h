#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace quorvel {

class THomeFolder;

// The browse window's column order, kept in "sysdata/FIELDS.LST": one field
// name per line in column order, Windows-1252, rewritten after every browse.

// "sysdata/FIELDS.LST" under the home folder, found whatever its letter case.
QString browseColumnsPath(const THomeFolder& home);

// The names in the file, blanks around them removed. A missing or unreadable
// file gives no names; the file is only a preference, so a damaged one is
// never worth a message (names that are no field are skipped when applied).
QStringList ReadBrowseColumnOrder(const QString& path);
QStringList parseBrowseColumnOrder(QByteArrayView bytes);

// `columns` (the dataset's field names in their current order) with each
// named field moved to its line's position, line by line, the way a column
// is moved in the grid; names that are no field (letter case ignored) are
// skipped, positions past the end mean the last column.
QStringList ApplyBrowseColumnOrder(QStringList columns, const QStringList& names);

// Writes the names through a temporary file that replaces the old one in
// one step. False with *error set when it cannot be written.
bool WriteBrowseColumnOrder(const QString& path, const QStringList& columns, QString* error);

} // namespace quorvel
