#pragma once

#include <QByteArrayView>
#include <QString>

// The 8-bit code pages of RTF text: the file's \ansicpg and each font's
// \fcharset or \cpg. Windows-1252 is always at hand; the others come from
// Qt's converters where this Qt has them, and Windows-1252 stands in for a
// page Qt does not know (text stays readable, nothing is dropped).
namespace letters::rtf {

inline constexpr int kDefaultCodePage = 1252;

// The code page of a \fcharset number; 0 for "the file's own" (ANSI).
int CodePageOfCharset(int charset);

// Decodes bytes of the given code page.
QString DecodeCodePage(QByteArrayView bytes, int codePage);

// Control characters (C0 but the tab, DEL, C1) have no place in a letter:
// they show as boxes or nothing, and other readers drop them.
inline bool IsControlCharacter(QChar c)
{
    const char16_t unit = c.unicode();
    return (unit < 0x20 && unit != u'\t') || (unit >= 0x7F && unit < 0xA0);
}

// A font name is one line of plain text.
inline bool IsOutsideFontName(QChar c)
{
    return IsControlCharacter(c) || c == u'\t' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

} // namespace letters::rtf
