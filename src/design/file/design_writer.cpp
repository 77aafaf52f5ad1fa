#include "design/file/design_writer.h"

#include "design/file/design_error.h"
#include "design/file/property_binding.h"
#include "design/file/read_back_object.h"
#include "design/file/value_codec.h"
#include "design/model/graphic_control.h"
#include "design/model/property_list.h"
#include "design/model/windows1252.h"

namespace design {

void TGDesignWriter::WriteObjectList(const std::vector<TGGraphicControl*>& objects)
{
    writer_.WriteByte(static_cast<std::uint8_t>(TValueTag::TagList));
    for (TGGraphicControl* object : objects)
        WriteObject(*object);
    writer_.WriteByte(static_cast<std::uint8_t>(TValueTag::TagEnd));
}

void TGDesignWriter::WriteObject(TGGraphicControl& object)
{
    const auto name = toWindows1252(object.Name());
    if (!name)
        throw EDesignFileError(messages::textNotStorable(object.Name()));
    writer_.WriteBytes(QByteArrayLiteral("TPF0"));
    writer_.WriteShortString(object.ClassName());
    writer_.WriteShortString(*name);
    TGPropertyList properties;
    object.DefineProperties(properties);
    const TGReadBackObject readBack(object);
    for (const TGProperty& property : properties.Items()) {
        const TGProperty* readBackProperty = readBack.Find(property);
        auto value = StoredValue(property);
        if (!value && readBackProperty && !SameValue(property, *readBackProperty))
            value = ExplicitValue(property);
        if (!value)
            continue;
        writer_.WriteShortString(property.name);
        WriteValue(writer_, *value);
        if (readBackProperty)
            ApplyStoredValue(*readBackProperty, *value, writer_.Bytes().size());
    }
    writer_.WriteByte(static_cast<std::uint8_t>(TValueTag::TagEnd));
    writer_.WriteByte(static_cast<std::uint8_t>(TValueTag::TagEnd));
}

void TGDesignWriter::WriteValueList(const std::vector<TGStreamValue>& values)
{
    WriteValue(writer_, TGStreamValue::List(values));
}

} // namespace design
