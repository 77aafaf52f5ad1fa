#include "envelopes/windows/envelope_setup_screen.h"

#include "envelopes/envelope_overlays.h"
#include "envelopes/envelope_settings.h"
#include "envelopes/envelope_sizes.h"
#include "envelopes/windows/envelope_current_record.h"
#include "labels/windows/dialog_buttons.h"
#include "labels/windows/layout_row_grid.h"
#include "labels/windows/record_choice_box.h"
#include "output/rp_device.h"
#include "store/address_dataset.h"
#include "store/home_folder.h"
#include "ui/services.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace envelopes {

using labels::MakeButton;
using labels::Named;

TQVEnvelopes::TQVEnvelopes(TEnvelopeSetupContext context, QWidget* parent)
    : QDialog(parent)
    , context_(std::move(context))
    , displayOwner_(kPixelsPerInch)
    , record_(context_.addresses)
{
    setObjectName(QStringLiteral("TQVEnvelopes"));
    setWindowTitle(QStringLiteral("Print Envelope"));
    EnvelopeSetupGrid = Named(
        new labels::TLayoutRowGrid({ QStringLiteral("Description"), QStringLiteral("Envelope Size") },
            [](const quorvel::TDataset& table) {
                const TEnvelopeLayout layout = ReadCurrentEnvelopeLayout(table);
                return QStringList { layout.description, EnvelopeSizeOrDefault(layout.sizeCode).caption };
            },
            this),
        "EnvelopeSetupGrid");
    CurrentRecord = new TEnvelopeCurrentRecord(context_.addresses, this);

    auto* side = new QVBoxLayout;
    side->addWidget(MakeWhatToPrint());
    side->addWidget(CurrentRecord);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(EnvelopeSetupGrid, 1);
    top->addLayout(side);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top, 1);
    column->addWidget(MakeDisplay());
    column->addWidget(MakeButtons());
    resize(680, 520);

    connect(EnvelopeSetupGrid, &QTableWidget::cellDoubleClicked, this, &TQVEnvelopes::ModifyButtonClick);
    connect(EnvelopeSetupGrid, &QTableWidget::currentCellChanged, this, [this] { ShowDisplayEnvelope(); });
    connect(CurrentRecord, &TEnvelopeCurrentRecord::RecordMoved, this, [this] {
        EDisplay->RefreshData();
        EDisplay->update();
    });
    ShowLayouts(context_.layouts.RecNo());
}

TQVEnvelopes::~TQVEnvelopes() = default;

QWidget* TQVEnvelopes::MakeWhatToPrint()
{
    WhatToPrint = new labels::TRecordChoiceBox(this);
    WhatToPrint->OnChoose = [this](labels::TRecordChoice records) {
        options_.records = records;
        ShowOptions();
    };
    WhatToPrint->OnStartFromCurrent = [this](bool on) { options_.startFromCurrent = on; };
    ShowOptions();
    return WhatToPrint;
}

QWidget* TQVEnvelopes::MakeDisplay()
{
    EDisplay = new TEnvelopePanel(displayOwner_, context_.home.sysdataFolder(), this);
    EDisplay->setObjectName(QStringLiteral("EDisplay"));
    EDisplay->SetRecordSource(&record_, context_.addresses.Active());
    EDisplay->SetDisplayDataValues(true);
    EDisplay->SetZoom(kDisplayZoom);
    // A picture to look at, not a surface to edit.
    EDisplay->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* frame = new QWidget(this);
    auto* row = new QHBoxLayout(frame);
    row->addStretch();
    row->addWidget(EDisplay);
    row->addStretch();
    return frame;
}

QWidget* TQVEnvelopes::MakeButtons()
{
    auto* bar = new QWidget(this);
    PrintButton = MakeButton(bar, "PrintButton", QStringLiteral("&Print"));
    PreviewButton = MakeButton(bar, "PreviewButton", QStringLiteral("Pre&view"));
    auto* setup = MakeButton(bar, "PrinterSetupButton", QStringLiteral("Printer Setup"));
    NewButton = MakeButton(bar, "NewButton", QStringLiteral("New"));
    ModifyButton = MakeButton(bar, "ModifyButton", QStringLiteral("Modify"));
    DeleteButton = MakeButton(bar, "DeleteButton", QStringLiteral("Delete"));
    CloneButton = MakeButton(bar, "CloneButton", QStringLiteral("Clone"));
    auto* ok = MakeButton(bar, "OKButton", QStringLiteral("Ok"));
    auto* help = MakeButton(bar, "HelpButton", QStringLiteral("&Help"));
    auto* row = new QHBoxLayout(bar);
    for (QPushButton* button : { PrintButton, PreviewButton, setup, NewButton, ModifyButton, DeleteButton, CloneButton })
        row->addWidget(button);
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(help);
    connect(PrintButton, &QPushButton::clicked, this, &TQVEnvelopes::PrintButtonClick);
    connect(PreviewButton, &QPushButton::clicked, this, &TQVEnvelopes::PreviewButtonClick);
    connect(setup, &QPushButton::clicked, this, &TQVEnvelopes::PrinterSetupButtonClick);
    connect(NewButton, &QPushButton::clicked, this, &TQVEnvelopes::NewButtonClick);
    connect(ModifyButton, &QPushButton::clicked, this, &TQVEnvelopes::ModifyButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TQVEnvelopes::DeleteButtonClick);
    connect(CloneButton, &QPushButton::clicked, this, &TQVEnvelopes::CloneButtonClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [] { quorvel::TServices::help().showTopic(kHelpContext); });
    return bar;
}

void TQVEnvelopes::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!opened_) {
        opened_ = true;
        FormActivate();
    }
}

void TQVEnvelopes::FormActivate()
{
    // The printer, paper and source envelopes were printed with last time.
    ApplyEnvelopePrinter(ReadEnvelopePrinter(context_.ini), output::TRPDevice::Shared());
}

void TQVEnvelopes::ShowLayouts(std::uint32_t current)
{
    EnvelopeSetupGrid->ShowRows(context_.layouts, current);
    UpdateButtons();
    ShowDisplayEnvelope();
}

bool TQVEnvelopes::GoToHighlighted()
{
    return EnvelopeSetupGrid->GoToHighlighted(context_.layouts);
}

void TQVEnvelopes::UpdateButtons()
{
    // New is always there: an empty table must be able to get its first
    // layout. The others need a layout to work on.
    const bool any = EnvelopeSetupGrid->HasRows();
    for (QWidget* control : std::initializer_list<QWidget*> {
             PrintButton, PreviewButton, ModifyButton, DeleteButton, CloneButton, EnvelopeSetupGrid })
        control->setEnabled(any);
}

void TQVEnvelopes::ShowOptions()
{
    WhatToPrint->Show(options_.records, options_.startFromCurrent);
}

void TQVEnvelopes::ShowDisplayEnvelope()
{
    EDisplay->ClearObjects();
    TEnvelopeLayout layout;
    if (GoToHighlighted()) {
        layout = ReadCurrentEnvelopeLayout(context_.layouts);
        // A damaged design shows nothing here; Modify and the run say why.
        LoadEnvelopeDesign(context_.home.sysdataFolder(), layout.designFile, displayOwner_, EDisplay->Objects());
        EDisplay->AdoptObjects();
    }
    const TEnvelopeSize& size = EnvelopeSizeOrDefault(layout.sizeCode);
    EDisplay->setFixedSize(
        EnvelopeSurfaceSize(QSizeF(size.width, size.height) * kDisplayZoom, kPixelsPerInch));
    EDisplay->update();
}

void TQVEnvelopes::ShowFailure(const QStringList& messages)
{
    for (const QString& message : messages)
        quorvel::TServices::messages().information(this, message);
}

} // namespace envelopes
