#include "labels/windows/position_picker_window.h"

#include "labels/label_position_picker.h"
#include "labels/label_run_options.h"
#include "labels/position_mask.h"
#include "labels/windows/dialog_buttons.h"
#include "labels/windows/label_sheet_picture.h"
#include "ui/services.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace labels {

TSelectSpecificLabels::TSelectSpecificLabels(const TLabelGeometry& geometry, const TLabelPicks& picks, bool presort,
    const QStringList& printers, QWidget* parent)
    : QDialog(parent)
    , geometry_(geometry)
    , picks_(picks)
{
    setObjectName(QStringLiteral("SelectSpecificLabels"));
    setWindowTitle(QStringLiteral("Labels Print"));
    SheetPicture = new TLabelSheetPicture(geometry_, picks_.mask, this);

    auto* all = MakeButton(this, "AllButton", QStringLiteral("&All"));
    auto* none = MakeButton(this, "NoneButton", QStringLiteral("&None"));
    NumberOfEach = new QSpinBox(this);
    NumberOfEach->setObjectName(QStringLiteral("NumberOfEach"));
    NumberOfEach->setRange(1, 99);
    NumberOfEach->setValue(presort ? 1 : std::clamp(picks_.copies, 1, 99));
    StartPosition = new QSpinBox(this);
    StartPosition->setObjectName(QStringLiteral("StartPosition"));
    StartPosition->setRange(1, std::max(1, geometry_.PositionCount()));
    StartPosition->setValue(ClampedStartPosition(picks_.startPosition, geometry_));
    PrinterCombo = new QComboBox(this);
    PrinterCombo->setObjectName(QStringLiteral("PrinterCombo"));
    PrinterCombo->addItems(printers);
    PrinterCombo->setCurrentIndex(picks_.printerIndex);

    auto* form = new QFormLayout;
    auto* selection = new QHBoxLayout;
    selection->addWidget(all);
    selection->addWidget(none);
    form->addRow(selection);
    form->addRow(QStringLiteral("Number of each label to print"), NumberOfEach);
    form->addRow(QStringLiteral("Start at position"), StartPosition);
    form->addRow(QStringLiteral("Printer"), PrinterCombo);
    if (presort) {
        NumberOfEach->hide();
        form->labelForField(NumberOfEach)->hide();
    }
    auto* column = new QVBoxLayout(this);
    column->addWidget(SheetPicture, 1);
    column->addLayout(form);
    const TDialogButtons buttons = AddDialogButtons(*this, *column, kHelpContext);

    connect(all, &QPushButton::clicked, this, [this] { SetAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { SetAll(false); });
    connect(buttons.ok, &QPushButton::clicked, this, &TSelectSpecificLabels::OKButtonClick);
}

void TSelectSpecificLabels::SetAll(bool selected)
{
    if (selected)
        picks_.mask.set();
    else
        picks_.mask.reset();
    SheetPicture->update();
}

void TSelectSpecificLabels::OKButtonClick()
{
    // Only this sheet's positions count: a mask kept from a larger sheet
    // would otherwise pass and print nothing but empty pages.
    if (!MaskSelectsAny(picks_.mask, geometry_)) {
        quorvel::TServices::messages().information(this, messages::noPositionSelected());
        return;
    }
    picks_.copies = NumberOfEach->isHidden() ? 1 : std::max(1, NumberOfEach->value());
    picks_.startPosition = ClampedStartPosition(StartPosition->value(), geometry_);
    picks_.printerIndex = PrinterCombo->currentIndex();
    done(kResultOk);
}

void TSelectSpecificLabels::reject()
{
    done(kResultCancel);
}

} // namespace labels
