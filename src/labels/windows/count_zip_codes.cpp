#include "labels/windows/count_zip_codes.h"

#include "labels/windows/dialog_buttons.h"
#include "labels/windows/print_job_window_host.h"
#include "labels/zip_report.h"
#include "output/output_dialogs.h"
#include "output/rp_device.h"
#include "ui/services.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace labels {

TCountZipCodes::TCountZipCodes(TCountZipContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)), WhatDoing(new QLabel(this)), StatusLabel(new QLabel(this)),
      CancelButton(MakeButton(this, "CancelButton", QStringLiteral("Cancel")))
{
    setObjectName(QStringLiteral("TCountZipCodes"));
    setWindowTitle(QStringLiteral("Count Zip Codes"));
    WhatDoing->setObjectName(QStringLiteral("WhatDoing"));
    WhatDoing->setText(QStringLiteral("Counting the number of occurrences of each zip code:"));
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    StatusLabel->setMinimumWidth(360);
    StatusLabel->setAlignment(Qt::AlignCenter);
    ButtonPanel = MakeButtonPanel();
    ButtonPanel->hide();

    auto* cancelRow = new QHBoxLayout;
    cancelRow->addStretch();
    cancelRow->addWidget(CancelButton);
    cancelRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WhatDoing);
    layout->addWidget(StatusLabel, 1);
    layout->addLayout(cancelRow);
    layout->addWidget(ButtonPanel);
    connect(CancelButton, &QPushButton::clicked, this, &TCountZipCodes::CancelButtonClick);
}

QWidget* TCountZipCodes::MakeButtonPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("ButtonPanel"));
    auto* print = MakeButton(panel, "PrintButton", QStringLiteral("Print"));
    auto* preview = MakeButton(panel, "PreviewButton", QStringLiteral("Preview"));
    auto* setup = MakeButton(panel, "PrinterSetupButton", QStringLiteral("Printer Setup"));
    auto* ok = MakeButton(panel, "OKButton", QStringLiteral("Ok"));
    auto* help = MakeButton(panel, "HelpButton", QStringLiteral("Help"));
    auto* row = new QHBoxLayout(panel);
    for (QPushButton* button : {print, preview, setup, ok, help})
        row->addWidget(button);
    connect(print, &QPushButton::clicked, this, &TCountZipCodes::PrintButtonClick);
    connect(preview, &QPushButton::clicked, this, &TCountZipCodes::PreviewButtonClick);
    connect(setup, &QPushButton::clicked, this, &TCountZipCodes::PrinterSetupButtonClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [] { quorvel::TServices::help().showTopic(kHelpContext); });
    return panel;
}

void TCountZipCodes::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (opened_)
        return;
    opened_ = true;
    // Once the window is on the screen, so that the progress shows.
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            DoTheSort();
    });
}

bool TCountZipCodes::DoTheSort()
{
    ButtonPanel->hide();
    CancelButton->show();
    lines_.clear();
    cancelled_ = false;
    counting_ = true;
    const std::optional<TZipCount> counts = CountZipCodes(context_.addresses, *this);
    counting_ = false;
    CancelButton->hide();
    if (!counts) {
        // Nothing to report on: the window has done its work.
        QMetaObject::invokeMethod(this, [this] { done(kResultCancel); }, Qt::QueuedConnection);
        return false;
    }
    lines_ = ZipReportLines(*counts);
    ButtonPanel->show();
    QApplication::beep();
    StatusLabel->setText(QStringLiteral("Finished counting. Press Print or Preview for the report"));
    return true;
}

void TCountZipCodes::ShowStatus(const QString& text)
{
    StatusLabel->setText(text);
    // The status is updated every hundred records: often enough for Cancel
    // to answer at once, rarely enough to cost nothing.
    QCoreApplication::processEvents();
}

void TCountZipCodes::CancelButtonClick()
{
    if (counting_ && !cancelled_ &&
        quorvel::TServices::messages().question(this, QStringLiteral("Cancel Count?"), QStringLiteral("CANCEL")))
        cancelled_ = true;
}

void TCountZipCodes::reject()
{
    if (counting_)
        CancelButtonClick();
    else
        QDialog::reject();
}

void TCountZipCodes::RunReport(bool preview)
{
    if (lines_.isEmpty() && !DoTheSort())
        return;
    TPrintJobWindowHost host(this, QStringLiteral("Preview Zipcode Count"), 100, context_.preparePreview);
    RunZipReport(lines_, preview, {context_.outputDialogs, host});
}

void TCountZipCodes::PrinterSetupButtonClick()
{
    output::TRPDevice& device = output::TRPDevice::Shared();
    if (device.PrinterNames().isEmpty())
        quorvel::TServices::messages().information(this, QStringLiteral("There are no printers installed"));
    else
        context_.outputDialogs.AskPrinterSetup(device);
}

} // namespace labels
