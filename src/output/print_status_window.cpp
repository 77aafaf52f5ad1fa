#include "output/print_status_window.h"

#include "output/print_status.h"
#include "output/status_label.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace output {

TPrintStatusWindow::TPrintStatusWindow(TPrintStatus& status, QWidget* parent)
    : QDialog(parent), status_(status), RStatusLabel(new QLabel(this)), CancelButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("TPrintStatusWindow"));
    setWindowTitle(status_.Caption());
    RStatusLabel->setObjectName(QStringLiteral("RStatusLabel"));
    RStatusLabel->setAlignment(Qt::AlignCenter);
    RStatusLabel->setMinimumSize(260, 70);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setText(status_.ButtonText());
    connect(CancelButton, &QPushButton::clicked, this, &TPrintStatusWindow::CancelButtonClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RStatusLabel, 1);
    layout->addLayout(buttons);

    status_.SetStatusLabel(StatusToLabel(RStatusLabel));
}

void TPrintStatusWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    // Once the window is on the screen, so that the status shows from the
    // first page on.
    QTimer::singleShot(0, this, &TPrintStatusWindow::FormActivate);
}

void TPrintStatusWindow::FormActivate()
{
    // Closed before the job could start: it never runs.
    if (!isVisible())
        return;
    status_.Run();
    CancelButton->setText(status_.ButtonText());
    if (status_.ClosesItself() || closeWhenEnded_)
        QMetaObject::invokeMethod(this, &QDialog::accept, Qt::QueuedConnection);
}

void TPrintStatusWindow::CancelButtonClick()
{
    if (status_.Ended())
        accept();
    else
        status_.CancelButtonClick();
}

void TPrintStatusWindow::reject()
{
    if (!status_.Running()) {
        QDialog::reject();
        return;
    }
    status_.CloseRequested();
    closeWhenEnded_ = status_.EndRequested();
}

} // namespace output
