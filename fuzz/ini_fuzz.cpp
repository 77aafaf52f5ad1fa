// Feeds any bytes to the settings reader: reading must not crash, every line
// must survive a write of another key untouched, and a value written must
// read back.

#include "store/ini_document.h"

#include <cstdint>
#include <cstdlib>

using quorvel::TIniDocument;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TIniDocument document = TIniDocument::fromBytes(bytes);
    if (document.toBytes() != bytes)
        std::abort();

    for (const QString& section : document.sections()) {
        for (const QString& key : document.keys(section))
            (void)document.value(section, key);
    }
    (void)quorvel::parseIniInteger(QString::fromLatin1(bytes.left(32)));

    const QString probe = QStringLiteral("FuzzProbe");
    document.setValue({QStringLiteral("Misc"), probe, QStringLiteral("1")});
    if (document.value(QStringLiteral("Misc"), probe) != QStringLiteral("1"))
        std::abort();
    return 0;
}
