#include "design/file/byte_writer.h"

#include "design/file/design_error.h"
#include "design/model/windows1252.h"

namespace design {

void TGByteWriter::WriteInt16(std::int16_t value)
{
    const auto bits = static_cast<std::uint16_t>(value);
    WriteByte(static_cast<std::uint8_t>(bits));
    WriteByte(static_cast<std::uint8_t>(bits >> 8));
}

void TGByteWriter::WriteInt32(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        WriteByte(static_cast<std::uint8_t>(bits >> shift));
}

void TGByteWriter::WriteShortString(const QByteArray& text)
{
    if (text.size() > 255)
        throw EDesignFileError(messages::nameTooLong(fromWindows1252(text)));
    WriteByte(static_cast<std::uint8_t>(text.size()));
    WriteBytes(text);
}

} // namespace design
