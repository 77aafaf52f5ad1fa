#pragma once

#include "envelopes/envelope_feed.h"

#include <QDialog>

class QLabel;

namespace output {
class TOutputDialogs;
class TRPDevice;
} // namespace output

namespace envelopes {

class TEnvelopeFeedPicture;

// "Envelope Print": the last look before envelopes print. It shows the
// printer, paper, source and orientation the job will use, warns when that
// paper does not fit the envelope, and shows how envelopes are fed, with
// "Printer Setup" and "Paper Feed Method" to change either. Ok closes with
// 1 and Feed() is the feed to print with; Cancel closes with 2.
class TEnvelopePrePrint : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 4201;

    TEnvelopePrePrint(const TEnvelopeFeedDescription& feed, int sizeCode, output::TRPDevice& device,
        output::TOutputDialogs& dialogs, QWidget* parent = nullptr);

    const TEnvelopeFeedDescription& Feed() const { return feed_; }

    void PrinterSetupButtonClick();
    void FeedMethodButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    // Escape is Cancel: result 2.
    void reject() override;

private:
    QWidget* MakePrinterBox();
    QWidget* MakeFeedBox();
    // The device's choices, the warning and the feed as they are now.
    void ShowSettings();

    TEnvelopeFeedDescription feed_;
    int sizeCode_;
    output::TRPDevice& device_;
    output::TOutputDialogs& dialogs_;

    QLabel* PrinterName;
    QLabel* PaperLabel;
    QLabel* SourceLabel;
    QLabel* OrientationLabel;
    QLabel* PageSizeWarning;
    TEnvelopeFeedPicture* FeedPicture;
    QLabel* FeedDescription;
};

} // namespace envelopes
