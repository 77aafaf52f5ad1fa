#include "store/cp1252.h"

#include <array>
#include <optional>

namespace quorvel {

namespace {

// 0x80..0x9F, the only range where Windows-1252 differs from Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t characterOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

std::optional<char> byteOf(char32_t character)
{
    const bool latin1 = character < 0x80 || (character >= 0xA0 && character <= 0xFF);
    if (latin1)
        return static_cast<char>(character);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

// The code point at position i, pairing surrogates; a lone surrogate is
// returned as itself (and is then refused, as it is no character).
char32_t codePointAt(QStringView text, qsizetype i, qsizetype* units)
{
    const QChar first = text[i];
    *units = 1;
    if (first.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(first, text[i + 1]);
    }
    return first.unicode();
}

QString codePointName(char32_t character)
{
    return QStringLiteral("U+") + QString::number(static_cast<uint>(character), 16).toUpper().rightJustified(4, u'0');
}

} // namespace

QString fromCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(characterOf(static_cast<unsigned char>(bytes[i])));
    return text;
}

bool isCp1252Character(char32_t character) { return byteOf(character).has_value(); }

TCp1252Encoding toCp1252(QStringView text)
{
    TCp1252Encoding result;
    result.bytes.reserve(text.size());
    qsizetype units = 1;
    for (qsizetype i = 0; i < text.size(); i += units) {
        const char32_t character = codePointAt(text, i, &units);
        const std::optional<char> byte = byteOf(character);
        if (!byte) {
            result.bytes.clear();
            result.badPosition = i;
            result.badCharacter = character;
            result.message = cp1252RefusalMessage(character);
            return result;
        }
        result.bytes.append(*byte);
    }
    return result;
}

QString cp1252RefusalMessage(char32_t character)
{
    const bool printable = QChar::isPrint(character) && !QChar::isSurrogate(character);
    const QString shown = printable ? QStringLiteral("\"%1\" ").arg(QString::fromUcs4(&character, 1)) : QString();
    return QStringLiteral("The character %1(%2) cannot be stored: Quorvel keeps text in the Western European "
                          "character set (Windows-1252), which does not contain it.")
        .arg(shown, codePointName(character));
}

ENotCp1252::ENotCp1252(const QString& message) : std::runtime_error(message.toStdString()) { }

QByteArray toCp1252OrThrow(QStringView text)
{
    TCp1252Encoding encoded = toCp1252(text);
    if (!encoded.ok())
        throw ENotCp1252(encoded.message);
    return encoded.bytes;
}

} // namespace quorvel
