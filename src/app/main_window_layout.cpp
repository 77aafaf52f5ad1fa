// The main window's controls: tool bar, name panel, the address and memo
// pages, the bottom bar and the status line.
#include "app/main_window_controls.h"

#include "app/main_window_texts.h"
#include "store/address_names.h"
#include "ui/data_check_box.h"
#include "ui/data_field_box.h"
#include "ui/whats_this.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace quorvel {

namespace {

QToolButton* addToolButton(QToolBar* bar, const QString& caption, const QString& name, const QString& hint)
{
    auto* button = new QToolButton(bar);
    button->setText(caption);
    button->setObjectName(name);
    button->setToolTip(hint);
    setWhatsThisText(button, hint);
    bar->addWidget(button);
    return button;
}

void buildToolBar(QMainWindow* window, TMainControls& c)
{
    auto* bar = new QToolBar(QStringLiteral("Tools"), window);
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    window->addToolBar(bar);
    const auto add = [bar](const char* caption, const char* name, const char* hint) {
        return addToolButton(bar, QString::fromLatin1(caption), QString::fromLatin1(name), QString::fromLatin1(hint));
    };
    c.LabelsButton = add("Labels", "LabelsButton", "Click here or press CTRL+L to print/design labels");
    c.LettersButton = add("Letters", "LettersButton", "Click here or press CTRL+T to print/design letters");
    c.EnvelopesButton = add("Envelopes", "EnvelopesButton", "Click here or press CTRL+E to print/design envelopes");
    c.ReportsButton = add("Reports", "ReportsButton", "Click here or press CTRL+R to print/design reports");
    c.BrowseButton = add("Browse", "BrowseButton", "Click here or press CTRL+B for a table view of the database");
    c.SearchButton = add("Search", "SearchButton", "Click here or press CTRL+S to search for a specific value");
    c.FilterButton = add("Filter", "FilterButton", "Click here or press CTRL+F to set or change a filter");
    c.MouseHelpButton = add("?", "MouseHelpButton", "Click here, then on any part of the window to learn what it does");
    for (QToolButton* button : {c.LabelsButton, c.LettersButton, c.EnvelopesButton, c.ReportsButton})
        markWithoutWindow(button);
}

TDataFieldBox* addFieldBox(QGridLayout* grid, QWidget* parent, const TBoxSpec& spec, int row, int column)
{
    auto* label = new QLabel(spec.caption, parent);
    label->setObjectName(spec.field + QStringLiteral("Label"));
    auto* box = new TDataFieldBox(parent);
    box->setObjectName(spec.field + QStringLiteral("Edit"));
    setWhatsThisText(box, spec.whatsThis);
    label->setBuddy(box);
    grid->addWidget(label, row, column);
    grid->addWidget(box, row, column + 1);
    return box;
}

QWidget* buildNamePanel(QWidget* parent, TMainControls& c)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("NamePanel"));
    auto* grid = new QGridLayout(panel);
    int index = 0;
    for (const TBoxSpec& spec : nameBoxSpecs()) {
        // Two boxes a row: Last and First, MI and Prefix, Title and Org.
        c.fieldBoxes.append(addFieldBox(grid, panel, spec, index / 2, (index % 2) * 2));
        ++index;
    }
    c.box(QStringLiteral("MIDDLE"))->setUpperCase(true);
    return panel;
}

QPushButton* makeButton(QWidget* parent, const QString& caption, const QString& name, const QString& whatsThis)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    setWhatsThisText(button, whatsThis);
    return button;
}

void addDateRow(QGridLayout* grid, QWidget* page, TMainControls& c, int row)
{
    c.DateButton = makeButton(page, QStringLiteral("Date"), QStringLiteral("DateButton"),
                              QStringLiteral("Chooses the record's date from a calendar."));
    c.DisplayDateBox = new TDataFieldBox(page);
    c.DisplayDateBox->setObjectName(QStringLiteral("DisplayDateEdit"));
    c.DisplayDateBox->setReadOnly(true);
    c.DisplayDateBox->setFocusPolicy(Qt::ClickFocus);
    setWhatsThisText(c.DisplayDateBox, QStringLiteral("The record's date. Use the Date button to change it."));
    c.TaggedCheck = new TDataCheckBox(QStringLiteral("Tagged"), page);
    c.TaggedCheck->setObjectName(QStringLiteral("TaggedCheck"));
    setWhatsThisText(c.TaggedCheck, QStringLiteral("Shows whether the record is tagged."));
    grid->addWidget(c.DateButton, row, 0);
    grid->addWidget(c.DisplayDateBox, row, 1);
    grid->addWidget(c.TaggedCheck, row, 2);
}

QWidget* buildAddressPage(QWidget* parent, TMainControls& c)
{
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("AddressPage"));
    auto* grid = new QGridLayout(page);
    int row = 0;
    for (const TBoxSpec& spec : addressBoxSpecs())
        c.fieldBoxes.append(addFieldBox(grid, page, spec, row++, 0));
    c.DialPhone1Button = makeButton(page, QStringLiteral("Dial Phone &1"), QStringLiteral("DialPhone1Button"),
                                    QStringLiteral("Dials the first telephone number."));
    c.DialPhone2Button = makeButton(page, QStringLiteral("Dial Phone &2"), QStringLiteral("DialPhone2Button"),
                                    QStringLiteral("Dials the second telephone number."));
    markWithoutWindow(c.DialPhone1Button);
    markWithoutWindow(c.DialPhone2Button);
    grid->addWidget(c.DialPhone1Button, addressBoxRow(QStringLiteral("PHONE")), 2);
    grid->addWidget(c.DialPhone2Button, addressBoxRow(QStringLiteral("PHONE2")), 2);
    addDateRow(grid, page, c, row);
    return page;
}

QWidget* buildMemoPage(QWidget* parent, TMainControls& c)
{
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("MemoPage"));
    auto* layout = new QVBoxLayout(page);
    c.MemoBox = new QPlainTextEdit(page);
    c.MemoBox->setObjectName(QStringLiteral("MemoBox"));
    c.MemoBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWhatsThisText(c.MemoBox, QStringLiteral("Free notes about this person, as long as you like."));
    c.SearchMemoButton = makeButton(page, QStringLiteral("Search &Memo"), QStringLiteral("SearchMemoButton"),
                                    QStringLiteral("Looks for a text in the notes of the records."));
    c.FindNextButton = makeButton(page, QStringLiteral("Find &Next"), QStringLiteral("FindNextButton"),
                                  QStringLiteral("Looks for the same text in the following records."));
    c.FindNextButton->hide();
    auto* row = new QHBoxLayout;
    row->addWidget(c.SearchMemoButton);
    row->addWidget(c.FindNextButton);
    row->addStretch();
    layout->addWidget(c.MemoBox);
    layout->addLayout(row);
    return page;
}

QWidget* buildRecordArea(QWidget* parent, TMainControls& c)
{
    c.RecordArea = new QWidget(parent);
    c.RecordArea->setObjectName(QStringLiteral("RecordArea"));
    auto* layout = new QVBoxLayout(c.RecordArea);
    layout->addWidget(buildNamePanel(c.RecordArea, c));
    c.PageControl = new QTabWidget(c.RecordArea);
    c.PageControl->setObjectName(QStringLiteral("PageControl"));
    c.AddressPage = buildAddressPage(c.PageControl, c);
    c.MemoPage = buildMemoPage(c.PageControl, c);
    c.PageControl->addTab(c.AddressPage, QStringLiteral("Address &Information"));
    c.PageControl->addTab(c.MemoPage, QStringLiteral("&Memo"));
    layout->addWidget(c.PageControl);
    return c.RecordArea;
}

void buildBottomBar(QWidget* parent, QVBoxLayout* layout, TMainControls& c)
{
    auto* bar = new QWidget(parent);
    bar->setObjectName(QStringLiteral("BottomBar"));
    auto* row = new QHBoxLayout(bar);
    const auto add = [bar, row](const char* caption, const char* name, const char* whatsThis) {
        QPushButton* button = makeButton(bar, QString::fromLatin1(caption), QString::fromLatin1(name),
                                         QString::fromLatin1(whatsThis));
        row->addWidget(button);
        return button;
    };
    c.FirstButton = add("|<", "FirstButton", "Goes to the first record.");
    c.PriorButton = add("<", "PriorButton", "Goes to the previous record.");
    c.NextButton = add(">", "NextButton", "Goes to the next record.");
    c.LastButton = add(">|", "LastButton", "Goes to the last record.");
    row->addStretch();
    c.SaveButton = add("&Save", "SaveButton", "Stores the changes to this record.");
    c.CancelButton = add("&Cancel", "CancelButton", "Throws away the changes to this record.");
    c.AddButton = add("&Add", "AddButton", "Starts a new record.");
    c.EditButton = add("&Edit", "EditButton", "Lets you change this record.");
    c.DeleteButton = add("&Delete", "DeleteButton", "Deletes this record.");
    c.ExitButton = add("E&xit", "ExitButton", "Closes the program.");
    c.ClearFilterButton = add("Clear Filter", "ClearFilterButton", "Shows every record again.");
    for (QPushButton* hidden : {c.SaveButton, c.CancelButton, c.ClearFilterButton})
        hidden->hide();
    layout->addWidget(bar);
}

void buildStatusLine(QMainWindow* window, TMainControls& c)
{
    c.SortStatus = new QLabel(window);
    c.SortStatus->setObjectName(QStringLiteral("SortStatus"));
    c.FilterStatus = new QLabel(window);
    c.FilterStatus->setObjectName(QStringLiteral("FilterStatus"));
    window->statusBar()->setObjectName(QStringLiteral("StatusLine"));
    window->statusBar()->addWidget(c.SortStatus, 1);
    window->statusBar()->addPermanentWidget(c.FilterStatus);
}

} // namespace

TDataFieldBox* TMainControls::box(const QString& field) const
{
    for (TDataFieldBox* candidate : fieldBoxes) {
        if (candidate->objectName() == field + QStringLiteral("Edit"))
            return candidate;
    }
    return nullptr;
}

TMainControls buildMainControls(QMainWindow* window)
{
    TMainControls c;
    buildToolBar(window, c);
    auto* central = new QWidget(window);
    central->setObjectName(QStringLiteral("CentralArea"));
    auto* layout = new QVBoxLayout(central);
    auto* stack = new QWidget(central);
    auto* stacked = new QStackedLayout(stack);
    c.RecordStack = stacked;
    c.NoDataPanel = new QLabel(noDataPanelText(), stack);
    c.NoDataPanel->setObjectName(QStringLiteral("NoDataPanel"));
    c.NoDataPanel->setAlignment(Qt::AlignCenter);
    c.NoDataPanel->setAutoFillBackground(true);
    stacked->addWidget(c.NoDataPanel);
    stacked->addWidget(buildRecordArea(stack, c));
    layout->addWidget(stack, 1);
    buildBottomBar(central, layout, c);
    window->setCentralWidget(central);
    buildStatusLine(window, c);
    return c;
}

} // namespace quorvel
