#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

// One property value of a design file as it appears in the stream, before it
// is bound to a property of an object. Texts stay Windows-1252 bytes here.
namespace design {

// The tag byte in front of every value.
enum class TValueTag : std::uint8_t {
    TagEnd = 0x00,
    TagList = 0x01,
    TagInt8 = 0x02,
    TagInt16 = 0x03,
    TagInt32 = 0x04,
    TagExtended = 0x05,
    TagString = 0x06,
    TagIdent = 0x07,
    TagFalse = 0x08,
    TagTrue = 0x09,
    TagBinary = 0x0A,
    TagSet = 0x0B,
    TagLongString = 0x0C,
    TagNil = 0x0D,
    TagCollection = 0x0E,
};

struct TGStreamValue {
    enum class Kind { Integer, Ident, Boolean, String, Binary, Set, List };

    static TGStreamValue Integer(std::int32_t value);
    static TGStreamValue Ident(QByteArray name);
    static TGStreamValue Boolean(bool value);
    static TGStreamValue String(QByteArray text);
    static TGStreamValue Binary(QByteArray data);
    static TGStreamValue Set(std::vector<QByteArray> members);
    static TGStreamValue List(std::vector<TGStreamValue> items);

    Kind kind = Kind::Integer;
    std::int32_t integer = 0;
    bool boolean = false;
    QByteArray bytes;                 // Ident name, String text, Binary data
    std::vector<QByteArray> members;  // Set
    std::vector<TGStreamValue> items; // List

    friend bool operator==(const TGStreamValue&, const TGStreamValue&) = default;
};

} // namespace design
