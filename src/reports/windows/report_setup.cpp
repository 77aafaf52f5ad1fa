#include "reports/windows/report_setup.h"

#include "labels/windows/dialog_buttons.h"
#include "labels/windows/layout_row_grid.h"
#include "labels/windows/record_choice_box.h"
#include "store/address_dataset.h"
#include "store/dataset.h"
#include "ui/services.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace reports {

using labels::MakeButton;
using labels::Named;

TReportSetup::TReportSetup(TReportSetupContext context, QWidget* parent)
    : QDialog(parent)
    , context_(std::move(context))
    , record_(context_.addresses)
{
    setObjectName(QStringLiteral("TReportSetup"));
    setWindowTitle(QStringLiteral("Print Report"));
    options_.title = DefaultReportTitle(0);
    // Without a filter there is nothing to match: all records it is.
    if (!context_.filterChoiceEnabled)
        options_.records = labels::rcAllRecords;

    PageControl = Named(new QTabWidget(this), "PageControl");
    PageControl->addTab(MakeBuiltInPage(), QStringLiteral("Built In Reports"));
    PageControl->addTab(MakeDesignerPage(), QStringLiteral("Report Designer"));

    auto* side = new QVBoxLayout;
    // Level with the pages rather than with their tabs.
    side->addSpacing(PageControl->tabBar()->sizeHint().height());
    side->addWidget(MakeWhatToPrint());
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(PageControl, 1);
    top->addLayout(side);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top, 1);
    column->addWidget(MakeButtons());
    DescribeControls();
    resize(620, 360);

    connect(PageControl, &QTabWidget::currentChanged, this, [this] { UpdateButtons(); });
    ShowReports(context_.reports.RecNo());
}

TReportSetup::~TReportSetup() = default;

QWidget* TReportSetup::MakeBuiltInPage()
{
    auto* page = Named(new QWidget(this), "BuiltInPage");
    ReportTitleEdit = Named(new QLineEdit(options_.title, page), "ReportTitleEdit");
    auto* titleLabel = new QLabel(QStringLiteral("Report &Title"), page);
    titleLabel->setBuddy(ReportTitleEdit);
    ReportList = Named(new QListWidget(page), "ReportList");
    ReportList->addItems(BuiltInReportCaptions());
    ReportList->setCurrentRow(0);
    auto* listLabel = new QLabel(QStringLiteral("&Select Report:"), page);
    listLabel->setBuddy(ReportList);
    PrintMemoCheck = Named(new QCheckBox(QStringLiteral("Print &Memo"), page), "PrintMemoCheck");
    PrintCodesCheck = Named(new QCheckBox(QStringLiteral("Print &Codes"), page), "PrintCodesCheck");

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(titleLabel);
    titleRow->addWidget(ReportTitleEdit, 1);
    auto* checks = new QHBoxLayout;
    checks->addWidget(PrintMemoCheck);
    checks->addWidget(PrintCodesCheck);
    checks->addStretch();
    auto* column = new QVBoxLayout(page);
    column->addLayout(titleRow);
    column->addSpacing(6);
    column->addWidget(listLabel);
    column->addWidget(ReportList, 1);
    column->addLayout(checks);

    // The title follows the report chosen; the user may then write another.
    connect(ReportList, &QListWidget::currentRowChanged, this, [this](int item) {
        if (item >= 0)
            ReportTitleEdit->setText(DefaultReportTitle(item));
    });
    connect(ReportTitleEdit, &QLineEdit::textChanged, this, [this](const QString& title) { options_.title = title; });
    connect(PrintMemoCheck, &QCheckBox::toggled, this, [this](bool on) { options_.printMemo = on; });
    connect(PrintCodesCheck, &QCheckBox::toggled, this, [this](bool on) { options_.printCodes = on; });
    return page;
}

QWidget* TReportSetup::MakeDesignerPage()
{
    auto* page = Named(new QWidget(this), "DesignerPage");
    ReportGrid = Named(new labels::TLayoutRowGrid({ QStringLiteral("Description") },
                           [](const quorvel::TDataset& table) {
                               return QStringList { ReadCurrentReport(table).description };
                           },
                           page),
        "ReportGrid");
    ReportGrid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    ModifyButton = MakeButton(page, "ModifyButton", QStringLiteral("&Modify"));
    NewButton = MakeButton(page, "NewButton", QStringLiteral("&New"));
    DeleteButton = MakeButton(page, "DeleteButton", QStringLiteral("&Delete"));
    CloneButton = MakeButton(page, "CloneButton", QStringLiteral("C&lone"));

    auto* commands = new QVBoxLayout;
    for (QPushButton* button : { ModifyButton, NewButton, DeleteButton, CloneButton })
        commands->addWidget(button);
    commands->addStretch();
    auto* row = new QHBoxLayout(page);
    row->addWidget(ReportGrid, 1);
    row->addLayout(commands);

    connect(ReportGrid, &QTableWidget::cellDoubleClicked, this, &TReportSetup::ModifyButtonClick);
    connect(ModifyButton, &QPushButton::clicked, this, &TReportSetup::ModifyButtonClick);
    connect(NewButton, &QPushButton::clicked, this, &TReportSetup::NewButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TReportSetup::DeleteButtonClick);
    connect(CloneButton, &QPushButton::clicked, this, &TReportSetup::CloneButtonClick);
    return page;
}

QWidget* TReportSetup::MakeWhatToPrint()
{
    WhatToPrint = new labels::TRecordChoiceBox(this);
    WhatToPrint->SetFilterChoiceEnabled(context_.filterChoiceEnabled);
    OnePerPageCheck = Named(new QCheckBox(QStringLiteral("One Record Per Pa&ge"), this), "OnePerPageCheck");
    WhatToPrint->AddOption(OnePerPageCheck);
    WhatToPrint->OnChoose = [this](labels::TRecordChoice records) {
        options_.records = records;
        ShowOptions();
    };
    WhatToPrint->OnStartFromCurrent = [this](bool on) { options_.startFromCurrent = on; };
    connect(OnePerPageCheck, &QCheckBox::toggled, this, [this](bool on) { options_.onePerPage = on; });
    ShowOptions();
    return WhatToPrint;
}

QWidget* TReportSetup::MakeButtons()
{
    auto* bar = new QWidget(this);
    PrintButton = MakeButton(bar, "PrintButton", QStringLiteral("&Print"));
    PreviewButton = MakeButton(bar, "PreviewButton", QStringLiteral("Pre&view"));
    auto* setup = MakeButton(bar, "PrinterSetupButton", QStringLiteral("Printer Set&up"));
    auto* ok = MakeButton(bar, "OKButton", QStringLiteral("Ok"));
    auto* help = MakeButton(bar, "HelpButton", QStringLiteral("&Help"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : { PrintButton, PreviewButton, setup })
        row->addWidget(button);
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(help);
    connect(PrintButton, &QPushButton::clicked, this, &TReportSetup::PrintButtonClick);
    connect(PreviewButton, &QPushButton::clicked, this, &TReportSetup::PreviewButtonClick);
    connect(setup, &QPushButton::clicked, this, &TReportSetup::PrinterSetupButtonClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [] { quorvel::TServices::help().showTopic(kHelpContext); });
    return bar;
}

int TReportSetup::SelectedBuiltIn() const
{
    return ReportList->currentRow() < 0 ? 0 : ReportList->currentRow();
}

TReportSetup::TPage TReportSetup::CurrentPage() const
{
    return PageControl->currentIndex() == pgDesigner ? pgDesigner : pgBuiltIn;
}

void TReportSetup::ShowReports(std::uint32_t current)
{
    ReportGrid->ShowRows(context_.reports, current);
    GoToHighlighted();
    UpdateButtons();
}

bool TReportSetup::GoToHighlighted()
{
    return ReportGrid->GoToHighlighted(context_.reports);
}

bool TReportSetup::HasReports() const
{
    return ReportGrid->HasRows();
}

void TReportSetup::UpdateButtons()
{
    // New is always there: an empty table must be able to get its first
    // report. The rest needs a report to work on, but only on the page of
    // the user's reports; the built-in ones are always there.
    const bool designer = CurrentPage() == pgDesigner;
    const bool runnable = !designer || HasReports();
    for (QWidget* control : std::initializer_list<QWidget*> { ModifyButton, DeleteButton, CloneButton, ReportGrid })
        control->setEnabled(HasReports());
    PrintButton->setEnabled(runnable);
    PreviewButton->setEnabled(runnable);
    WhatToPrint->setVisible(runnable);
    // Only a report of the user's own has bands that a page can end after.
    OnePerPageCheck->setVisible(designer);
}

void TReportSetup::ShowOptions()
{
    WhatToPrint->Show(options_.records, options_.startFromCurrent);
    OnePerPageCheck->setChecked(options_.onePerPage);
}

void TReportSetup::ShowFailure(const QStringList& messages)
{
    for (const QString& message : messages)
        quorvel::TServices::messages().information(this, message);
}

} // namespace reports
