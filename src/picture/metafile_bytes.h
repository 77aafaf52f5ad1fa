#pragma once

#include <QByteArrayView>
#include <QPointF>
#include <QString>

#include <cstdint>

namespace picture::metafile {

// Little-endian reads from one metafile record. A read past the end yields
// zero instead of touching memory outside the record, so a record shorter
// than its kind requires draws nothing sensible but never reads beyond the
// file; counts that size loops are checked with Fits() before use.
class TRecordBytes {
public:
    explicit TRecordBytes(QByteArrayView data) : data_(data) {}

    qsizetype Size() const { return data_.size(); }
    bool Fits(qint64 at, qint64 count) const { return at >= 0 && count >= 0 && at + count <= data_.size(); }

    std::uint8_t U8(qint64 at) const { return Fits(at, 1) ? static_cast<std::uint8_t>(data_[at]) : 0; }
    std::uint16_t U16(qint64 at) const { return static_cast<std::uint16_t>(U8(at) | (U8(at + 1) << 8)); }
    std::int16_t S16(qint64 at) const { return static_cast<std::int16_t>(U16(at)); }
    std::uint32_t U32(qint64 at) const { return U16(at) | (static_cast<std::uint32_t>(U16(at + 2)) << 16); }
    std::int32_t S32(qint64 at) const { return static_cast<std::int32_t>(U32(at)); }
    float F32(qint64 at) const;

    QPointF Point16(qint64 at) const { return QPointF(S16(at), S16(at + 2)); }
    QPointF Point32(qint64 at) const { return QPointF(S32(at), S32(at + 4)); }
    // Bytes [at, at + count) or an empty view when they are not all there.
    QByteArrayView Slice(qint64 at, qint64 count) const;
    // Up to maxChars UTF-16 code units, stopping at the first zero.
    QString Utf16(qint64 at, qint64 maxChars) const;

private:
    QByteArrayView data_;
};

} // namespace picture::metafile
