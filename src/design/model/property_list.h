#pragma once

#include "design/model/design_color.h"
#include "design/model/design_enums.h"
#include "design/model/design_font.h"
#include "picture/picture.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace design {

enum class TGPropertyKind {
    Integer,    // 32-bit signed
    Cursor,     // 16-bit signed cursor id
    Color,      // integer or colour name
    Boolean,
    Enumeration,
    String,
    FontStyles, // set of TFontStyle
    Picture,    // the Picture.Data pseudo-property
    Strings,    // the Items.Strings pseudo-property
};

// One persisted property of an object: its stored name (a dotted path for a
// property of a nested object), how its value is stored, its persistence
// default and how to reach it. The accessors go through the object's
// setters, so reading a design applies the same rules as the user's commands.
struct TGProperty {
    QByteArray name;
    TGPropertyKind kind = TGPropertyKind::Integer;
    const TGEnumType* enumType = nullptr;
    // Ordinal kinds: a value equal to it is not written; none: always written.
    std::optional<std::int32_t> storedDefault;
    // Optional extra condition for writing at all (a font never set).
    std::function<bool()> isStored;

    std::function<std::int32_t()> getOrdinal;
    std::function<void(std::int32_t)> setOrdinal;
    std::function<QString()> getText;
    std::function<void(const QString&)> setText;
    std::function<QStringList()> getLines;
    std::function<void(const QStringList&)> setLines;
    std::function<picture::TGPicture()> getPicture;
    std::function<void(const picture::TGPicture&)> setPicture;
};

// The persisted properties of one object in the order they are written.
// Each class appends its own after those of its parent class.
class TGPropertyList {
public:
    using Default = std::optional<std::int32_t>;

    void Integer(const QByteArray& name, std::function<std::int32_t()> get, std::function<void(std::int32_t)> set,
                 Default storedDefault);
    void Cursor(const QByteArray& name, std::function<std::int32_t()> get, std::function<void(std::int32_t)> set);
    void Color(const QByteArray& name, std::function<TColor()> get, std::function<void(TColor)> set,
               Default storedDefault);
    void Boolean(const QByteArray& name, std::function<bool()> get, std::function<void(bool)> set,
                 std::optional<bool> storedDefault);
    void String(const QByteArray& name, std::function<QString()> get, std::function<void(const QString&)> set);
    void Picture(const QByteArray& name, std::function<picture::TGPicture()> get, std::function<void(const picture::TGPicture&)> set);
    void Strings(const QByteArray& name, std::function<QStringList()> get, std::function<void(const QStringList&)> set);

    template <typename Enum>
    void Enumeration(const QByteArray& name, const TGEnumType& type, std::function<Enum()> get,
                     std::function<void(Enum)> set, std::optional<Enum> storedDefault)
    {
        TGProperty& p = Add(name, TGPropertyKind::Enumeration);
        p.enumType = &type;
        if (storedDefault)
            p.storedDefault = static_cast<std::int32_t>(*storedDefault);
        p.getOrdinal = [get] { return static_cast<std::int32_t>(get()); };
        p.setOrdinal = [set](std::int32_t ordinal) { set(static_cast<Enum>(ordinal)); };
    }

    // The nested objects: their sub-properties under "<prefix>.<name>". A
    // change goes through `set`, which receives the whole changed object.
    void Font(const QByteArray& prefix, std::function<TGFont()> get, std::function<void(const TGFont&)> set,
              std::function<bool()> isStored);
    void Pen(const QByteArray& prefix, std::function<TGPen()> get, std::function<void(const TGPen&)> set);
    void Brush(const QByteArray& prefix, std::function<TGBrush()> get, std::function<void(const TGBrush&)> set);

    const std::vector<TGProperty>& Items() const { return items_; }
    // Looks a stored name up without regard to letter case.
    const TGProperty* Find(const QByteArray& name) const;

private:
    TGProperty& Add(const QByteArray& name, TGPropertyKind kind);

    std::vector<TGProperty> items_;
};

} // namespace design
