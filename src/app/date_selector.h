#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace quorvel {

// "Select a Date": a calendar with steps of a month or a year, for the
// record's date. Closes with a date ("Ok"), with no date ("No Date"), or
// without a change ("Cancel").
class TDateSelector : public QDialog {
    Q_OBJECT
public:
    enum class TChoice { Date, NoDate, Cancelled };

    TDateSelector(const QDate& shown, const QDate& today, QWidget* parent = nullptr);

    TChoice choice() const { return choice_; }
    QDate selectedDate() const;

private:
    void createButtons();
    void showChosenDate();
    void moveBy(int years, int months);
    void finish(TChoice choice);

    QDate today_;
    TChoice choice_ = TChoice::Cancelled;
    QCalendarWidget* Calendar = nullptr;
    QLabel* ChosenDateLabel = nullptr;
    QPushButton* YearBackButton = nullptr;
    QPushButton* MonthBackButton = nullptr;
    QPushButton* TodayButton = nullptr;
    QPushButton* MonthForwardButton = nullptr;
    QPushButton* YearForwardButton = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* NoDateButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
};

} // namespace quorvel
