#include "design/model/address_record.h"

#include "store/address_dataset.h"
#include "store/address_layout.h"

#include <algorithm>

namespace design {

std::vector<TGDataField> TGAddressRecord::DataFields() const
{
    std::vector<TGDataField> fields;
    for (const quorvel::TFieldDef& def : dataset_.fieldDefs()) {
        const QString label = def.label.isEmpty() ? def.name : def.label;
        fields.push_back(TGDataField{def.name, label, def.type, 0, Visible(def.name)});
    }
    return fields;
}

std::optional<QString> TGAddressRecord::FieldText(const QString& fieldName) const
{
    // Fields the dataset does not declare are still read when the file has
    // them (the width of a field it lacks is 0).
    if (!dataset_.findFieldDef(fieldName) && dataset_.FieldWidth(fieldName) <= 0)
        return std::nullopt;
    return dataset_.FieldAsString(fieldName);
}

QString TGAddressRecord::MemoText(const QString& fieldName) const
{
    const quorvel::TFieldDef* def = dataset_.findFieldDef(fieldName);
    return def && def->type == 'M' ? dataset_.MemoText(fieldName) : QString();
}

bool TGAddressRecord::Visible(const QString& fieldName) const
{
    const auto shown = quorvel::addressBrowseColumns();
    if (std::any_of(shown.begin(), shown.end(), [&](QLatin1String column) { return fieldName == column; }))
        return true;
    // The name and city lines are the computed fields the grid never shows.
    const std::vector<quorvel::TFieldDef>& computed = dataset_.calculatedFields();
    const bool extraLine = std::any_of(computed.begin(), computed.end(),
                                       [&](const quorvel::TFieldDef& def) { return def.name == fieldName; });
    return extraLine && dataset_.extraFieldsVisible();
}

} // namespace design
