#pragma once

#include <QCheckBox>
#include "store/dataset.h"

#include <QPointer>

namespace quorvel {


// A check box that shows a yes/no field of the current record ("Tagged").
// A click does not change the box by itself: whoever owns the field decides
// what a click means (tagging the record) and the box then shows the field.
class TDataCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TDataCheckBox(const QString& caption, QWidget* parent = nullptr);

    void bind(TDataset* dataset, const QString& fieldName);
    void refresh();

signals:
    // The user clicked the box while a record was shown.
    void clickedOnRecord();

protected:
    void nextCheckState() override;

private:
    void datasetFieldChanged(const QString& name);

    QPointer<TDataset> dataset_;
    QString fieldName_;
};

} // namespace quorvel
