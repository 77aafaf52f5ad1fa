#pragma once

#include "envelopes/envelope_feed.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace envelopes {

class TEnvelopeFeedPicture;

// "Paper Feed Method": how the user feeds envelopes into the printer, with a
// picture that follows every choice. Ok closes with 1 and Feed() is the
// choice; Cancel closes with 2.
class TEnvelopeFeed : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 4202;

    explicit TEnvelopeFeed(const TEnvelopeFeedDescription& feed, QWidget* parent = nullptr);

    const TEnvelopeFeedDescription& Feed() const { return feed_; }

protected:
    // Escape is Cancel: result 2.
    void reject() override;

private:
    QWidget* MakeChoices();
    // The controls and the picture after a change.
    void ShowFeed();
    void ReadControls();

    TEnvelopeFeedDescription feed_;

    QRadioButton* rbLeft;
    QRadioButton* rbRight;
    QRadioButton* rbCenter;
    QRadioButton* rbPortrait;
    QRadioButton* rbLandscape;
    QRadioButton* rbUp;
    QRadioButton* rbDown;
    QCheckBox* ClockwiseCheck;
    TEnvelopeFeedPicture* FeedPicture;
};

} // namespace envelopes
