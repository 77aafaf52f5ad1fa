#include "ui/data_check_box.h"

#include "store/dataset.h"

namespace quorvel {

TDataCheckBox::TDataCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) { }

void TDataCheckBox::bind(TDataset* dataset, const QString& fieldName)
{
    if (TDataset* previous = dataset_.data())
        disconnect(previous, nullptr, this, nullptr);
    dataset_ = dataset;
    fieldName_ = fieldName;
    if (dataset) {
        connect(dataset, &TDataset::recordChanged, this, &TDataCheckBox::refresh);
        connect(dataset, &TDataset::stateChanged, this, &TDataCheckBox::refresh);
        connect(dataset, &TDataset::fieldChanged, this, &TDataCheckBox::datasetFieldChanged);
    }
    refresh();
}

void TDataCheckBox::refresh()
{
    const TDataset* dataset = dataset_.data();
    const bool hasRecord = dataset && dataset->Active() && (dataset->isEditing() || !dataset->IsEmpty());
    setChecked(hasRecord && dataset->FieldAsBoolean(fieldName_));
}

void TDataCheckBox::datasetFieldChanged(const QString& name)
{
    Q_UNUSED(name);
    // Computed fields follow any stored field they are worked out from.
    refresh();
}

void TDataCheckBox::nextCheckState()
{
    const TDataset* dataset = dataset_.data();
    if (dataset && dataset->Active() && !dataset->IsEmpty())
        emit clickedOnRecord();
    refresh();
}

} // namespace quorvel
