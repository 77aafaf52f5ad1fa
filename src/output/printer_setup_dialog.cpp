#include "output/printer_setup_dialog.h"

#include "output/rp_device.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace output {

TPrinterSetupDialog::TPrinterSetupDialog(TRPDevice& device, QWidget* parent)
    : QDialog(parent), device_(device), printerCombo_(new QComboBox(this)), paperCombo_(new QComboBox(this)),
      binCombo_(new QComboBox(this)), portraitRadio_(new QRadioButton(tr("P&ortrait"), this)),
      landscapeRadio_(new QRadioButton(tr("&Landscape"), this))
{
    setObjectName(QStringLiteral("TPrinterSetupDialog"));
    setWindowTitle(tr("Printer Setup"));
    printerCombo_->setObjectName(QStringLiteral("PrinterCombo"));
    paperCombo_->setObjectName(QStringLiteral("PaperCombo"));
    binCombo_->setObjectName(QStringLiteral("BinCombo"));
    portraitRadio_->setObjectName(QStringLiteral("PortraitRadio"));
    landscapeRadio_->setObjectName(QStringLiteral("LandscapeRadio"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Printer:"), printerCombo_);
    form->addRow(tr("Paper &size:"), paperCombo_);
    form->addRow(tr("Paper s&ource:"), binCombo_);
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(portraitRadio_);
    orientation->addWidget(landscapeRadio_);
    form->addRow(tr("Orientation:"), orientation);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("SetupButtons"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    printerCombo_->addItems(device.PrinterNames());
    const int current = device.CurrentPrinterIndex();
    const int shown = current >= 0 ? current : printerCombo_->findText(device.DeviceName());
    printerCombo_->setCurrentIndex(shown);
    PrinterComboChange(shown);
    (device.Orientation() == QPageLayout::Landscape ? landscapeRadio_ : portraitRadio_)->setChecked(true);

    connect(printerCombo_, &QComboBox::currentIndexChanged, this, &TPrinterSetupDialog::PrinterComboChange);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

// Paper and source lists belong to the printer; show the ones of the
// printer now picked, keeping the current choice where it exists.
void TPrinterSetupDialog::PrinterComboChange(int index)
{
    const QString paper = paperCombo_->currentText();
    const QString bin = binCombo_->currentText();
    const int previous = device_.CurrentPrinterIndex();
    device_.SelectPrinterIndex(index);
    paperCombo_->clear();
    paperCombo_->addItems(device_.PaperNames());
    paperCombo_->setCurrentIndex(paper.isEmpty() ? device_.CurrentPaperIndex() : std::max(0, paperCombo_->findText(paper)));
    binCombo_->clear();
    binCombo_->addItems(device_.BinNames());
    binCombo_->setCurrentIndex(std::max(0, binCombo_->findText(bin)));
    device_.SelectPrinterIndex(previous);
}

void TPrinterSetupDialog::Apply()
{
    device_.SelectPrinterIndex(printerCombo_->currentIndex());
    device_.SelectPaperByName(paperCombo_->currentText());
    device_.SelectBinByName(binCombo_->currentText());
    device_.SetOrientation(landscapeRadio_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
}

} // namespace output
