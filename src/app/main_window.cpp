#include "app/main_window.h"

#include "app/main_menu.h"
#include "app/main_window_texts.h"
#include "store/address_display_date.h"
#include "store/address_names.h"
#include "ui/data_check_box.h"
#include "ui/data_field_box.h"
#include "ui/help.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QTabWidget>
#include <QToolButton>
#include <QWhatsThis>

namespace quorvel {

TAddressMain::TAddressMain(QWidget* parent) : TAddressMain(THomeFolder::defaultRoot(), parent) { }

TAddressMain::TAddressMain(const QString& homeRoot, QWidget* parent)
    : QMainWindow(parent), home_(homeRoot), settings_(home_.iniPath()), ApolloEnv1(xbase::TApolloEnv::global()),
      Apollo1(ApolloEnv1), TableQVW(Apollo1), today_([] { return QDate::currentDate(); })
{
    setObjectName(QStringLiteral("AddressMain"));
    setWindowTitle(QStringLiteral("Quorvel"));
    setFont(QFont(QStringLiteral("Arial"), font().pointSize()));
    setProperty("helpContext", help_context::kMainWindow);
    resize(720, 560);
    controls_ = buildMainControls(this);
    menu_ = new TMainMenu(*this);
    TableQVW.setDisplayDateFormat(displayDateFormat(systemShortDatePattern()));
    bindControls();
    connectControls();
    connectDataset();
    controls_.SortStatus->clear();
    controls_.FilterStatus->clear();
    controls_.PageControl->setCurrentWidget(controls_.AddressPage);
    OnOpenQVWFile(false);
}

// The table goes first, quietly: nothing bound to it may hear of the close
// while the window is half taken down.
TAddressMain::~TAddressMain()
{
    TableQVW.disconnect();
    TableQVW.Close();
}

void TAddressMain::bindControls()
{
    const auto editAllowed = [this] { return controls_.EditButton->isEnabled() && controls_.EditButton->isVisible(); };
    for (TDataFieldBox* box : controls_.fieldBoxes) {
        box->bind(&TableQVW, box->objectName().chopped(4));
        box->setAutoEdit(editAllowed);
    }
    controls_.DisplayDateBox->bind(&TableQVW, QStringLiteral("DisplayDate"));
    controls_.TaggedCheck->bind(&TableQVW, QStringLiteral("Tagged"));
    // Keys reach the window before whichever control has the focus.
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

void TAddressMain::connectControls()
{
    const TMainControls& c = controls_;
    connect(c.FirstButton, &QPushButton::clicked, this, &TAddressMain::FirstRecord);
    connect(c.PriorButton, &QPushButton::clicked, this, &TAddressMain::PriorRecord);
    connect(c.NextButton, &QPushButton::clicked, this, &TAddressMain::NextRecord);
    connect(c.LastButton, &QPushButton::clicked, this, &TAddressMain::LastRecord);
    connect(c.SaveButton, &QPushButton::clicked, this, &TAddressMain::SaveButtonClick);
    connect(c.CancelButton, &QPushButton::clicked, this, &TAddressMain::CancelButtonClick);
    connect(c.AddButton, &QPushButton::clicked, this, &TAddressMain::AddButtonClick);
    connect(c.EditButton, &QPushButton::clicked, this, &TAddressMain::EditButtonClick);
    connect(c.DeleteButton, &QPushButton::clicked, this, &TAddressMain::DeleteButtonClick);
    connect(c.ExitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(c.DateButton, &QPushButton::clicked, this, &TAddressMain::DateButtonClick);
    connect(c.FilterButton, &QToolButton::clicked, this, &TAddressMain::SetFilterClick);
    connect(c.ClearFilterButton, &QPushButton::clicked, this, &TAddressMain::ClearFilterClick);
    connect(c.BrowseButton, &QToolButton::clicked, this, &TAddressMain::BrowseClick);
    connect(c.SearchButton, &QToolButton::clicked, this, &TAddressMain::SearchClick);
    connect(c.SearchMemoButton, &QPushButton::clicked, this, &TAddressMain::SearchMemoClick);
    connect(c.FindNextButton, &QPushButton::clicked, this, &TAddressMain::FindNextClick);
    connect(c.TaggedCheck, &TDataCheckBox::clickedOnRecord, this, &TAddressMain::ToggleTag);
    connect(c.MouseHelpButton, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    for (TDataFieldBox* box : c.fieldBoxes)
        connect(box, &TDataFieldBox::doubleClicked, this, &TAddressMain::SetButtons);
}

void TAddressMain::connectDataset()
{
    connect(&TableQVW, &TDataset::afterScroll, this, &TAddressMain::TableQVWAfterScroll);
    connect(&TableQVW, &TDataset::afterPost, this, &TAddressMain::TableQVWAfterPost);
    connect(&TableQVW, &TDataset::stateChanged, this, [this] {
        if (eventReactions_)
            SetButtons();
    });
}

TRecordWindowFacts TAddressMain::facts()
{
    TRecordWindowFacts facts;
    facts.open = TableQVW.Active();
    facts.editing = facts.open && TableQVW.isEditing();
    facts.onRecord = facts.open && !TableQVW.IsEmpty();
    facts.filterSet = filterSet();
    return facts;
}

void TAddressMain::SetButtons()
{
    const TButtonStates states = buttonStates(facts());
    applyStates(states);
    menu_->apply(states);
    if (states.saveCancelShown)
        focusLastNameWhileEditing();
    refreshFilterStatus();
}

namespace {

void enableCommand(QWidget* control, bool allowed) { control->setEnabled(allowed && hasWindow(control)); }

void showAndEnable(QWidget* control, bool shown)
{
    control->setVisible(shown);
    control->setEnabled(shown);
}

} // namespace

void TAddressMain::applyStates(const TButtonStates& s)
{
    const TMainControls& c = controls_;
    for (QWidget* control : {static_cast<QWidget*>(c.SearchButton), static_cast<QWidget*>(c.BrowseButton),
                             static_cast<QWidget*>(c.LabelsButton), static_cast<QWidget*>(c.LettersButton),
                             static_cast<QWidget*>(c.EnvelopesButton), static_cast<QWidget*>(c.ReportsButton)})
        enableCommand(control, s.needsRecord);
    c.EditButton->setEnabled(s.needsRecord);
    c.DeleteButton->setEnabled(s.needsRecord);
    for (QWidget* control : {c.FirstButton, c.PriorButton, c.NextButton, c.LastButton, c.DialPhone1Button,
                             c.DialPhone2Button, c.SearchMemoButton})
        control->setVisible(s.recordButtonsVisible);
    for (QWidget* control : {c.DialPhone1Button, c.DialPhone2Button, c.SearchMemoButton})
        enableCommand(control, true);
    c.AddButton->setEnabled(s.addEnabled);
    showAndEnable(c.SaveButton, s.saveCancelShown);
    showAndEnable(c.CancelButton, s.saveCancelShown);
    for (QWidget* control : {c.AddButton, c.EditButton, c.DeleteButton, c.ExitButton})
        control->setVisible(s.idleButtonsShown);
    c.FindNextButton->setVisible(s.findNextAllowed && memoFound_);
    c.ClearFilterButton->setVisible(s.clearFilterVisible);
    enableCommand(c.ClearFilterButton, s.clearFilterEnabled);
    enableCommand(c.FilterButton, s.setFilterEnabled);
    c.DateButton->setEnabled(s.needsRecord || s.saveCancelShown);
    c.MemoBox->setReadOnly(!s.needsRecord && !s.saveCancelShown);
}

void TAddressMain::focusLastNameWhileEditing()
{
    QWidget* focused = QApplication::focusWidget();
    const bool onRecordControl = focused == controls_.MemoBox
                                 || controls_.fieldBoxes.contains(qobject_cast<TDataFieldBox*>(focused));
    if (!onRecordControl && isActiveWindow())
        controls_.box(QStringLiteral("LNAME"))->setFocus();
}

void TAddressMain::refreshFilterStatus()
{
    const std::optional<QString> text =
        filterStatusText(TableQVW.Active(), filterSet(), TableQVW.Active() ? TableQVW.QueryRecCount() : 0);
    controls_.FilterStatus->setVisible(text.has_value());
    controls_.FilterStatus->setText(text.value_or(QString()));
}

void TAddressMain::TableQVWAfterScroll()
{
    if (!eventReactions_)
        return;
    reloadMemo();
    refreshFilterStatus();
}

void TAddressMain::reloadMemo()
{
    if (TableQVW.isEditing())
        return;
    loadingRecordArea_ = true;
    const bool hasRecord = TableQVW.Active() && !TableQVW.IsEmpty();
    QString memo = hasRecord ? TableQVW.MemoText(u"MEMO") : QString();
    // Stored with CR LF line ends; the box separates lines with LF alone.
    memo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    controls_.MemoBox->setPlainText(memo);
    loadingRecordArea_ = false;
}

} // namespace quorvel
