#include "design/dialogs/field_choice.h"

namespace design {

namespace {

bool Offered(const TGDataField& field, TGFieldKind kind)
{
    // A field without a label cannot be told apart in the list, nor bound
    // by its label afterwards.
    if (field.DisplayLabel.isEmpty())
        return false;
    if (kind == TGFieldKind::Memo)
        return field.Type == 'M';
    return field.Type == 'C' && field.Tag >= 0 && field.Visible;
}

} // namespace

QStringList SelectableFieldLabels(const std::vector<TGDataField>& fields, TGFieldKind kind)
{
    QStringList labels;
    for (const TGDataField& field : fields)
        if (Offered(field, kind))
            labels.append(field.DisplayLabel);
    return labels;
}

std::optional<int> PreselectedField(const QStringList& labels, const QString& currentLabel)
{
    if (labels.isEmpty())
        return std::nullopt;
    const auto index = labels.indexOf(currentLabel);
    return index >= 0 ? static_cast<int>(index) : 0;
}

} // namespace design
