#include "design/file/byte_reader.h"

#include "design/file/design_error.h"

namespace design {

void TGByteReader::Fail(const QString& message) const { throw EDesignFileError(message, position_); }

void TGByteReader::Require(qint64 count) const
{
    if (count < 0 || count > Remaining())
        Fail(messages::invalidStreamFormat());
}

std::uint8_t TGByteReader::PeekByte() const
{
    Require(1);
    return static_cast<std::uint8_t>(data_[position_]);
}

std::uint8_t TGByteReader::ReadByte()
{
    const std::uint8_t value = PeekByte();
    ++position_;
    return value;
}

std::int8_t TGByteReader::ReadInt8() { return static_cast<std::int8_t>(ReadByte()); }

std::int16_t TGByteReader::ReadInt16()
{
    Require(2);
    const auto low = static_cast<std::uint16_t>(ReadByte());
    const auto high = static_cast<std::uint16_t>(ReadByte());
    return static_cast<std::int16_t>(low | (high << 8));
}

std::int32_t TGByteReader::ReadInt32()
{
    Require(4);
    std::uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8)
        value |= static_cast<std::uint32_t>(ReadByte()) << shift;
    return static_cast<std::int32_t>(value);
}

qint64 TGByteReader::ReadLength()
{
    const qint64 start = position_;
    const qint64 length = ReadInt32();
    if (length < 0 || length > Remaining())
        throw EDesignFileError(messages::invalidStreamFormat(), start);
    return length;
}

QByteArray TGByteReader::ReadBytes(qint64 count)
{
    Require(count);
    QByteArray bytes(data_.data() + position_, count);
    position_ += count;
    return bytes;
}

QByteArray TGByteReader::ReadShortString() { return ReadBytes(ReadByte()); }

} // namespace design
