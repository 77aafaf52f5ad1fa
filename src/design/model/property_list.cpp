#include "design/model/property_list.h"

namespace design {

namespace {

QByteArray SubName(const QByteArray& prefix, const char* name) { return QByteArray(prefix) + '.' + name; }

// Accessors of one field of a nested object reached through the accessors of
// the whole object.
template <typename Object, typename Field>
auto FieldGetter(std::function<Object()> get, Field Object::*field)
{
    return [get, field] { return static_cast<std::int32_t>(get().*field); };
}

template <typename Object, typename Field>
auto FieldSetter(std::function<Object()> get, std::function<void(const Object&)> set, Field Object::*field)
{
    return [get, set, field](std::int32_t value) {
        Object changed = get();
        changed.*field = static_cast<Field>(value);
        set(changed);
    };
}

} // namespace

TGProperty& TGPropertyList::Add(const QByteArray& name, TGPropertyKind kind)
{
    TGProperty& p = items_.emplace_back();
    p.name = name;
    p.kind = kind;
    return p;
}

void TGPropertyList::Integer(const QByteArray& name, std::function<std::int32_t()> get,
                             std::function<void(std::int32_t)> set, Default storedDefault)
{
    TGProperty& p = Add(name, TGPropertyKind::Integer);
    p.storedDefault = storedDefault;
    p.getOrdinal = std::move(get);
    p.setOrdinal = std::move(set);
}

void TGPropertyList::Cursor(const QByteArray& name, std::function<std::int32_t()> get,
                            std::function<void(std::int32_t)> set)
{
    TGProperty& p = Add(name, TGPropertyKind::Cursor);
    p.storedDefault = 0;
    p.getOrdinal = std::move(get);
    p.setOrdinal = std::move(set);
}

void TGPropertyList::Color(const QByteArray& name, std::function<TColor()> get, std::function<void(TColor)> set,
                           Default storedDefault)
{
    TGProperty& p = Add(name, TGPropertyKind::Color);
    p.storedDefault = storedDefault;
    p.getOrdinal = std::move(get);
    p.setOrdinal = std::move(set);
}

void TGPropertyList::Boolean(const QByteArray& name, std::function<bool()> get, std::function<void(bool)> set,
                             std::optional<bool> storedDefault)
{
    TGProperty& p = Add(name, TGPropertyKind::Boolean);
    p.enumType = &BooleanType();
    if (storedDefault)
        p.storedDefault = *storedDefault ? 1 : 0;
    p.getOrdinal = [get] { return get() ? 1 : 0; };
    p.setOrdinal = [set](std::int32_t value) { set(value != 0); };
}

void TGPropertyList::String(const QByteArray& name, std::function<QString()> get, std::function<void(const QString&)> set)
{
    TGProperty& p = Add(name, TGPropertyKind::String);
    p.getText = std::move(get);
    p.setText = std::move(set);
}

void TGPropertyList::Picture(const QByteArray& name, std::function<picture::TGPicture()> get,
                             std::function<void(const picture::TGPicture&)> set)
{
    TGProperty& p = Add(name, TGPropertyKind::Picture);
    p.getPicture = std::move(get);
    p.setPicture = std::move(set);
}

void TGPropertyList::Strings(const QByteArray& name, std::function<QStringList()> get,
                             std::function<void(const QStringList&)> set)
{
    TGProperty& p = Add(name, TGPropertyKind::Strings);
    p.getLines = std::move(get);
    p.setLines = std::move(set);
}

void TGPropertyList::Font(const QByteArray& prefix, std::function<TGFont()> get, std::function<void(const TGFont&)> set,
                          std::function<bool()> isStored)
{
    const auto begin = items_.size();
    Color(SubName(prefix, "Color"), FieldGetter(get, &TGFont::Color), FieldSetter(get, set, &TGFont::Color),
          std::nullopt);
    Integer(SubName(prefix, "Height"), FieldGetter(get, &TGFont::Height), FieldSetter(get, set, &TGFont::Height),
            std::nullopt);
    String(SubName(prefix, "Name"), [get] { return get().Name; },
           [get, set](const QString& name) {
               TGFont changed = get();
               changed.Name = name;
               set(changed);
           });
    Enumeration<TFontPitch>(SubName(prefix, "Pitch"), FontPitchType(), [get] { return get().Pitch; },
                            [get, set](TFontPitch pitch) {
                                TGFont changed = get();
                                changed.Pitch = pitch;
                                set(changed);
                            },
                            TFontPitch::fpDefault);
    TGProperty& style = Add(SubName(prefix, "Style"), TGPropertyKind::FontStyles);
    style.enumType = &FontStyleType();
    style.getOrdinal = [get] { return static_cast<std::int32_t>(get().Style.Bits()); };
    style.setOrdinal = [get, set](std::int32_t bits) {
        TGFont changed = get();
        changed.Style = TFontStyles::FromBits(static_cast<unsigned>(bits));
        set(changed);
    };
    for (auto i = begin; i < items_.size(); ++i)
        items_[i].isStored = isStored;
}

void TGPropertyList::Pen(const QByteArray& prefix, std::function<TGPen()> get, std::function<void(const TGPen&)> set)
{
    Color(SubName(prefix, "Color"), FieldGetter(get, &TGPen::Color), FieldSetter(get, set, &TGPen::Color), clBlack);
    Enumeration<TPenMode>(SubName(prefix, "Mode"), PenModeType(), [get] { return get().Mode; },
                          [get, set](TPenMode mode) {
                              TGPen changed = get();
                              changed.Mode = mode;
                              set(changed);
                          },
                          TPenMode::pmCopy);
    Enumeration<TPenStyle>(SubName(prefix, "Style"), PenStyleType(), [get] { return get().Style; },
                           [get, set](TPenStyle style) {
                               TGPen changed = get();
                               changed.Style = style;
                               set(changed);
                           },
                           TPenStyle::psSolid);
    Integer(SubName(prefix, "Width"), FieldGetter(get, &TGPen::Width), FieldSetter(get, set, &TGPen::Width), 1);
}

void TGPropertyList::Brush(const QByteArray& prefix, std::function<TGBrush()> get,
                           std::function<void(const TGBrush&)> set)
{
    Color(SubName(prefix, "Color"), FieldGetter(get, &TGBrush::Color), FieldSetter(get, set, &TGBrush::Color),
          clWhite);
    Enumeration<TBrushStyle>(SubName(prefix, "Style"), BrushStyleType(), [get] { return get().Style; },
                             [get, set](TBrushStyle style) {
                                 TGBrush changed = get();
                                 changed.Style = style;
                                 set(changed);
                             },
                             TBrushStyle::bsSolid);
}

const TGProperty* TGPropertyList::Find(const QByteArray& name) const
{
    for (const TGProperty& p : items_) {
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    }
    return nullptr;
}

} // namespace design
