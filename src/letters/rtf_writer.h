#pragma once

#include "letters/letter_page.h"

#include <QByteArray>
#include <QTextDocument>

// Writes a QTextDocument as RTF text that other word processors read: 7-bit
// text, Windows-1252 escapes and Unicode escapes beyond it, tables of the
// fonts and colours used, the page settings, and every paragraph with all
// its properties. The same document always gives the same bytes.
namespace letters {

QByteArray WriteRtf(const QTextDocument& document, const TLetterPage& page);

} // namespace letters
