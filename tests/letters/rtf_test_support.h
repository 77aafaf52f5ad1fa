#pragma once

#include <QByteArray>
#include <QString>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>

#include <memory>

// Small helpers of the RTF tests: looking up the format of a piece of text
// in a document read from RTF.
namespace rtf_test {

// The character format of the fragment holding the text; an invalid format
// when no fragment holds it whole.
QTextCharFormat FormatOf(const QTextDocument& document, const QString& text);

// The block holding the text; an invalid block when none does.
QTextBlock BlockOf(const QTextDocument& document, const QString& text);

// A document read from RTF text; the read must not be refused.
std::unique_ptr<QTextDocument> Read(const QByteArray& rtf);

// A 2 x 1 pixel picture in the given format ("PNG" or "JPEG").
QByteArray SmallPicture(const char* format);

} // namespace rtf_test
