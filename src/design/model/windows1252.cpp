#include "design/model/windows1252.h"

#include "store/cp1252.h"

// The design layer's names for the program's one Windows-1252 table.
namespace design {

QString fromWindows1252(QByteArrayView bytes) { return quorvel::fromCp1252(bytes); }

std::optional<QByteArray> toWindows1252(const QString& text)
{
    quorvel::TCp1252Encoding encoded = quorvel::toCp1252(text);
    if (!encoded.ok())
        return std::nullopt;
    return std::move(encoded.bytes);
}

} // namespace design
