#include "ui/tag_all_dialog.h"

#include "store/dataset.h"
#include "store/tagging_run.h"
#include "ui/services.h"
#include "ui/whats_this.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace quorvel {

TTagAllRecords::TTagAllRecords(TDataset& dataset, const QString& tagId, QWidget* parent)
    : TTagAllRecords(&dataset, dataset.engine(), tagId, parent)
{
}

TTagAllRecords::TTagAllRecords(xbase::TApollo& table, const QString& tagId, QWidget* parent)
    : TTagAllRecords(nullptr, table, tagId, parent)
{
}

TTagAllRecords::TTagAllRecords(TDataset* dataset, xbase::TApollo& table, const QString& tagId, QWidget* parent)
    : QDialog(parent), dataset_(dataset), table_(table), tagId_(tagId)
{
    setObjectName(QStringLiteral("TagAllRecords"));
    setWindowTitle(QStringLiteral("Tagging"));
    buildControls();
}

void TTagAllRecords::buildControls()
{
    TitleLabel = new QLabel(QStringLiteral("Tagging Records"), this);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    CountLabel = new QLabel(this);
    CountLabel->setObjectName(QStringLiteral("CountLabel"));
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAutoDefault(false);
    setWhatsThisText(CancelButton, QStringLiteral("Stops tagging. The records tagged so far stay tagged."));
    OkButton = new QPushButton(QStringLiteral("Ok"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    OkButton->hide();
    setWhatsThisText(OkButton, QStringLiteral("Closes this window."));
    connect(CancelButton, &QPushButton::clicked, this, &TTagAllRecords::CancelButtonClick);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    buttons->addWidget(OkButton);
    auto* column = new QVBoxLayout(this);
    column->addWidget(TitleLabel);
    column->addWidget(CountLabel);
    column->addWidget(StatusLabel);
    column->addLayout(buttons);
    setMinimumWidth(260);
}

void TTagAllRecords::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The run processes pending events itself, so it starts once the window
    // is up rather than inside its showing.
    if (!started_) {
        started_ = true;
        QTimer::singleShot(0, this, &TTagAllRecords::run);
    }
}

void TTagAllRecords::run()
{
    running_ = true;
    if (dataset_)
        dataset_->DisableControls();
    const TTaggingResult result = RunTagging(table_, tagId_, [this](quint32 tagged) { return progress(tagged); });
    if (dataset_) {
        dataset_->EnableControls();
        // The engine moved under the dataset; this makes the dataset follow.
        dataset_->First();
    }
    running_ = false;
    finished_ = true;
    tagged_ = result.tagged;
    cancelled_ = cancelled_ || result.cancelled;
    StatusLabel->setText(taggingEndText(result));
    CountLabel->clear();
    CancelButton->hide();
    OkButton->show();
    OkButton->setFocus();
    if (!result.message.isEmpty())
        TServices::messages().error(this, result.message);
}

bool TTagAllRecords::progress(quint32 tagged)
{
    if (tagged > 0) {
        tagged_ = tagged;
        CountLabel->setText(taggingCountText(tagged));
        emit recordTagged(tagged);
    }
    QCoreApplication::processEvents();
    return !cancelled_;
}

void TTagAllRecords::CancelButtonClick()
{
    if (!running_ || cancelled_)
        return;
    if (TServices::messages().question(this, QStringLiteral("Cancel Tagging?"), QStringLiteral("CANCEL")))
        cancelled_ = true;
}

// Escape and the window's close box mean Cancel while the run goes on.
void TTagAllRecords::reject()
{
    if (running_)
        CancelButtonClick();
    else if (finished_)
        QDialog::reject();
}

void TTagAllRecords::closeEvent(QCloseEvent* event)
{
    if (!finished_) {
        event->ignore();
        if (running_)
            CancelButtonClick();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace quorvel
