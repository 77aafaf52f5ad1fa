#include "store/ini_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quorvel {

TIniFile::TIniFile(QString path) : path_(std::move(path)) { }

TIniDocument TIniFile::read() const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return TIniDocument::fromBytes(file.readAll());
}

QString TIniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return read().value(section, key).value_or(defaultValue);
}

int TIniFile::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    const std::optional<QString> text = read().value(section, key);
    if (!text)
        return defaultValue;
    return parseIniInteger(*text).value_or(defaultValue);
}

bool TIniFile::readBool(const QString& section, const QString& key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TIniFile::hasKey(const QString& section, const QString& key) const
{
    return read().value(section, key).has_value();
}

bool TIniFile::write(const QList<TIniEntry>& entries)
{
    lastError_.clear();
    TIniDocument document;
    if (!loadForWriting(&document))
        return false;
    QString refusal;
    for (const TIniEntry& entry : entries) {
        if (!document.setValue(entry, &refusal))
            return fail(refusal);
    }
    return replaceFile(document.toBytes());
}

bool TIniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    return write({{section, key, value}});
}

bool TIniFile::writeInteger(const QString& section, const QString& key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool TIniFile::writeBool(const QString& section, const QString& key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TIniFile::fail(const QString& message)
{
    lastError_ = message;
    return false;
}

bool TIniFile::loadForWriting(TIniDocument* document)
{
    // A file that exists but cannot be read must not be replaced by one that
    // holds only the new keys: everything else in it would be lost.
    QFile file(path_);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Unable to read the settings file %1: %2").arg(path_, file.errorString()));
    *document = TIniDocument::fromBytes(file.readAll());
    return true;
}

bool TIniFile::replaceFile(const QByteArray& bytes)
{
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("Unable to save the settings file %1: %2").arg(path_, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        return fail(QStringLiteral("Unable to save the settings file %1: %2").arg(path_, file.errorString()));
    return true;
}

} // namespace quorvel
