#pragma once

#include "design/dialogs/field_choice.h"

#include <QDialog>

#include <optional>

class QListWidget;

namespace quorvel {
class THelp;
}

namespace design {

class TGDMultiLineLabel;
class TGPDLabel;

// "Select Field": the display labels of the fields an object can show, the
// object's own label (or the first) preselected.
class TSelectFieldDialog : public QDialog {
public:
    static constexpr int kHelpContext = 40007;

    TSelectFieldDialog(const QStringList& labels, const QString& currentLabel, quorvel::THelp* help,
                       QWidget* parent = nullptr);

    // The chosen label; nothing when the list is empty.
    std::optional<QString> Choice() const;

private:
    QListWidget* FieldList;
};

// The object commands "Field" and "Memo Field": open the dialog over the
// data set's fields and, on OK, bind the object to the chosen field.
// Returns whether OK was pressed with a field chosen.
bool SelectDataField(TGPDLabel& label, const std::vector<TGDataField>& fields, quorvel::THelp* help,
                     QWidget* parent = nullptr);
bool SelectMemoField(TGDMultiLineLabel& label, const std::vector<TGDataField>& fields, quorvel::THelp* help,
                     QWidget* parent = nullptr);

} // namespace design
