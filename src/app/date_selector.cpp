#include "app/date_selector.h"

#include "app/dialog_controls.h"
#include "ui/help.h"
#include "ui/whats_this.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

TDateSelector::TDateSelector(const QDate& shown, const QDate& today, QWidget* parent) : QDialog(parent), today_(today)
{
    setObjectName(QStringLiteral("DateSelector"));
    setWindowTitle(QStringLiteral("Select a Date"));
    auto* layout = new QVBoxLayout(this);
    ChosenDateLabel = makeLabel(QString(), QStringLiteral("ChosenDateLabel"), this);
    ChosenDateLabel->setAlignment(Qt::AlignCenter);
    Calendar = new QCalendarWidget(this);
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->setSelectedDate(shown.isValid() ? shown : today);
    setWhatsThisText(Calendar, QStringLiteral("Click a day to choose it."));
    layout->addWidget(ChosenDateLabel);
    layout->addWidget(Calendar);
    createButtons();
    connect(Calendar, &QCalendarWidget::selectionChanged, this, &TDateSelector::showChosenDate);
    showChosenDate();
}

void TDateSelector::createButtons()
{
    YearBackButton = makeButton(QStringLiteral("Year-"), QStringLiteral("YearBackButton"), this,
                                   QStringLiteral("The same day a year earlier."));
    MonthBackButton = makeButton(QStringLiteral("Month-"), QStringLiteral("MonthBackButton"), this,
                                    QStringLiteral("The same day a month earlier."));
    TodayButton = makeButton(QStringLiteral("Today"), QStringLiteral("TodayButton"), this, QStringLiteral("Today's date."));
    MonthForwardButton = makeButton(QStringLiteral("Month +"), QStringLiteral("MonthForwardButton"), this,
                                       QStringLiteral("The same day a month later."));
    YearForwardButton = makeButton(QStringLiteral("Year+"), QStringLiteral("YearForwardButton"), this,
                                      QStringLiteral("The same day a year later."));
    OKButton = makeButton(QStringLiteral("Ok"), QStringLiteral("OKButton"), this,
                          QStringLiteral("Puts the chosen date into the record."));
    NoDateButton = makeButton(QStringLiteral("No Date"), QStringLiteral("NoDateButton"), this,
                              QStringLiteral("Removes the date from the record."));
    CancelButton = makeButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this,
                              QStringLiteral("Leaves the record's date as it was."));
    HelpButton = makeHelpButton(this, help_context::kDateSelector);
    OKButton->setDefault(true);

    auto* steps = new QHBoxLayout;
    for (QPushButton* button : {YearBackButton, MonthBackButton, TodayButton, MonthForwardButton, YearForwardButton})
        steps->addWidget(button);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    for (QPushButton* button : {OKButton, NoDateButton, CancelButton, HelpButton})
        closing->addWidget(button);
    auto* box = qobject_cast<QVBoxLayout*>(layout());
    box->addLayout(steps);
    box->addLayout(closing);

    connect(YearBackButton, &QPushButton::clicked, this, [this] { moveBy(-1, 0); });
    connect(MonthBackButton, &QPushButton::clicked, this, [this] { moveBy(0, -1); });
    connect(MonthForwardButton, &QPushButton::clicked, this, [this] { moveBy(0, 1); });
    connect(YearForwardButton, &QPushButton::clicked, this, [this] { moveBy(1, 0); });
    connect(TodayButton, &QPushButton::clicked, this, [this] { Calendar->setSelectedDate(today_); });
    connect(OKButton, &QPushButton::clicked, this, [this] { finish(TChoice::Date); });
    connect(NoDateButton, &QPushButton::clicked, this, [this] { finish(TChoice::NoDate); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { finish(TChoice::Cancelled); });
}

QDate TDateSelector::selectedDate() const { return Calendar->selectedDate(); }

void TDateSelector::showChosenDate()
{
    ChosenDateLabel->setText(QLocale().toString(Calendar->selectedDate(), QLocale::LongFormat));
}

void TDateSelector::moveBy(int years, int months)
{
    // 31 January and a month on is the last day of February.
    Calendar->setSelectedDate(Calendar->selectedDate().addYears(years).addMonths(months));
}

void TDateSelector::finish(TChoice choice)
{
    choice_ = choice;
    if (choice == TChoice::Cancelled)
        reject();
    else
        accept();
}

} // namespace quorvel
