#pragma once

#include "output/output_dialogs.h"

#include <QDialog>

class QRadioButton;
class QSpinBox;

namespace output {

// Copies and page range of a print job.
class TPrintOptionsDialog : public QDialog {
    Q_OBJECT
public:
    TPrintOptionsDialog(const QString& printerName, const TPrintOptions& options, QWidget* parent = nullptr);

    TPrintOptions Options() const;

private:
    QSpinBox* copiesEdit_;
    QRadioButton* allRadio_;
    QRadioButton* pagesRadio_;
    QSpinBox* fromEdit_;
    QSpinBox* toEdit_;
};

} // namespace output
