#include "design/file/value_codec.h"

#include "design/file/byte_reader.h"
#include "design/file/byte_writer.h"
#include "design/file/design_error.h"
#include "design/model/windows1252.h"

#include <QStringList>

namespace design {

namespace {

TGStreamValue ReadTaggedValue(TGByteReader& reader, bool insideList);

std::vector<TGStreamValue> ReadListItems(TGByteReader& reader)
{
    std::vector<TGStreamValue> items;
    while (reader.PeekByte() != static_cast<std::uint8_t>(TValueTag::TagEnd))
        items.push_back(ReadTaggedValue(reader, true));
    reader.ReadByte();
    return items;
}

std::vector<QByteArray> ReadSetMembers(TGByteReader& reader)
{
    std::vector<QByteArray> members;
    for (QByteArray name = reader.ReadShortString(); !name.isEmpty(); name = reader.ReadShortString())
        members.push_back(name);
    return members;
}

TGStreamValue ReadTaggedValue(TGByteReader& reader, bool insideList)
{
    const qint64 start = reader.Position();
    switch (static_cast<TValueTag>(reader.ReadByte())) {
    case TValueTag::TagList:
        if (!insideList)
            return TGStreamValue::List(ReadListItems(reader));
        break;
    case TValueTag::TagInt8: return TGStreamValue::Integer(reader.ReadInt8());
    case TValueTag::TagInt16: return TGStreamValue::Integer(reader.ReadInt16());
    case TValueTag::TagInt32: return TGStreamValue::Integer(reader.ReadInt32());
    case TValueTag::TagString: return TGStreamValue::String(reader.ReadShortString());
    case TValueTag::TagLongString: return TGStreamValue::String(reader.ReadBytes(reader.ReadLength()));
    case TValueTag::TagIdent: return TGStreamValue::Ident(reader.ReadShortString());
    case TValueTag::TagFalse: return TGStreamValue::Boolean(false);
    case TValueTag::TagTrue: return TGStreamValue::Boolean(true);
    case TValueTag::TagBinary: return TGStreamValue::Binary(reader.ReadBytes(reader.ReadLength()));
    case TValueTag::TagSet: return TGStreamValue::Set(ReadSetMembers(reader));
    default: break;
    }
    throw EDesignFileError(messages::invalidPropertyValue(), start);
}

void WriteInteger(TGByteWriter& writer, std::int32_t value)
{
    if (value >= -128 && value <= 127) {
        writer.WriteByte(static_cast<std::uint8_t>(TValueTag::TagInt8));
        writer.WriteByte(static_cast<std::uint8_t>(value));
    } else if (value >= -32768 && value <= 32767) {
        writer.WriteByte(static_cast<std::uint8_t>(TValueTag::TagInt16));
        writer.WriteInt16(static_cast<std::int16_t>(value));
    } else {
        writer.WriteByte(static_cast<std::uint8_t>(TValueTag::TagInt32));
        writer.WriteInt32(value);
    }
}

void WriteTag(TGByteWriter& writer, TValueTag tag) { writer.WriteByte(static_cast<std::uint8_t>(tag)); }

void WriteString(TGByteWriter& writer, const QByteArray& text)
{
    if (text.size() < 256) {
        WriteTag(writer, TValueTag::TagString);
        writer.WriteShortString(text);
    } else {
        WriteTag(writer, TValueTag::TagLongString);
        writer.WriteInt32(static_cast<std::int32_t>(text.size()));
        writer.WriteBytes(text);
    }
}

void WriteBinary(TGByteWriter& writer, const QByteArray& data)
{
    WriteTag(writer, TValueTag::TagBinary);
    writer.WriteInt32(static_cast<std::int32_t>(data.size()));
    writer.WriteBytes(data);
}

void WriteSet(TGByteWriter& writer, const std::vector<QByteArray>& members)
{
    WriteTag(writer, TValueTag::TagSet);
    for (const QByteArray& member : members)
        writer.WriteShortString(member);
    writer.WriteByte(0);
}

void WriteList(TGByteWriter& writer, const std::vector<TGStreamValue>& items)
{
    WriteTag(writer, TValueTag::TagList);
    for (const TGStreamValue& item : items)
        WriteValue(writer, item);
    WriteTag(writer, TValueTag::TagEnd);
}

QString QuoteText(const QString& text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\r'))
            quoted += QStringLiteral("\\r");
        else if (c == QLatin1Char('\n'))
            quoted += QStringLiteral("\\n");
        else if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            quoted += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + QLatin1Char('"');
}

} // namespace

TGStreamValue ReadValue(TGByteReader& reader) { return ReadTaggedValue(reader, false); }

void WriteValue(TGByteWriter& writer, const TGStreamValue& value)
{
    switch (value.kind) {
    case TGStreamValue::Kind::Integer: WriteInteger(writer, value.integer); return;
    case TGStreamValue::Kind::Ident:
        WriteTag(writer, TValueTag::TagIdent);
        writer.WriteShortString(value.bytes);
        return;
    case TGStreamValue::Kind::Boolean: WriteTag(writer, value.boolean ? TValueTag::TagTrue : TValueTag::TagFalse); return;
    case TGStreamValue::Kind::String: WriteString(writer, value.bytes); return;
    case TGStreamValue::Kind::Binary: WriteBinary(writer, value.bytes); return;
    case TGStreamValue::Kind::Set: WriteSet(writer, value.members); return;
    case TGStreamValue::Kind::List: WriteList(writer, value.items); return;
    }
}

QString FormatValue(const TGStreamValue& value)
{
    switch (value.kind) {
    case TGStreamValue::Kind::Integer: return QString::number(value.integer);
    case TGStreamValue::Kind::Ident: return fromWindows1252(value.bytes);
    case TGStreamValue::Kind::Boolean: return value.boolean ? QStringLiteral("True") : QStringLiteral("False");
    case TGStreamValue::Kind::String: return QuoteText(fromWindows1252(value.bytes));
    case TGStreamValue::Kind::Binary: return QStringLiteral("(%1 bytes)").arg(value.bytes.size());
    case TGStreamValue::Kind::Set: {
        QStringList names;
        for (const QByteArray& member : value.members)
            names << fromWindows1252(member);
        return QLatin1Char('[') + names.join(QStringLiteral(", ")) + QLatin1Char(']');
    }
    case TGStreamValue::Kind::List: {
        QStringList items;
        for (const TGStreamValue& item : value.items)
            items << FormatValue(item);
        return QLatin1Char('(') + items.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    }
    return {};
}

} // namespace design
