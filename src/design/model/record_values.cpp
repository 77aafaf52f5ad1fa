#include "design/model/record_values.h"

#include "design/model/graphic_control.h"

namespace design {

std::optional<TGDataField> FieldForLabel(const std::vector<TGDataField>& fields, const QString& label)
{
    std::optional<TGDataField> found;
    for (const TGDataField& field : fields)
        if (field.DisplayLabel == label)
            found = field;
    return found;
}

std::optional<QString> TGRecordSource::FieldNameForDisplayLabel(const QString& displayLabel) const
{
    const std::optional<TGDataField> field = FieldForLabel(DataFields(), displayLabel);
    return field ? std::optional<QString>(field->Name) : std::nullopt;
}

std::optional<QString> TGRecordSource::MemoFieldForDisplayLabel(const QString& displayLabel) const
{
    std::vector<TGDataField> memos = DataFields();
    std::erase_if(memos, [](const TGDataField& field) { return field.Type != 'M'; });
    const std::optional<TGDataField> field = FieldForLabel(memos, displayLabel);
    return field ? std::optional<QString>(field->Name) : std::nullopt;
}

const TGRecordContext& TGRecordBinding::RecordContext() const
{
    // An object not yet placed on a data surface behaves as in design view
    // without a record.
    static const TGRecordContext kNoRecord;
    return context_ ? *context_ : kNoRecord;
}

void BindRecordContext(const std::vector<TGGraphicControl*>& objects, const TGRecordContext* context)
{
    for (TGGraphicControl* object : objects)
        if (auto* binding = dynamic_cast<TGRecordBinding*>(object))
            binding->SetRecordContext(context);
}

} // namespace design
