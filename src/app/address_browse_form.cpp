#include "app/address_browse_form.h"

#include "app/address_browse_form_size.h"
#include "app/dialog_controls.h"
#include "store/browse_field_order.h"
#include "store/browse_model.h"
#include "store/dataset.h"
#include "ui/help.h"
#include "ui/whats_this.h"
#include "ui/window_placement.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvel {

namespace {

// Wide text fields would push the other columns out of sight.
constexpr int kWidestColumn = 260;

} // namespace

TAddressBrowseForm::TAddressBrowseForm(TDataset& dataset, const QStringList& fieldOrder,
                                       const QStringList& shownFields, TIniFile& ini, TToggleTag toggleTag,
                                       QWidget* parent)
    : QDialog(parent), dataset_(dataset), fieldOrder_(fieldOrder), shownFields_(shownFields), ini_(ini),
      toggleTag_(std::move(toggleTag))
{
    setObjectName(QStringLiteral("AddressBrowseForm"));
    setWindowTitle(QStringLiteral("Address Browse"));
    setFont(QFont(QStringLiteral("Arial"), font().pointSize()));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    resize(browseFormSize(currentScreenMetrics().dpi));
    model_ = new TBrowseModel(dataset_, shownBrowseColumns(fieldOrder_, shownFields_), this);
    auto* layout = new QVBoxLayout(this);
    createGrid();
    layout->addWidget(BrowseGrid);
    createButtons();
    showDatasetRecord();
}

TAddressBrowseForm::~TAddressBrowseForm() = default;

void TAddressBrowseForm::createGrid()
{
    BrowseGrid = new QTableView(this);
    BrowseGrid->setObjectName(QStringLiteral("BrowseGrid"));
    BrowseGrid->setModel(model_);
    BrowseGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    BrowseGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    BrowseGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    BrowseGrid->setShowGrid(true);
    BrowseGrid->setWordWrap(false);
    QHeaderView* titles = BrowseGrid->horizontalHeader();
    titles->setObjectName(QStringLiteral("BrowseGridTitles"));
    titles->setSectionsMovable(true);
    titles->setSectionResizeMode(QHeaderView::Interactive);
    titles->setHighlightSections(false);
    QHeaderView* indicator = BrowseGrid->verticalHeader();
    indicator->setObjectName(QStringLiteral("BrowseGridIndicator"));
    indicator->setSectionResizeMode(QHeaderView::Fixed);
    indicator->setDefaultSectionSize(BrowseGrid->fontMetrics().height() + 4);
    indicator->setMinimumWidth(BrowseGrid->fontMetrics().horizontalAdvance(QStringLiteral("WW")));
    setColumnWidths();
    setWhatsThisText(BrowseGrid, QStringLiteral("The records that match the filter, one per row, in the current "
                                                "sort order. Drag a column title to move the column, drag the edge "
                                                "of a title to make it wider or narrower. Double-click a row to tag "
                                                "or untag its record."));
    connect(BrowseGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { gridRowChanged(current); });
    connect(BrowseGrid, &QTableView::doubleClicked, this, [this] { TagButtonClick(); });
}

// Each column as wide as its field's values, but no narrower than its title.
void TAddressBrowseForm::setColumnWidths()
{
    const QFontMetrics metrics = BrowseGrid->fontMetrics();
    const int character = metrics.averageCharWidth();
    for (int column = 0; column < model_->columnCount(); ++column) {
        const QString title = model_->headerData(column, Qt::Horizontal).toString();
        const int forValues = model_->columnWidthInCharacters(column) * character;
        const int forTitle = metrics.horizontalAdvance(title) + 2 * character;
        BrowseGrid->setColumnWidth(column, std::min(kWidestColumn, std::max(forValues, forTitle)));
    }
}

void TAddressBrowseForm::createButtons()
{
    FirstButton = makeButton(QStringLiteral("|<"), QStringLiteral("FirstButton"), this,
                             QStringLiteral("Goes to the first record."));
    PriorButton = makeButton(QStringLiteral("<"), QStringLiteral("PriorButton"), this,
                             QStringLiteral("Goes to the previous record."));
    NextButton = makeButton(QStringLiteral(">"), QStringLiteral("NextButton"), this,
                            QStringLiteral("Goes to the next record."));
    LastButton = makeButton(QStringLiteral(">|"), QStringLiteral("LastButton"), this,
                            QStringLiteral("Goes to the last record."));
    TagButton = makeButton(QStringLiteral("&Tag"), QStringLiteral("TagButton"), this,
                           QStringLiteral("Tags the selected record, or untags it when it is tagged already."));
    OKButton = makeButton(QStringLiteral("Ok"), QStringLiteral("OKButton"), this,
                          QStringLiteral("Closes this window; the selected record becomes the current one."));
    HelpButton = makeHelpButton(this, help_context::kAddressBrowse);
    OKButton->setDefault(true);

    auto* row = new QHBoxLayout;
    for (QPushButton* button : {FirstButton, PriorButton, NextButton, LastButton})
        row->addWidget(button);
    row->addStretch();
    for (QPushButton* button : {TagButton, OKButton, HelpButton})
        row->addWidget(button);
    qobject_cast<QVBoxLayout*>(layout())->addLayout(row);

    connect(FirstButton, &QPushButton::clicked, this, &TAddressBrowseForm::FirstButtonClick);
    connect(PriorButton, &QPushButton::clicked, this, &TAddressBrowseForm::PriorButtonClick);
    connect(NextButton, &QPushButton::clicked, this, &TAddressBrowseForm::NextButtonClick);
    connect(LastButton, &QPushButton::clicked, this, &TAddressBrowseForm::LastButtonClick);
    connect(TagButton, &QPushButton::clicked, this, &TAddressBrowseForm::TagButtonClick);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

QStringList TAddressBrowseForm::columnOrder() const
{
    const QHeaderView* titles = BrowseGrid->horizontalHeader();
    QStringList columns;
    for (int visual = 0; visual < titles->count(); ++visual)
        columns << model_->columnName(titles->logicalIndex(visual));
    return columns;
}

QStringList TAddressBrowseForm::fieldOrder() const
{
    return withShownColumnsInOrder(fieldOrder_, shownFields_, columnOrder());
}

int TAddressBrowseForm::currentRow() const { return BrowseGrid->currentIndex().row(); }

void TAddressBrowseForm::FirstButtonClick() { goToRow(0); }

void TAddressBrowseForm::LastButtonClick() { goToRow(model_->rowCount() - 1); }

bool TAddressBrowseForm::PriorButtonClick()
{
    if (currentRow() <= 0) {
        QApplication::beep();
        return false;
    }
    goToRow(currentRow() - 1);
    return true;
}

bool TAddressBrowseForm::NextButtonClick()
{
    if (currentRow() < 0 || currentRow() >= model_->rowCount() - 1) {
        QApplication::beep();
        return false;
    }
    goToRow(currentRow() + 1);
    return true;
}

// The record changes under the grid: its row is read again, or every row
// when the query now selects other records (untagging under a tagged-only
// filter); the grid then follows the dataset's record.
void TAddressBrowseForm::TagButtonClick()
{
    const int row = currentRow();
    if (row < 0 || !toggleTag_)
        return;
    toggleTag_();
    model_->recordChanged(row);
    showDatasetRecord();
}

void TAddressBrowseForm::goToRow(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    const int column = std::max(0, BrowseGrid->currentIndex().column());
    BrowseGrid->setCurrentIndex(model_->index(row, column));
    BrowseGrid->scrollTo(BrowseGrid->currentIndex());
}

void TAddressBrowseForm::gridRowChanged(const QModelIndex& current)
{
    model_->setIndicatorRow(current.row());
    if (!following_ && current.isValid())
        model_->makeCurrent(current.row());
}

void TAddressBrowseForm::showDatasetRecord()
{
    following_ = true;
    const int row = model_->currentRow();
    if (row >= 0)
        goToRow(row);
    else
        model_->setIndicatorRow(-1);
    following_ = false;
}

void TAddressBrowseForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (firstActivation_)
        FormActivate();
}

void TAddressBrowseForm::FormActivate()
{
    firstActivation_ = false;
    TWindowPlacement(ini_).restore(this, parentWidget());
    BrowseGrid->setFocus();
}

void TAddressBrowseForm::done(int result)
{
    TWindowPlacement(ini_).save(this);
    // The record the grid shows is the one the main window is left on.
    if (currentRow() >= 0)
        model_->makeCurrent(currentRow());
    QDialog::done(result);
}

} // namespace quorvel
