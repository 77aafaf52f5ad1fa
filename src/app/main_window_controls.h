#pragma once

#include <QList>
#include <QString>

class QLabel;
class QMainWindow;
class QPlainTextEdit;
class QPushButton;
class QStackedLayout;
class QTabWidget;
class QToolButton;
class QWidget;

namespace quorvel {

class TDataCheckBox;
class TDataFieldBox;

// The controls of the main window, made by buildMainControls. The window
// owns them through Qt's parent chain; these are plain pointers to reach
// them by name.
struct TMainControls {
    // Tool bar
    QToolButton* LabelsButton = nullptr;
    QToolButton* LettersButton = nullptr;
    QToolButton* EnvelopesButton = nullptr;
    QToolButton* ReportsButton = nullptr;
    QToolButton* BrowseButton = nullptr;
    QToolButton* SearchButton = nullptr;
    QToolButton* FilterButton = nullptr;
    QToolButton* MouseHelpButton = nullptr;

    // Record area: the name panel and the two pages.
    QStackedLayout* RecordStack = nullptr; // the record area, or the no-data panel over it
    QWidget* RecordArea = nullptr;
    QLabel* NoDataPanel = nullptr;
    QTabWidget* PageControl = nullptr;
    QWidget* AddressPage = nullptr;
    QWidget* MemoPage = nullptr;
    // Every box bound to a field, in tab order: LNAME first.
    QList<TDataFieldBox*> fieldBoxes;
    TDataFieldBox* DisplayDateBox = nullptr;
    TDataCheckBox* TaggedCheck = nullptr;
    QPushButton* DateButton = nullptr;
    QPushButton* DialPhone1Button = nullptr;
    QPushButton* DialPhone2Button = nullptr;
    QPlainTextEdit* MemoBox = nullptr;
    QPushButton* SearchMemoButton = nullptr;
    QPushButton* FindNextButton = nullptr;

    // Bottom bar
    QPushButton* FirstButton = nullptr;
    QPushButton* PriorButton = nullptr;
    QPushButton* NextButton = nullptr;
    QPushButton* LastButton = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* ExitButton = nullptr;
    QPushButton* ClearFilterButton = nullptr;

    // Status line
    QLabel* SortStatus = nullptr;
    QLabel* FilterStatus = nullptr;

    // The bound box of a field ("LNAME"), or null.
    TDataFieldBox* box(const QString& field) const;
};

// Builds the tool bar, record area, bottom bar and status line into the
// window. Boxes are not bound yet.
TMainControls buildMainControls(QMainWindow* window);

} // namespace quorvel
