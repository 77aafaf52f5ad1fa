#pragma once

#include "letters/letter_page.h"

#include <QByteArrayView>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

// Reads RTF text into a QTextDocument: characters with their fonts, sizes,
// styles and colours, paragraphs with their alignment, indents, spacing,
// line height, tab stops and page breaks, PNG and JPEG pictures, and the
// page settings. Parts of RTF that a letter cannot show are passed over
// without losing the text around them.
namespace letters {

struct TRtfReadResult {
    // false only when the text is refused as a whole ("not an RTF file").
    bool ok = false;
    // Clear text for the user: why the text was refused, or, with ok set,
    // what was damaged (what could be read is in the document).
    QString error;
    // The page the text asks for; the default page when it asks for one
    // that leaves no room for text.
    TLetterPage page;
};

// Replaces the document's content by the RTF text.
TRtfReadResult ReadRtf(QByteArrayView rtf, QTextDocument& document);

// Inserts the RTF text at the cursor: its first paragraph joins the
// cursor's paragraph, its last one continues into the text after the cursor.
TRtfReadResult InsertRtf(QByteArrayView rtf, QTextCursor& cursor);

} // namespace letters
