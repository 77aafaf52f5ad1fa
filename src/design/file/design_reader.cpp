#include "design/file/design_reader.h"

#include "design/file/byte_reader.h"
#include "design/file/design_error.h"
#include "design/file/property_binding.h"
#include "design/file/value_codec.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/graphic_control.h"
#include "design/model/property_list.h"
#include "design/model/windows1252.h"

#include <limits>

namespace design {

namespace {

const QByteArray kSignature = QByteArrayLiteral("TPF0");

// Pasted objects move this far right and down from the copied ones.
constexpr int kPasteOffset = 15;

int AddSaturated(int value, int delta)
{
    const long long sum = static_cast<long long>(value) + delta;
    return sum > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(sum);
}

} // namespace

TGDesignReader::TGDesignReader(QByteArrayView bytes, TGDesignOwner& owner, bool pasting)
    : reader_(std::make_unique<TGByteReader>(bytes)), owner_(owner), pasting_(pasting)
{
}

TGDesignReader::~TGDesignReader() = default;

bool TGDesignReader::AtEnd() const { return reader_->AtEnd(); }

void TGDesignReader::ExpectTag(std::uint8_t tag)
{
    if (reader_->PeekByte() != tag)
        reader_->Fail(messages::invalidStreamFormat());
    reader_->ReadByte();
}

std::vector<std::unique_ptr<TGGraphicControl>> TGDesignReader::ReadObjectList(const TGClassSet& classes)
{
    ExpectTag(static_cast<std::uint8_t>(TValueTag::TagList));
    std::vector<std::unique_ptr<TGGraphicControl>> objects;
    while (reader_->PeekByte() != static_cast<std::uint8_t>(TValueTag::TagEnd))
        objects.push_back(ReadObject(classes));
    reader_->ReadByte();
    return objects;
}

std::vector<TGStreamValue> TGDesignReader::ReadValueList()
{
    const qint64 start = reader_->Position();
    const TGStreamValue list = ReadValue(*reader_);
    if (list.kind != TGStreamValue::Kind::List)
        throw EDesignFileError(messages::invalidStreamFormat(), start);
    return list.items;
}

std::unique_ptr<TGGraphicControl> TGDesignReader::ReadObject(const TGClassSet& classes)
{
    if (reader_->Remaining() < kSignature.size() || reader_->ReadBytes(kSignature.size()) != kSignature)
        throw EDesignFileError(messages::invalidStreamFormat(), reader_->Position());
    TGStoredRecord record;
    const qint64 classOffset = reader_->Position();
    record.className = reader_->ReadShortString();
    const TGClassEntry* entry = classes.Find(record.className);
    if (!entry)
        throw EDesignFileError(messages::classNotFound(fromWindows1252(record.className)), classOffset);
    std::unique_ptr<TGGraphicControl> object = entry->create(owner_);
    object->SetReading(true);
    record.objectName = reader_->ReadShortString();
    object->SetName(owner_.NameForReadObject(fromWindows1252(record.objectName)));
    ReadProperties(*object, record);
    // The list of child records, which design objects never have.
    ExpectTag(static_cast<std::uint8_t>(TValueTag::TagEnd));
    if (pasting_)
        object->SetBounds(AddSaturated(object->Left(), kPasteOffset), AddSaturated(object->Top(), kPasteOffset),
                          object->Width(), object->Height());
    records_.push_back(std::move(record));
    return object;
}

void TGDesignReader::ReadProperties(TGGraphicControl& object, TGStoredRecord& record)
{
    TGPropertyList properties;
    object.DefineProperties(properties);
    while (reader_->PeekByte() != static_cast<std::uint8_t>(TValueTag::TagEnd)) {
        const qint64 nameOffset = reader_->Position();
        QByteArray name = reader_->ReadShortString();
        const TGProperty* property = properties.Find(name);
        if (!property)
            throw EDesignFileError(messages::propertyDoesNotExist(), nameOffset);
        const qint64 valueOffset = reader_->Position();
        TGStreamValue value = ReadValue(*reader_);
        ApplyStoredValue(*property, value, valueOffset);
        record.properties.emplace_back(std::move(name), std::move(value));
    }
    reader_->ReadByte();
}

} // namespace design
