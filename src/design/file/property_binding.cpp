#include "design/file/property_binding.h"

#include "design/file/design_error.h"
#include "design/file/picture_data.h"
#include "design/model/windows1252.h"

#include <limits>

namespace design {

namespace {

QByteArray EncodeText(const QString& text)
{
    auto bytes = toWindows1252(text);
    if (!bytes)
        throw EDesignFileError(messages::textNotStorable(text));
    return *bytes;
}

TGStreamValue OrdinalValue(const TGProperty& property, std::int32_t ordinal)
{
    switch (property.kind) {
    case TGPropertyKind::Color:
        if (const auto name = ColorName(ordinal))
            return TGStreamValue::Ident(*name);
        return TGStreamValue::Integer(ordinal);
    case TGPropertyKind::Boolean: return TGStreamValue::Boolean(ordinal != 0);
    case TGPropertyKind::Enumeration: return TGStreamValue::Ident(property.enumType->Name(ordinal));
    case TGPropertyKind::FontStyles: {
        std::vector<QByteArray> members;
        for (int i = 0; i < static_cast<int>(property.enumType->names.size()); ++i) {
            if ((static_cast<unsigned>(ordinal) >> i) & 1u)
                members.push_back(property.enumType->Name(i));
        }
        return TGStreamValue::Set(std::move(members));
    }
    default: return TGStreamValue::Integer(ordinal);
    }
}

TGStreamValue LinesValue(const QStringList& lines)
{
    std::vector<TGStreamValue> items;
    for (const QString& line : lines)
        items.push_back(TGStreamValue::String(EncodeText(line)));
    return TGStreamValue::List(std::move(items));
}

std::optional<TGStreamValue> PictureValue(const picture::TGPicture& picture)
{
    if (!picture.HasGraphic())
        return std::nullopt;
    return TGStreamValue::Binary(EncodePictureData(picture));
}

// Texts, lists and pictures default to empty; the others say their default.
bool AtPersistenceDefault(const TGProperty& property)
{
    switch (property.kind) {
    case TGPropertyKind::String: return property.getText().isEmpty();
    case TGPropertyKind::Strings: return property.getLines().isEmpty();
    case TGPropertyKind::Picture: return !property.getPicture().HasGraphic();
    default: return property.storedDefault && property.getOrdinal() == *property.storedDefault;
    }
}

[[noreturn]] void Invalid(qint64 offset) { throw EDesignFileError(messages::invalidPropertyValue(), offset); }

std::int32_t IdentOrdinal(const TGEnumType& type, const TGStreamValue& value, qint64 offset)
{
    if (value.kind != TGStreamValue::Kind::Ident)
        Invalid(offset);
    const auto ordinal = type.Ordinal(value.bytes);
    if (!ordinal)
        Invalid(offset);
    return *ordinal;
}

std::int32_t ReadOrdinal(const TGProperty& property, const TGStreamValue& value, qint64 offset)
{
    using Kind = TGStreamValue::Kind;
    switch (property.kind) {
    case TGPropertyKind::Integer:
        if (value.kind != Kind::Integer)
            Invalid(offset);
        return value.integer;
    case TGPropertyKind::Cursor:
        if (value.kind != Kind::Integer || value.integer < std::numeric_limits<std::int16_t>::min() ||
            value.integer > std::numeric_limits<std::int16_t>::max())
            Invalid(offset);
        return value.integer;
    case TGPropertyKind::Color:
        if (value.kind == Kind::Integer)
            return value.integer;
        if (value.kind == Kind::Ident) {
            if (const auto color = ColorFromName(value.bytes))
                return *color;
        }
        Invalid(offset);
    case TGPropertyKind::Boolean:
        if (value.kind == Kind::Boolean)
            return value.boolean ? 1 : 0;
        return IdentOrdinal(*property.enumType, value, offset);
    case TGPropertyKind::Enumeration: return IdentOrdinal(*property.enumType, value, offset);
    case TGPropertyKind::FontStyles: {
        if (value.kind != Kind::Set)
            Invalid(offset);
        unsigned bits = 0;
        for (const QByteArray& member : value.members) {
            const auto ordinal = property.enumType->Ordinal(member);
            if (!ordinal)
                Invalid(offset);
            bits |= 1u << *ordinal;
        }
        return static_cast<std::int32_t>(bits);
    }
    default: Invalid(offset);
    }
}

QStringList ReadLines(const TGStreamValue& value, qint64 offset)
{
    if (value.kind != TGStreamValue::Kind::List)
        Invalid(offset);
    QStringList lines;
    for (const TGStreamValue& item : value.items) {
        if (item.kind != TGStreamValue::Kind::String)
            Invalid(offset);
        lines << fromWindows1252(item.bytes);
    }
    return lines;
}

} // namespace

std::optional<TGStreamValue> StoredValue(const TGProperty& property)
{
    if (AtPersistenceDefault(property))
        return std::nullopt;
    return ExplicitValue(property);
}

std::optional<TGStreamValue> ExplicitValue(const TGProperty& property)
{
    if (property.isStored && !property.isStored())
        return std::nullopt;
    switch (property.kind) {
    case TGPropertyKind::String: return TGStreamValue::String(EncodeText(property.getText()));
    case TGPropertyKind::Strings: return LinesValue(property.getLines());
    case TGPropertyKind::Picture: return PictureValue(property.getPicture());
    default: return OrdinalValue(property, property.getOrdinal());
    }
}

bool SameValue(const TGProperty& a, const TGProperty& b)
{
    switch (a.kind) {
    case TGPropertyKind::String: return a.getText() == b.getText();
    case TGPropertyKind::Strings: return a.getLines() == b.getLines();
    case TGPropertyKind::Picture: return a.getPicture() == b.getPicture();
    default: return a.getOrdinal() == b.getOrdinal();
    }
}

void ApplyStoredValue(const TGProperty& property, const TGStreamValue& value, qint64 offset)
{
    switch (property.kind) {
    case TGPropertyKind::String:
        if (value.kind != TGStreamValue::Kind::String)
            Invalid(offset);
        property.setText(fromWindows1252(value.bytes));
        return;
    case TGPropertyKind::Strings: property.setLines(ReadLines(value, offset)); return;
    case TGPropertyKind::Picture:
        if (value.kind != TGStreamValue::Kind::Binary)
            Invalid(offset);
        property.setPicture(DecodePictureData(value.bytes, offset));
        return;
    default: property.setOrdinal(ReadOrdinal(property, value, offset)); return;
    }
}

} // namespace design
