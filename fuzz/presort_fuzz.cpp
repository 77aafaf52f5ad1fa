// Feeds any bytes to the presort list reader: reading must not crash; every
// entry it gives is a whole, non-empty line without blanks at its end, and
// the list written back reads to the same entries.

#include "labels/presort_list.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool IsEntry(const QString& line)
{
    return !line.isEmpty() && !line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')) &&
           !line.endsWith(QLatin1Char(' ')) && !line.endsWith(QLatin1Char('\t'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = labels::ParsePresortList(bytes);
    for (const QString& line : lines) {
        if (!IsEntry(line))
            std::abort();
        (void)labels::IsPresortBreak(line);
    }
    const std::optional<QByteArray> written = labels::PresortListBytes(lines);
    if (!written || labels::ParsePresortList(*written) != lines)
        std::abort();
    return 0;
}
