#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <stdexcept>

namespace quorvel {

// Tables, settings and design files hold single-byte Windows-1252 text; the
// screen is Unicode. These are the only doors between the two.

// Every byte has a character, so any file decodes and encodes back to the
// same bytes (the five unassigned bytes become the C1 controls of the same
// number).
QString fromCp1252(QByteArrayView bytes);

// The outcome of encoding: either the bytes, or the first character that has
// no Windows-1252 byte, where it is and a message that names it.
struct TCp1252Encoding {
    QByteArray bytes;
    qsizetype badPosition = -1; // index into the text (UTF-16 units)
    char32_t badCharacter = 0;
    QString message;

    bool ok() const { return badPosition < 0; }
};

TCp1252Encoding toCp1252(QStringView text);
bool isCp1252Character(char32_t character);

// "The character "ā" (U+0101) cannot be stored: ..." for a refused character.
QString cp1252RefusalMessage(char32_t character);

// For window code, where errors are exceptions caught by the command.
class ENotCp1252 : public std::runtime_error {
public:
    explicit ENotCp1252(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
};

// Encodes or throws ENotCp1252.
QByteArray toCp1252OrThrow(QStringView text);

} // namespace quorvel
