#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// The presort list "PRESORT.PSL": the order in which a presorted label run
// prints, one entry a line. Its layout is written down in PRESORT_FORMAT.md.
namespace labels {

inline constexpr char kPresortFileName[] = "PRESORT.PSL";

// A header line names the package that follows ("** 5-digit 30301") and
// prints as a break label; every other line is a ZIP code.
bool IsPresortBreak(const QString& line);

// The entries of a presort list. Lines end in CR LF (LF or CR alone are
// taken too, for lists edited by hand); blanks and tabs ending a line are
// dropped, and so are lines left empty: neither can name a ZIP code.
QStringList ParsePresortList(QByteArrayView bytes);

// The bytes of a presort list, every line ended by CR LF; nothing when a
// line holds a character that Windows-1252 cannot store (`error` says which).
std::optional<QByteArray> PresortListBytes(const QStringList& lines, QString* error = nullptr);

// Writes a list to `path` as PresortListBytes has it (an empty file for no
// lines). The old list is replaced only by a complete new one: the bytes go
// to a temporary file renamed over it. False, with a message naming the
// file and the reason in `error`, when anything failed.
bool WritePresortFile(const QString& path, const QStringList& lines, QString* error = nullptr);

struct TPresortFile {
    QStringList lines;
    QString error; // empty when the list was read
    bool ok() const { return error.isEmpty(); }
};

// Reads the list at `path`; a missing, unreadable or outsized file gives a
// message naming it.
TPresortFile ReadPresortFile(const QString& path);

} // namespace labels
