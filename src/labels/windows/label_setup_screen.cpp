#include "labels/windows/label_setup_screen.h"

#include "labels/label_layout.h"
#include "labels/label_layout_table.h"
#include "labels/label_stock.h"
#include "labels/position_mask.h"
#include "labels/windows/dialog_buttons.h"
#include "labels/windows/layout_row_grid.h"
#include "output/rp_device.h"
#include "store/dataset.h"
#include "store/home_folder.h"
#include "ui/services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace labels {

TLabelSetupScreen::TLabelSetupScreen(TLabelSetupContext context, QWidget* parent)
    : QDialog(parent)
    , context_(std::move(context))
{
    setObjectName(QStringLiteral("LabelSetupScreen"));
    setWindowTitle(QStringLiteral("Print Labels"));
    picks_.mask = AllPositions();

    LayoutGrid = Named(new TLayoutRowGrid({ QStringLiteral("Description"), QStringLiteral("Sheet Name") },
                           [](const quorvel::TDataset& table) {
                               TLabelStock stock;
                               stock.templateDescription = table.FieldAsString(u"TPLDESCRIP");
                               return QStringList { table.FieldAsString(u"DESCRIPT"), SheetName(stock) };
                           },
                           this),
        "LayoutGrid");
    PrinterCombo = Named(new QComboBox(this), "PrinterCombo");

    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(new QLabel(QStringLiteral("Printer"), this));
    printerRow->addWidget(PrinterCombo, 1);
    auto* column = new QVBoxLayout(this);
    column->addWidget(LayoutGrid, 1);
    column->addWidget(MakeOptions());
    column->addLayout(printerRow);
    column->addWidget(MakeButtons());
    resize(640, 480);

    connect(LayoutGrid, &QTableWidget::cellDoubleClicked, this, &TLabelSetupScreen::ModifyButtonClick);
    connect(PrinterCombo, &QComboBox::activated, this,
        [](int index) { output::TRPDevice::Shared().SelectPrinterIndex(index); });
    ShowLayouts(context_.layouts.RecNo());
    ShowPrinters();
}

QWidget* TLabelSetupScreen::MakeOptions()
{
    auto* options = new QWidget(this);
    WhatToPrint = Named(new QGroupBox(QStringLiteral("Print"), options), "WhatToPrint");
    rbQAll = Named(new QRadioButton(QStringLiteral("All records"), WhatToPrint), "rbQAll");
    rbQFilter = Named(new QRadioButton(QStringLiteral("Records matching filter"), WhatToPrint), "rbQFilter");
    rbOnlyThis = Named(new QRadioButton(QStringLiteral("Only current record"), WhatToPrint), "rbOnlyThis");
    auto* choices = new QVBoxLayout(WhatToPrint);
    for (QRadioButton* button : { rbQAll, rbQFilter, rbOnlyThis })
        choices->addWidget(button);
    RunOptions = Named(new QGroupBox(QStringLiteral("Options"), options), "RunOptions");
    StartCurrentCheck
        = Named(new QCheckBox(QStringLiteral("Start from current record"), RunOptions), "StartCurrentCheck");
    PresortCheck = Named(new QCheckBox(QStringLiteral("Presort for Bulk Mail"), RunOptions), "PresortCheck");
    auto* checks = new QVBoxLayout(RunOptions);
    checks->addWidget(StartCurrentCheck);
    checks->addWidget(PresortCheck);
    auto* row = new QHBoxLayout(options);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(WhatToPrint);
    row->addWidget(RunOptions);

    // Without a filter there is nothing to match: all records it is.
    if (!context_.filterChoiceEnabled) {
        rbQFilter->setEnabled(false);
        options_.Choose(rcAllRecords);
    }
    ShowOptions();
    connect(rbQAll, &QRadioButton::clicked, this, [this] {
        options_.Choose(rcAllRecords);
        ShowOptions();
    });
    connect(rbQFilter, &QRadioButton::clicked, this, [this] {
        options_.Choose(rcMatchingFilter);
        ShowOptions();
    });
    connect(rbOnlyThis, &QRadioButton::clicked, this, [this] {
        options_.Choose(rcOnlyCurrent);
        ShowOptions();
    });
    connect(StartCurrentCheck, &QCheckBox::clicked, this, [this](bool on) {
        options_.SetStartFromCurrent(on);
        ShowOptions();
    });
    connect(PresortCheck, &QCheckBox::clicked, this, [this](bool on) {
        options_.SetPresort(on);
        ShowOptions();
    });
    return options;
}

QWidget* TLabelSetupScreen::MakeButtons()
{
    auto* bar = new QWidget(this);
    PrintNow = MakeButton(bar, "PrintNow", QStringLiteral("&Print"));
    Previewbutton = MakeButton(bar, "Previewbutton", QStringLiteral("Pre&view"));
    NewButton = MakeButton(bar, "NewButton", QStringLiteral("&New"));
    ModifyButton = MakeButton(bar, "ModifyButton", QStringLiteral("&Modify"));
    DeleteButton = MakeButton(bar, "DeleteButton", QStringLiteral("&Delete"));
    CloneButton = MakeButton(bar, "CloneButton", QStringLiteral("&Clone"));
    auto* ok = MakeButton(bar, "OKButton", QStringLiteral("Ok"));
    auto* help = MakeButton(bar, "HelpButton", QStringLiteral("&Help"));
    auto* row = new QHBoxLayout(bar);
    for (QPushButton* button : { PrintNow, Previewbutton, NewButton, ModifyButton, DeleteButton, CloneButton })
        row->addWidget(button);
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(help);
    connect(PrintNow, &QPushButton::clicked, this, &TLabelSetupScreen::PrintNowClick);
    connect(Previewbutton, &QPushButton::clicked, this, &TLabelSetupScreen::PreviewbuttonClick);
    connect(NewButton, &QPushButton::clicked, this, &TLabelSetupScreen::NewButtonClick);
    connect(ModifyButton, &QPushButton::clicked, this, &TLabelSetupScreen::ModifyButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TLabelSetupScreen::DeleteButtonClick);
    connect(CloneButton, &QPushButton::clicked, this, &TLabelSetupScreen::CloneButtonClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [] { quorvel::TServices::help().showTopic(kHelpContext); });
    return bar;
}

void TLabelSetupScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!opened_) {
        opened_ = true;
        FormActivate();
    }
}

void TLabelSetupScreen::FormActivate()
{
    // A presort list left by an earlier session belongs to other records
    // and choices; runs of this screen presort again.
    const QString leftOver = context_.home.path(u"PRESORT.PSL");
    if (QFile::exists(leftOver) && !QFile::remove(leftOver))
        quorvel::TServices::messages().error(this, QStringLiteral("Unable to delete ") + leftOver);
}

void TLabelSetupScreen::ShowLayouts(std::uint32_t current)
{
    LayoutGrid->ShowRows(context_.layouts, current);
    // With no layout yet the greyed grid shows the sheet a first layout is
    // made for, so the screen never looks broken; it names no row to act on.
    const TLabelLayout placeholder = DefaultLabelSetup();
    LayoutGrid->ShowPlaceholder({ placeholder.description, SheetName(placeholder.stock) });
    GoToHighlighted();
    UpdateButtons();
}

std::optional<TLabelLayout> TLabelSetupScreen::HighlightedLayout()
{
    if (!GoToHighlighted())
        return std::nullopt;
    const TLayoutRead read = ReadCurrentLayout(context_.layouts);
    if (!read.layout)
        ShowFailure({ read.message });
    return read.layout;
}

bool TLabelSetupScreen::GoToHighlighted()
{
    return LayoutGrid->GoToHighlighted(context_.layouts);
}

void TLabelSetupScreen::UpdateButtons()
{
    const bool any = LayoutGrid->HasRows();
    for (QWidget* control : std::initializer_list<QWidget*> {
             PrintNow, Previewbutton, ModifyButton, DeleteButton, CloneButton, LayoutGrid, WhatToPrint, RunOptions })
        control->setEnabled(any);
    WhatToPrint->setVisible(any);
    RunOptions->setVisible(any);
}

void TLabelSetupScreen::ShowOptions()
{
    rbQAll->setChecked(options_.What() == rcAllRecords);
    rbQFilter->setChecked(options_.What() == rcMatchingFilter);
    rbOnlyThis->setChecked(options_.What() == rcOnlyCurrent);
    StartCurrentCheck->setChecked(options_.StartFromCurrent());
    PresortCheck->setChecked(options_.Presort());
    PresortCheck->setEnabled(options_.PresortAllowed());
}

void TLabelSetupScreen::ShowPrinters()
{
    const output::TRPDevice& device = output::TRPDevice::Shared();
    const QStringList names = device.PrinterNames();
    PrinterCombo->clear();
    PrinterCombo->addItems(names);
    PrinterCombo->setCurrentIndex(
        device.CurrentPrinterIndex() >= 0 ? device.CurrentPrinterIndex() : names.indexOf(device.DeviceName()));
    picks_.printerIndex = PrinterCombo->currentIndex();
}

void TLabelSetupScreen::ShowFailure(const QStringList& messages)
{
    for (const QString& message : messages)
        quorvel::TServices::messages().information(this, message);
}

} // namespace labels
