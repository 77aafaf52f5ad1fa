#include "app/searching_window.h"

#include "store/dataset.h"
#include "ui/whats_this.h"
#include "xbase/apollo.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace quorvel {

TQVWSearching::TQVWSearching(TDataset& dataset, const QString& text, TMemoSearchStart start, QWidget* parent)
    : QDialog(parent), dataset_(dataset), text_(text), start_(start)
{
    setObjectName(QStringLiteral("QVWSearching"));
    setWindowTitle(QStringLiteral("Searching"));
    SearchingLabel = new QLabel(QStringLiteral("Searching for: ") + text, this);
    SearchingLabel->setObjectName(QStringLiteral("SearchingLabel"));
    SearchingLabel->setTextFormat(Qt::PlainText);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    setWhatsThisText(CancelButton, QStringLiteral("Stops searching and goes back to the record you were on."));
    connect(CancelButton, &QPushButton::clicked, this, [this] { cancelled_ = true; });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addWidget(SearchingLabel);
    column->addLayout(buttons);
    setMinimumWidth(240);
}

void TQVWSearching::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The search processes pending events itself, so it starts once the
    // window is up rather than inside its showing.
    if (!started_) {
        started_ = true;
        QTimer::singleShot(0, this, &TQVWSearching::search);
    }
}

void TQVWSearching::search()
{
    if (cancelled_)
        return; // closed before it began
    searching_ = true;
    dataset_.DisableControls();
    found_ = FindTextInMemo(dataset_.engine(), text_, start_, [this] { return keepGoing(); });
    dataset_.EnableControls();
    // The engine moved under the dataset; this makes the dataset follow.
    if (!dataset_.engine().sx_Eof())
        dataset_.GoTo(dataset_.engine().sx_RecNo());
    searching_ = false;
    done(found_ ? QDialog::Accepted : QDialog::Rejected);
}

bool TQVWSearching::keepGoing()
{
    emit recordPassed();
    QCoreApplication::processEvents();
    return !cancelled_;
}

// Escape and the window's close box mean Cancel while the search goes on.
void TQVWSearching::reject()
{
    cancelled_ = true;
    if (!searching_)
        QDialog::reject();
}

void TQVWSearching::closeEvent(QCloseEvent* event)
{
    if (searching_) {
        cancelled_ = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace quorvel
