#include "ui/rebuild_dialog.h"

#include "ui/services.h"
#include "ui/whats_this.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

TRebuildDialog::TRebuildDialog(const QString& caption, const QString& explanation, int helpContext, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(caption);
    ExplanationLabel = new QLabel(explanation, this);
    ExplanationLabel->setObjectName(QStringLiteral("ExplanationLabel"));
    ExplanationLabel->setWordWrap(true);
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    StatusLabel->hide();
    Gauge = new QProgressBar(this);
    Gauge->setObjectName(QStringLiteral("Gauge"));
    Gauge->setRange(0, 100);
    Gauge->setValue(0);
    Gauge->hide();
    setWhatsThisText(Gauge, QStringLiteral("Shows how far the rebuilding has come."));

    ReindexButton = makeButton(QStringLiteral("Reindex"), QStringLiteral("ReindexButton"),
                               QStringLiteral("Starts rebuilding. The window closes by itself when it is done."));
    CancelButton = makeButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"),
                              QStringLiteral("Closes this window without changing anything."));
    HelpButton = makeButton(QStringLiteral("Help"), QStringLiteral("HelpButton"), QStringLiteral("Explains this window."));
    ReindexButton->setDefault(true);
    connect(ReindexButton, &QPushButton::clicked, this, &TRebuildDialog::ReindexButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TRebuildDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this, [helpContext] { TServices::help().showTopic(helpContext); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {ReindexButton, CancelButton, HelpButton})
        buttons->addWidget(button);
    auto* column = new QVBoxLayout(this);
    column->addWidget(ExplanationLabel);
    column->addWidget(StatusLabel);
    column->addWidget(Gauge);
    column->addLayout(buttons);
    setMinimumWidth(380);
}

QPushButton* TRebuildDialog::makeButton(const QString& caption, const QString& name, const QString& whatsThis)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    setWhatsThisText(button, whatsThis);
    return button;
}

TRebuildProgress TRebuildDialog::progress()
{
    return {[this](const QString& text) {
                StatusLabel->setText(text);
                QCoreApplication::processEvents();
            },
            [this](int position) {
                if (Gauge->value() == position)
                    return;
                Gauge->setValue(position);
                QCoreApplication::processEvents();
            }};
}

void TRebuildDialog::ReindexButtonClick()
{
    if (working_)
        return;
    beginWork();
    const bool succeeded = runRebuild();
    endWork();
    done(succeeded ? QDialog::Accepted : QDialog::Rejected);
}

void TRebuildDialog::beginWork()
{
    working_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Gauge->setValue(0);
    Gauge->show();
    ReindexButton->setEnabled(false);
    CancelButton->hide();
    HelpButton->hide();
    StatusLabel->show();
}

void TRebuildDialog::endWork()
{
    Gauge->hide();
    Gauge->setValue(0);
    ReindexButton->setEnabled(true);
    CancelButton->show();
    QApplication::restoreOverrideCursor();
    working_ = false;
}

void TRebuildDialog::reject()
{
    if (!working_)
        QDialog::reject();
}

void TRebuildDialog::closeEvent(QCloseEvent* event)
{
    if (working_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

} // namespace quorvel
