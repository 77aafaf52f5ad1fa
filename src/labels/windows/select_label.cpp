#include "labels/windows/select_label.h"

#include "labels/label_codes.h"
#include "labels/label_layout_table.h"
#include "labels/label_stock_search.h"
#include "labels/label_template_query.h"
#include "labels/windows/dialog_buttons.h"
#include "store/dataset.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace labels {

namespace {

QLabel* MakeDisplay(QWidget* parent, const char* objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

QString Inches(double value)
{
    return QString::number(value, 'f', 3);
}

} // namespace

TSelectLabel::TSelectLabel(
    quorvel::TDataset& catalogue, const TLabelStock& current, bool startFromDefaults, QWidget* parent)
    : QDialog(parent)
    , catalogue_(catalogue)
{
    setObjectName(QStringLiteral("SelectLabel"));
    setWindowTitle(QStringLiteral("Select Label Template"));

    eManuFac = new QComboBox(this);
    eManuFac->setObjectName(QStringLiteral("eManuFac"));
    for (const TManufacturerEntry& entry : ManufacturerEntries())
        eManuFac->addItem(QString(entry.listEntry));
    eProdType = new QComboBox(this);
    eProdType->setObjectName(QStringLiteral("eProdType"));
    for (const QLatin1String& entry : ProductTypeEntries())
        eProdType->addItem(QString(entry));
    EuropeanPaper = new QCheckBox(QStringLiteral("European paper sizes only (A4, A5)"), this);
    EuropeanPaper->setObjectName(QStringLiteral("EuropeanPaper"));
    SearchEdit = new QLineEdit(this);
    SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    SearchEdit->setPlaceholderText(QStringLiteral("Search all stock: 5160, avery address, 1 x 2.625, 38.1mm"));
    SearchEdit->setClearButtonEnabled(true);

    LabelGrid = new QTableWidget(0, 1, this);
    LabelGrid->setObjectName(QStringLiteral("LabelGrid"));
    LabelGrid->setHorizontalHeaderLabels({ QStringLiteral("Description") });
    LabelGrid->horizontalHeader()->setStretchLastSection(true);
    LabelGrid->verticalHeader()->hide();
    LabelGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LabelGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    LabelGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    LabelGrid->installEventFilter(this);

    HeightDisplay = MakeDisplay(this, "HeightDisplay");
    WidthDisplay = MakeDisplay(this, "WidthDisplay");
    AcrossDisplay = MakeDisplay(this, "AcrossDisplay");
    DownDisplay = MakeDisplay(this, "DownDisplay");
    PaperWidthDisplay = MakeDisplay(this, "PaperWidthDisplay");
    PaperHeightDisplay = MakeDisplay(this, "PaperHeightDisplay");

    auto* choices = new QFormLayout;
    choices->addRow(QStringLiteral("Search"), SearchEdit);
    choices->addRow(QStringLiteral("Manufacturer"), eManuFac);
    choices->addRow(QStringLiteral("Product type"), eProdType);
    choices->addRow(EuropeanPaper);
    auto* sizes = new QFormLayout;
    sizes->addRow(QStringLiteral("Label height"), HeightDisplay);
    sizes->addRow(QStringLiteral("Label width"), WidthDisplay);
    sizes->addRow(QStringLiteral("# Across"), AcrossDisplay);
    sizes->addRow(QStringLiteral("# Down"), DownDisplay);
    sizes->addRow(QStringLiteral("Paper width"), PaperWidthDisplay);
    sizes->addRow(QStringLiteral("Paper height"), PaperHeightDisplay);
    auto* middle = new QHBoxLayout;
    middle->addWidget(LabelGrid, 1);
    middle->addLayout(sizes);
    auto* column = new QVBoxLayout(this);
    column->addLayout(choices);
    column->addLayout(middle);
    const TDialogButtons buttons = AddDialogButtons(*this, *column, kHelpContext);
    OKButton = buttons.ok;

    const TLabelComboPosition start = PositionLabelCombos(current, startFromDefaults);
    eManuFac->setCurrentIndex(start.manufacturerIndex);
    eProdType->setCurrentIndex(start.productTypeIndex);
    BuildLabelQuery();
    QStringList descriptions;
    for (const TLabelStock& stock : shown_)
        descriptions.append(stock.templateDescription);
    ShowRows(TemplateRowToShow(descriptions, current.templateDescription, start.findTemplateRow));

    connect(eManuFac, &QComboBox::currentIndexChanged, this, [this] { BuildLabelQuery(); });
    connect(eProdType, &QComboBox::currentIndexChanged, this, [this] { BuildLabelQuery(); });
    connect(EuropeanPaper, &QCheckBox::toggled, this, [this] { BuildLabelQuery(); });
    connect(SearchEdit, &QLineEdit::textChanged, this, &TSelectLabel::SearchChanged);
    connect(LabelGrid, &QTableWidget::currentCellChanged, this, [this] { ShowCurrentRow(); });
    connect(buttons.ok, &QPushButton::clicked, this, &TSelectLabel::OKButtonClick);
}

const TLabelStock& TSelectLabel::SelectedStock() const
{
    static const TLabelStock none;
    const int row = LabelGrid->currentRow();
    return row >= 0 && row < static_cast<int>(shown_.size()) ? shown_[static_cast<std::size_t>(row)] : none;
}

bool TSelectLabel::eventFilter(QObject* watched, QEvent* event)
{
    // The catalogue is supplied data: Insert must not start a new row.
    if (watched == LabelGrid && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert)
        return true;
    return QDialog::eventFilter(watched, event);
}

void TSelectLabel::BuildLabelQuery()
{
    const TLabelStockSearch search(SearchEdit->text());
    const bool searching = !search.IsEmpty();
    eManuFac->setEnabled(!searching);
    eProdType->setEnabled(!searching);
    EuropeanPaper->setEnabled(!searching);
    const QString filter = searching
        ? QString()
        : labels::BuildLabelQuery(eManuFac->currentText(), eProdType->currentIndex(), EuropeanPaper->isChecked());
    shown_.clear();
    if (catalogue_.SetQuery(filter)) {
        VisitRows(catalogue_, [&] {
            // A damaged row is left out rather than offered for copying.
            const TStockRead read = ReadCurrentTemplate(catalogue_);
            if (read.stock && search.Matches(*read.stock))
                shown_.push_back(*read.stock);
            return true;
        });
    }
    ShowRows(shown_.empty() ? -1 : 0);
}

void TSelectLabel::ShowRows(int current)
{
    const QSignalBlocker blocker(LabelGrid);
    LabelGrid->setRowCount(static_cast<int>(shown_.size()));
    for (std::size_t row = 0; row < shown_.size(); ++row)
        LabelGrid->setItem(static_cast<int>(row), 0, new QTableWidgetItem(shown_[row].templateDescription));
    if (current >= 0)
        LabelGrid->setCurrentCell(current, 0);
    const bool any = !shown_.empty();
    OKButton->setEnabled(any);
    LabelGrid->setEnabled(any);
    ShowCurrentRow();
}

void TSelectLabel::ShowCurrentRow()
{
    const bool any = LabelGrid->currentRow() >= 0 && !shown_.empty();
    const TLabelGeometry& geometry = SelectedStock().geometry;
    HeightDisplay->setText(any ? Inches(geometry.height) : QString());
    WidthDisplay->setText(any ? Inches(geometry.width) : QString());
    AcrossDisplay->setText(any ? QString::number(geometry.across) : QString());
    DownDisplay->setText(any ? QString::number(geometry.down) : QString());
    PaperWidthDisplay->setText(any ? Inches(geometry.sheetWidth) : QString());
    PaperHeightDisplay->setText(any ? Inches(geometry.sheetDepth) : QString());
}

void TSelectLabel::SearchChanged()
{
    BuildLabelQuery();
}

void TSelectLabel::OKButtonClick()
{
    if (LabelGrid->currentRow() < 0 || shown_.empty())
        return;
    done(kResultOk);
}

void TSelectLabel::reject()
{
    done(kResultCancel);
}

} // namespace labels
