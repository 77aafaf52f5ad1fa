#pragma once

#include <QByteArray>

#include <cstdint>

namespace design {

// Appends little-endian values to a growing byte buffer.
class TGByteWriter {
public:
    void WriteByte(std::uint8_t value) { bytes_.append(static_cast<char>(value)); }
    void WriteInt16(std::int16_t value);
    void WriteInt32(std::int32_t value);
    void WriteBytes(const QByteArray& bytes) { bytes_.append(bytes); }
    // One length byte and the text; text longer than 255 bytes raises
    // EDesignFileError, as it cannot be represented.
    void WriteShortString(const QByteArray& text);

    const QByteArray& Bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

} // namespace design
