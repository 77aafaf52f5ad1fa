#pragma once

#include "store/ini_document.h"

#include <QList>
#include <QString>

namespace quorvel {

// A settings file on disk. Every read opens the file anew, so what another
// window (or another running copy) wrote is seen at once; nothing is cached.
// Every write rewrites the whole file through a temporary file that replaces
// the old one in one rename, so a crash or a full disk never leaves half a
// settings file behind.
//
// A missing or unreadable file reads as empty: every key has its default.
class TIniFile {
public:
    explicit TIniFile(QString path);

    const QString& path() const { return path_; }

    QString readString(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    // A value that is no number reads as the default.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // True when the integer value is not 0.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;
    bool hasKey(const QString& section, const QString& key) const;

    // All entries in one rewrite: either all are written or none. On failure
    // lastError() says why and the file is as it was.
    bool write(const QList<TIniEntry>& entries);
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInteger(const QString& section, const QString& key, int value);
    bool writeBool(const QString& section, const QString& key, bool value);

    const QString& lastError() const { return lastError_; }

    // The document as it is on disk now.
    TIniDocument read() const;

private:
    bool fail(const QString& message);
    bool loadForWriting(TIniDocument* document);
    bool replaceFile(const QByteArray& bytes);

    QString path_;
    QString lastError_;
};

} // namespace quorvel
