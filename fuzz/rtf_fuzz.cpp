// Reads the input as a letter's RTF text, replacing a document and inserted
// into one. Nothing may crash; a refused text changes nothing; what was
// read writes as RTF that reads back to the same text, byte for byte.

#include "fuzz_application.h"

#include "letters/rtf_reader.h"
#include "letters/rtf_writer.h"

#include <QByteArray>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckRead(const QByteArray& input)
{
    QTextDocument document;
    const letters::TRtfReadResult result = letters::ReadRtf(input, document);
    Require(result.ok || !result.error.isEmpty());
    Require(letters::IsUsablePage(result.page));
    if (!result.ok) {
        Require(document.isEmpty());
        return;
    }
    const QByteArray written = letters::WriteRtf(document, result.page);
    QTextDocument reread;
    const letters::TRtfReadResult again = letters::ReadRtf(written, reread);
    Require(again.ok && again.error.isEmpty());
    Require(again.page == result.page);
    Require(reread.toRawText() == document.toRawText());
    Require(letters::WriteRtf(reread, again.page) == written);
}

void CheckInsert(const QByteArray& input)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("before after"));
    QTextCursor cursor(&document);
    cursor.setPosition(7);
    const letters::TRtfReadResult result = letters::InsertRtf(input, cursor);
    const QString text = document.toRawText();
    Require(text.startsWith(QStringLiteral("before ")) && text.endsWith(QStringLiteral("after")));
    if (!result.ok)
        Require(text == QStringLiteral("before after"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnsureFuzzApplication("fuzz_rtf");
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckRead(input);
    CheckInsert(input);
    return 0;
}
