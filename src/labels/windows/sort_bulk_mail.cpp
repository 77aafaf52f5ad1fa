#include "labels/windows/sort_bulk_mail.h"

#include "ui/services.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace labels {

TSortBulkMail::TSortBulkMail(quorvel::TDataset& addresses, QString presortFile, QWidget* parent)
    : QDialog(parent)
    , Label1(new QLabel(this))
    , DoneCheck(new QCheckBox(this))
    , CancelButton(new QPushButton(QStringLiteral("Cancel"), this))
    , addresses_(addresses)
    , presortFile_(std::move(presortFile))
{
    setObjectName(QStringLiteral("TSortBulkMail"));
    setWindowTitle(QStringLiteral("Bulk Mail Presorting"));
    setModal(true);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMinimumSize(240, 40);
    DoneCheck->setObjectName(QStringLiteral("DoneCheck"));
    DoneCheck->setVisible(false);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(CancelButton, &QPushButton::clicked, this, &TSortBulkMail::CancelButtonClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1, 1);
    layout->addWidget(DoneCheck);
    layout->addLayout(buttons);
}

void TSortBulkMail::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    // Once the window is on the screen, so that the first status shows.
    QTimer::singleShot(0, this, &TSortBulkMail::DoTheSort);
}

void TSortBulkMail::DoTheSort()
{
    if (!isVisible() || cancelled_)
        return;
    running_ = true;
    result_ = RunBulkMailPresort(addresses_, presortFile_, *this);
    running_ = false;
    ended_ = true;
    const bool completed = result_.outcome == TPresortOutcome::Completed;
    DoneCheck->setChecked(completed);
    // Posted, so that a Cancel question still open has been answered and
    // the modal loop is back in charge when the window closes.
    QMetaObject::invokeMethod(this, [this, completed] { done(completed ? kCompleted : kCancelled); },
                              Qt::QueuedConnection);
}

void TSortBulkMail::ShowStatus(const QString& text)
{
    Label1->setText(text);
    QCoreApplication::processEvents();
}

void TSortBulkMail::CancelButtonClick()
{
    if (ended_)
        return;
    if (!running_) {
        // Closed before the presort began: it never runs.
        cancelled_ = true;
        result_.outcome = TPresortOutcome::Cancelled;
        done(kCancelled);
        return;
    }
    if (quorvel::TServices::messages().question(this, QStringLiteral("Cancel PRESORT?"), QStringLiteral("CANCEL")))
        cancelled_ = true;
}

void TSortBulkMail::reject() { CancelButtonClick(); }

} // namespace labels
