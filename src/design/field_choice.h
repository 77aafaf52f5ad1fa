#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace design {

// One field of the data set a surface shows, as "Select Field" sees it.
struct TGDataField {
    QString Name;         // the DBF name, "LNAME"
    QString DisplayLabel; // what the user sees, "Last Name"
    char Type = 'C';      // C, N, L, D or M
    int Tag = 0;          // negative: kept out of the character field list
    bool Visible = true;
};

// The fields of the data set behind a record source. A record source that
// also implements this lets the field dialogs list its fields; one that
// does not offers an empty list.
class TGFieldCatalog {
public:
    virtual ~TGFieldCatalog() = default;
    virtual std::vector<TGDataField> DataFields() const = 0;
};

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

// The field the chosen label binds to: of the fields with exactly that
// display label, the last in field order (as record refresh finds it).
std::optional<TGDataField> FieldForLabel(const std::vector<TGDataField>& fields, const QString& label);

} // namespace design
