#include "envelopes/windows/envelope_feed_dialog.h"

#include "envelopes/windows/envelope_feed_picture.h"
#include "labels/windows/dialog_buttons.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace envelopes {

namespace {

QRadioButton* AddChoice(QGroupBox* group, const char* objectName, const QString& text)
{
    auto* button = labels::Named(new QRadioButton(text, group), objectName);
    group->layout()->addWidget(button);
    return button;
}

QGroupBox* MakeGroup(QWidget* parent, const char* objectName, const QString& title)
{
    auto* group = labels::Named(new QGroupBox(title, parent), objectName);
    new QVBoxLayout(group);
    return group;
}

} // namespace

TEnvelopeFeed::TEnvelopeFeed(const TEnvelopeFeedDescription& feed, QWidget* parent)
    : QDialog(parent)
    , feed_(feed)
{
    setObjectName(QStringLiteral("TEnvelopeFeed"));
    setWindowTitle(QStringLiteral("Paper Feed Method"));
    auto* prompt
        = new QLabel(QStringLiteral("Please indicate how you normally feed envelopes into your printer:"), this);
    auto* note = new QLabel(QStringLiteral("(note: there are many printers and many ways to feed envelopes - this "
                                           "may take some experimenting)"),
        this);
    note->setWordWrap(true);
    FeedPicture = new TEnvelopeFeedPicture(this);

    auto* row = new QHBoxLayout;
    row->addWidget(MakeChoices(), 1);
    row->addWidget(FeedPicture, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout(this);
    column->addWidget(prompt);
    column->addWidget(note);
    column->addLayout(row);
    const labels::TDialogButtons buttons = labels::AddDialogButtons(*this, *column, kHelpContext);
    connect(buttons.ok, &QPushButton::clicked, this, [this] { done(labels::kResultOk); });
    ShowFeed();
}

QWidget* TEnvelopeFeed::MakeChoices()
{
    auto* choices = new QWidget(this);
    auto* position = MakeGroup(choices, "PositionGroup", QStringLiteral("Position"));
    rbLeft = AddChoice(position, "rbLeft", QStringLiteral("&Left"));
    rbRight = AddChoice(position, "rbRight", QStringLiteral("&Right"));
    rbCenter = AddChoice(position, "rbCenter", QStringLiteral("&Center"));
    auto* orientation = MakeGroup(choices, "OrientationGroup", QStringLiteral("Orientation"));
    rbPortrait = AddChoice(orientation, "rbPortrait", QStringLiteral("&Portrait"));
    rbLandscape = AddChoice(orientation, "rbLandscape", QStringLiteral("&Landscape"));
    ClockwiseCheck = labels::Named(new QCheckBox(QStringLiteral("Clock&wise Rotation"), orientation), "ClockwiseCheck");
    orientation->layout()->addWidget(ClockwiseCheck);
    auto* facing = MakeGroup(choices, "FacingGroup", QStringLiteral("Facing"));
    rbUp = AddChoice(facing, "rbUp", QStringLiteral("&Up"));
    rbDown = AddChoice(facing, "rbDown", QStringLiteral("&Down"));

    auto* row = new QHBoxLayout(choices);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(position, 0, Qt::AlignTop);
    row->addWidget(orientation, 0, Qt::AlignTop);
    row->addWidget(facing, 0, Qt::AlignTop);
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*> {
             rbLeft, rbRight, rbCenter, rbPortrait, rbLandscape, rbUp, rbDown, ClockwiseCheck })
        connect(button, &QAbstractButton::clicked, this, [this] {
            ReadControls();
            ShowFeed();
        });
    return choices;
}

void TEnvelopeFeed::ReadControls()
{
    feed_.position = rbLeft->isChecked() ? fpLeft : rbRight->isChecked() ? fpRight : fpCenter;
    feed_.orientation = rbPortrait->isChecked() ? foPortrait : foLandscape;
    feed_.facing = rbUp->isChecked() ? ffUp : ffDown;
    feed_.clockwise = ClockwiseCheck->isChecked();
}

void TEnvelopeFeed::ShowFeed()
{
    rbLeft->setChecked(feed_.position == fpLeft);
    rbRight->setChecked(feed_.position == fpRight);
    rbCenter->setChecked(feed_.position == fpCenter);
    rbPortrait->setChecked(feed_.orientation == foPortrait);
    rbLandscape->setChecked(feed_.orientation == foLandscape);
    rbUp->setChecked(feed_.facing == ffUp);
    rbDown->setChecked(feed_.facing == ffDown);
    ClockwiseCheck->setChecked(feed_.clockwise);
    // A portrait envelope goes in upright: there is no way to turn it.
    ClockwiseCheck->setVisible(feed_.orientation == foLandscape);
    FeedPicture->SetFeed(feed_);
}

void TEnvelopeFeed::reject()
{
    done(labels::kResultCancel);
}

} // namespace envelopes
