#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

namespace design {

// Reads little-endian values from a byte buffer of known size. Every read is
// checked against the bytes that remain, so a damaged or hostile length can
// neither read past the end nor make us allocate more than the buffer holds;
// an overrun raises EDesignFileError("Invalid stream format").
class TGByteReader {
public:
    explicit TGByteReader(QByteArrayView data) : data_(data) {}

    bool AtEnd() const { return position_ >= data_.size(); }
    qint64 Position() const { return position_; }
    qint64 Remaining() const { return data_.size() - position_; }

    std::uint8_t PeekByte() const;
    std::uint8_t ReadByte();
    std::int8_t ReadInt8();
    std::int16_t ReadInt16();
    std::int32_t ReadInt32();
    // A 4-byte length that must be non-negative and fit in what remains.
    qint64 ReadLength();
    QByteArray ReadBytes(qint64 count);
    // One length byte and that many bytes of text.
    QByteArray ReadShortString();

    // Fails at the current position with the given text.
    [[noreturn]] void Fail(const QString& message) const;

private:
    void Require(qint64 count) const;

    QByteArrayView data_;
    qint64 position_ = 0;
};

} // namespace design
