#include "picture/metafile_bytes.h"

#include <bit>
#include <cmath>

namespace picture::metafile {

float TRecordBytes::F32(qint64 at) const
{
    const float value = std::bit_cast<float>(U32(at));
    // Transforms built from damaged numbers would throw the picture away
    // silently; a plain zero is easier to notice and to reject.
    return std::isfinite(value) ? value : 0.0f;
}

QByteArrayView TRecordBytes::Slice(qint64 at, qint64 count) const
{
    return Fits(at, count) ? data_.sliced(at, count) : QByteArrayView();
}

QString TRecordBytes::Utf16(qint64 at, qint64 maxChars) const
{
    QString text;
    for (qint64 i = 0; i < maxChars && Fits(at + 2 * i, 2); ++i) {
        const char16_t unit = U16(at + 2 * i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

} // namespace picture::metafile
