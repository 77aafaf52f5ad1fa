#pragma once

#include <QDialog>

class QComboBox;
class QRadioButton;

namespace output {

class TRPDevice;

// Printer, paper, paper source and orientation for the shared device.
class TPrinterSetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit TPrinterSetupDialog(TRPDevice& device, QWidget* parent = nullptr);

    // Puts the choice onto the device.
    void Apply();

private:
    void PrinterComboChange(int index);

    TRPDevice& device_;
    QComboBox* printerCombo_;
    QComboBox* paperCombo_;
    QComboBox* binCombo_;
    QRadioButton* portraitRadio_;
    QRadioButton* landscapeRadio_;
};

} // namespace output
