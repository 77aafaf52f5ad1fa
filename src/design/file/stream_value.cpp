#include "design/file/stream_value.h"

namespace design {

TGStreamValue TGStreamValue::Integer(std::int32_t value)
{
    TGStreamValue v;
    v.kind = Kind::Integer;
    v.integer = value;
    return v;
}

TGStreamValue TGStreamValue::Ident(QByteArray name)
{
    TGStreamValue v;
    v.kind = Kind::Ident;
    v.bytes = std::move(name);
    return v;
}

TGStreamValue TGStreamValue::Boolean(bool value)
{
    TGStreamValue v;
    v.kind = Kind::Boolean;
    v.boolean = value;
    return v;
}

TGStreamValue TGStreamValue::String(QByteArray text)
{
    TGStreamValue v;
    v.kind = Kind::String;
    v.bytes = std::move(text);
    return v;
}

TGStreamValue TGStreamValue::Binary(QByteArray data)
{
    TGStreamValue v;
    v.kind = Kind::Binary;
    v.bytes = std::move(data);
    return v;
}

TGStreamValue TGStreamValue::Set(std::vector<QByteArray> members)
{
    TGStreamValue v;
    v.kind = Kind::Set;
    v.members = std::move(members);
    return v;
}

TGStreamValue TGStreamValue::List(std::vector<TGStreamValue> items)
{
    TGStreamValue v;
    v.kind = Kind::List;
    v.items = std::move(items);
    return v;
}

} // namespace design
