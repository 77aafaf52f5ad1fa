#include "envelopes/windows/envelope_pre_print.h"

#include "envelopes/envelope_sizes.h"
#include "envelopes/windows/envelope_feed_dialog.h"
#include "envelopes/windows/envelope_feed_picture.h"
#include "labels/windows/dialog_buttons.h"
#include "output/output_dialogs.h"
#include "output/rp_device.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace envelopes {

namespace {

// The texts break their lines the Windows way; a label wants only "\n".
QString ForLabel(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The name at `index` of a device's list; empty when the device has none.
QString NameAt(const QStringList& names, int index)
{
    return index >= 0 && index < names.size() ? names.at(index) : QString();
}

} // namespace

TEnvelopePrePrint::TEnvelopePrePrint(const TEnvelopeFeedDescription& feed, int sizeCode, output::TRPDevice& device,
    output::TOutputDialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , feed_(feed)
    , sizeCode_(sizeCode)
    , device_(device)
    , dialogs_(dialogs)
{
    setObjectName(QStringLiteral("TEnvelopePrePrint"));
    setWindowTitle(QStringLiteral("Envelope Print"));
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(MakePrinterBox());
    boxes->addWidget(MakeFeedBox());
    auto* column = new QVBoxLayout(this);
    column->addLayout(boxes);
    const labels::TDialogButtons buttons = labels::AddDialogButtons(*this, *column, kHelpContext);
    connect(buttons.ok, &QPushButton::clicked, this, [this] { done(labels::kResultOk); });
    ShowSettings();
}

QWidget* TEnvelopePrePrint::MakePrinterBox()
{
    auto* box = labels::Named(new QGroupBox(QStringLiteral("Printer Setup"), this), "PrinterBox");
    PrinterName = labels::Named(new QLabel(box), "PrinterName");
    PaperLabel = labels::Named(new QLabel(box), "PaperLabel");
    SourceLabel = labels::Named(new QLabel(box), "SourceLabel");
    OrientationLabel = labels::Named(new QLabel(box), "OrientationLabel");
    PageSizeWarning = labels::Named(new QLabel(box), "PageSizeWarning");
    PageSizeWarning->setText(ForLabel(envelopes::PageSizeWarning()));
    PageSizeWarning->setStyleSheet(QStringLiteral("color: red"));
    PageSizeWarning->setWordWrap(true);
    auto* setup = labels::MakeButton(box, "PrinterSetupButton", QStringLiteral("Printer Setup"));
    auto* column = new QVBoxLayout(box);
    for (QLabel* label : { PrinterName, PaperLabel, SourceLabel, OrientationLabel, PageSizeWarning })
        column->addWidget(label);
    column->addStretch();
    column->addWidget(setup);
    connect(setup, &QPushButton::clicked, this, &TEnvelopePrePrint::PrinterSetupButtonClick);
    return box;
}

QWidget* TEnvelopePrePrint::MakeFeedBox()
{
    auto* box = labels::Named(new QGroupBox(QStringLiteral("Paper Feed"), this), "FeedBox");
    FeedPicture = new TEnvelopeFeedPicture(box);
    FeedDescription = labels::Named(new QLabel(box), "FeedDescription");
    auto* method = labels::MakeButton(box, "FeedMethodButton", QStringLiteral("Paper Feed Method"));
    auto* row = new QHBoxLayout;
    row->addWidget(FeedPicture, 0, Qt::AlignTop);
    row->addWidget(FeedDescription, 1, Qt::AlignTop);
    auto* column = new QVBoxLayout(box);
    column->addLayout(row);
    column->addStretch();
    column->addWidget(method);
    connect(method, &QPushButton::clicked, this, &TEnvelopePrePrint::FeedMethodButtonClick);
    return box;
}

void TEnvelopePrePrint::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ShowSettings();
}

void TEnvelopePrePrint::ShowSettings()
{
    PrinterName->setText(device_.DeviceName());
    PaperLabel->setText(QStringLiteral("Paper: ") + NameAt(device_.PaperNames(), device_.CurrentPaperIndex()));
    SourceLabel->setText(QStringLiteral("Source: ") + NameAt(device_.BinNames(), device_.CurrentBinIndex()));
    OrientationLabel->setText(device_.Orientation() == QPageLayout::Landscape ? QStringLiteral("Landscape")
                                                                               : QStringLiteral("Portrait"));
    const TEnvelopeSize& envelope = EnvelopeSizeOrDefault(sizeCode_);
    PageSizeWarning->setVisible(PageSizeMismatch(
        QSizeF(envelope.width, envelope.height), QSizeF(device_.PaperWidth(), device_.PaperHeight())));
    FeedPicture->SetFeed(feed_);
    FeedDescription->setText(ForLabel(PaperFeedDesc(feed_)));
}

void TEnvelopePrePrint::PrinterSetupButtonClick()
{
    dialogs_.AskPrinterSetup(device_);
    ShowSettings();
}

void TEnvelopePrePrint::FeedMethodButtonClick()
{
    TEnvelopeFeed method(feed_, this);
    if (method.exec() != labels::kResultOk)
        return;
    feed_ = method.Feed();
    // The job's pages turn with the feed, and the paper shown and checked
    // turns with them.
    device_.SetOrientation(feed_.orientation == foLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    ShowSettings();
}

void TEnvelopePrePrint::reject()
{
    done(labels::kResultCancel);
}

} // namespace envelopes
