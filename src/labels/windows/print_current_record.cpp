#include "labels/windows/print_current_record.h"

#include "labels/windows/dialog_buttons.h"
#include "labels/windows/print_job_window_host.h"
#include "output/output_dialogs.h"
#include "output/preview_form.h"
#include "output/rp_device.h"
#include "ui/services.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace labels {

namespace {

// The boxes stand in two columns, down the first, then the second.
constexpr int kBoxRows = 11;

} // namespace

TPrintCurrentRecord::TPrintCurrentRecord(TPrintCurrentRecordContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context))
{
    setObjectName(QStringLiteral("PrintCurrentRecord"));
    setWindowTitle(QStringLiteral("Print Current Record"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(MakeFieldBoxes());
    column->addWidget(MakeButtons());
}

QWidget* TPrintCurrentRecord::MakeFieldBoxes()
{
    auto* group = new QGroupBox(QStringLiteral("Fields to print"), this);
    group->setObjectName(QStringLiteral("FieldsGroup"));
    auto* grid = new QGridLayout(group);
    const auto addBox = [&](const QString& text, const QString& name) {
        auto* box = new QCheckBox(text, group);
        box->setObjectName(name);
        box->setChecked(true);
        const int index = static_cast<int>(fieldChecks_.size());
        grid->addWidget(box, index % kBoxRows, index / kBoxRows);
        fieldChecks_.push_back(box);
        return box;
    };
    for (const TRecordReportField& field : RecordReportFields())
        addBox(QString::fromLatin1(field.caption), QStringLiteral("cb") + QString::fromLatin1(field.field));
    MemoCheck = addBox(QStringLiteral("Memo"), QStringLiteral("cbMEMO"));
    AllCheck = new QCheckBox(QStringLiteral("All"), group);
    AllCheck->setObjectName(QStringLiteral("cbAll"));
    AllCheck->setChecked(true);
    grid->addWidget(AllCheck, kBoxRows, 0);
    connect(AllCheck, &QCheckBox::clicked, this, &TPrintCurrentRecord::AllCheckClick);
    return group;
}

QWidget* TPrintCurrentRecord::MakeButtons()
{
    auto* buttons = new QWidget(this);
    PrinterSetupButton = MakeButton(buttons, "PrinterSetupButton", QStringLiteral("Printer &Setup"));
    PreviewButton = MakeButton(buttons, "PreviewButton", QStringLiteral("Pre&view"));
    PrintButton = MakeButton(buttons, "PrintButton", QStringLiteral("&Print"));
    CancelButton = MakeButton(buttons, "CancelButton", QStringLiteral("&Cancel"));
    HelpButton = MakeButton(buttons, "HelpButton", QStringLiteral("&Help"));
    PrintButton->setDefault(true);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {PrinterSetupButton, PreviewButton, PrintButton, CancelButton, HelpButton})
        row->addWidget(button);
    connect(PrinterSetupButton, &QPushButton::clicked, this, &TPrintCurrentRecord::PrinterSetupButtonClick);
    connect(PreviewButton, &QPushButton::clicked, this, &TPrintCurrentRecord::PreviewButtonClick);
    connect(PrintButton, &QPushButton::clicked, this, &TPrintCurrentRecord::PrintButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, [this] { done(kResultCancel); });
    connect(HelpButton, &QPushButton::clicked, this, [] { quorvel::TServices::help().showTopic(kHelpContext); });
    return buttons;
}

TRecordReportChoice TPrintCurrentRecord::Choice() const
{
    TRecordReportChoice choice;
    for (std::size_t i = 0; i < choice.fields.size(); ++i)
        choice.fields.set(i, fieldChecks_.at(i)->isChecked());
    choice.memo = MemoCheck->isChecked();
    return choice;
}

void TPrintCurrentRecord::AllCheckClick(bool checked)
{
    for (QCheckBox* box : fieldChecks_)
        box->setChecked(checked);
}

void TPrintCurrentRecord::PrinterSetupButtonClick()
{
    context_.outputDialogs.AskPrinterSetup(output::TRPDevice::Shared());
}

void TPrintCurrentRecord::RunReport(bool preview)
{
    TPrintJobWindowHost host(
        this, QStringLiteral("Preview Report"), output::TPreviewForm::zmPageWidth, context_.preparePreview);
    RunRecordReport(context_.addresses, Choice(), context_.clock, preview, context_.outputDialogs, host);
}

} // namespace labels
