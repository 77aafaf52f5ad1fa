#pragma once

#include <QString>
#include <QStringList>

namespace quorvel {

class TIniFile;

// The recently used address files: section "MRU", keys "Item1" to "Item4",
// most recent first.
class TMruList {
public:
    static constexpr int kMaxEntries = 4;

    explicit TMruList(TIniFile& ini) : ini_(ini) { }

    // The stored entries in order; empty values are skipped.
    QStringList entries() const;
    // The most recent entry, or empty.
    QString first() const;
    // Writes Item1 onward for the entries given (at most four); keys beyond
    // the list are left as they were.
    bool put(const QStringList& entries);
    // The path first, then the stored entries that differ from it (exact
    // comparison), four at most; written back. Returns the new list.
    QStringList update(const QString& path);

    const QString& lastError() const;

private:
    TIniFile& ini_;
};

} // namespace quorvel
