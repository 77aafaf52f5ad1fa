#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace quorvel {

// One setting to write: section, key and the value as text.
struct TIniEntry {
    QString section;
    QString key;
    QString value;
};

// The text of a settings file in the usual INI form, kept line by line so
// that writing one key leaves every other line (comments, unknown sections,
// blank lines, line endings) exactly as it was. Lines that are neither a
// section, a key=value pair nor a comment are kept and otherwise ignored, so
// a damaged file reads as if those lines were absent.
//
// Section and key names are matched without regard to case and surrounding
// blanks; the first occurrence wins, as with the Windows profile functions
// that wrote such files first.
class TIniDocument {
public:
    TIniDocument() = default;
    // Bytes are Windows-1252 and decode without loss.
    static TIniDocument fromBytes(const QByteArray& bytes);
    QByteArray toBytes() const;

    std::optional<QString> value(QStringView section, QStringView key) const;
    QStringList keys(QStringView section) const;
    QStringList sections() const;

    // Replaces the key's value in place, or adds the key at the end of its
    // section, or adds the section at the end of the text. An entry the file
    // cannot hold (see refusal) changes nothing and returns false.
    bool setValue(const TIniEntry& entry, QString* error = nullptr);

    // Why the entry cannot be written, or nothing when it can: names must be
    // non-empty and not break the line structure, and every text must be
    // Windows-1252.
    static std::optional<QString> refusal(const TIniEntry& entry);

private:
    qsizetype findSection(QStringView section) const;
    qsizetype sectionEnd(qsizetype header) const;
    qsizetype findKey(qsizetype header, QStringView key) const;
    qsizetype lastContentLine(qsizetype header) const;
    void insertLine(qsizetype position, const QString& text);
    QString newline() const;

    // Each line with its own terminator ("\r\n", "\n" or none for the last).
    QStringList lines_;
};

// Reads an integer setting: decimal with an optional sign, or hexadecimal
// after "0x". Anything else (including overflow) is no number.
std::optional<int> parseIniInteger(QStringView text);

} // namespace quorvel
