#include "labels/presort_zip.h"

#include "store/cp1252.h"
#include "xbase/expr/case_table.h"

#include <algorithm>

namespace labels {

namespace {

constexpr char kLowest[] = "00000";
constexpr char kHighest[] = "99999-999";

// Compares a text with an ASCII bound by character codes: negative, zero or
// positive as with strcmp, a text that is a prefix of the other being less.
template <typename Char>
int compareWithBound(const Char* text, std::size_t length, const char* bound)
{
    std::size_t i = 0;
    for (; i < length && bound[i] != '\0'; ++i) {
        const auto a = static_cast<unsigned>(text[i]);
        const auto b = static_cast<unsigned>(static_cast<unsigned char>(bound[i]));
        if (a != b)
            return a < b ? -1 : 1;
    }
    if (i < length)
        return 1;
    return bound[i] == '\0' ? 0 : -1;
}

template <typename Char>
bool countsForPresort(const Char* text, std::size_t length)
{
    length = std::min<std::size_t>(length, kPresortZipLength);
    if (length == 0 || text[0] < Char('0') || text[0] > Char('9'))
        return false;
    return compareWithBound(text, length, kLowest) >= 0 && compareWithBound(text, length, kHighest) <= 0;
}

} // namespace

bool CountsForPresort(QStringView zip) { return countsForPresort(zip.utf16(), static_cast<std::size_t>(zip.size())); }

bool CountsForPresort(const unsigned char* bytes, std::size_t length) { return countsForPresort(bytes, length); }

QString PresortZip(QStringView zipField)
{
    QStringView five = zipField.left(kPresortZipLength);
    while (!five.isEmpty() && five.back() == QLatin1Char(' '))
        five.chop(1);
    return five.toString();
}

QString PresortSeekKey(QStringView presortZip, int keyWidth)
{
    QByteArray bytes = quorvel::toCp1252(presortZip).bytes;
    xbase::expr::upperInPlace(bytes.data(), static_cast<std::size_t>(bytes.size()));
    const qsizetype padded = std::min<qsizetype>(kPresortZipLength, keyWidth);
    if (bytes.size() < padded)
        bytes.append(padded - bytes.size(), ' ');
    return quorvel::fromCp1252(bytes);
}

} // namespace labels
