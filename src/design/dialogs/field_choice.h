#pragma once

#include "design/model/record_values.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace design {

enum class TGFieldKind {
    Character, // character fields with a non-negative tag that are visible
    Memo,      // every memo field
};

// The display labels offered, in field order; fields without a label are
// left out.
QStringList SelectableFieldLabels(const std::vector<TGDataField>& fields, TGFieldKind kind);

// The entry preselected for the object's current label: that label when
// listed, otherwise the first; nothing when the list is empty.
std::optional<int> PreselectedField(const QStringList& labels, const QString& currentLabel);

} // namespace design
