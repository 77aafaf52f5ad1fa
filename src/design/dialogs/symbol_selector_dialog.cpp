#include "design/dialogs/symbol_selector_dialog.h"

#include "design/dialogs/symbol_choice.h"
#include "design/dialogs/text_dialog_buttons.h"
#include "design/model/dialog_font.h"
#include "design/model/text_labels.h"
#include "design/model/text_metrics.h"
#include "ui/services.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace design {

TSymbolSelector::TSymbolSelector(const TGFont& font, int pixelsPerInch, int symbolIndex, quorvel::THelp* help,
                                 QWidget* parent)
    : QDialog(parent), font_(font), pixelsPerInch_(pixelsPerInch)
{
    setObjectName(QStringLiteral("SymbolSelector"));
    setWindowTitle(QStringLiteral("Symbol Selector"));
    SymbolGrid = new QTableWidget(this);
    SymbolGrid->setObjectName(QStringLiteral("SymbolGrid"));
    SymbolGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    SymbolGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SymbolGrid->horizontalHeader()->hide();
    SymbolGrid->verticalHeader()->hide();
    FontButton = new QPushButton(this);
    FontButton->setObjectName(QStringLiteral("FontButton"));
    connect(FontButton, &QPushButton::clicked, this, &TSymbolSelector::FontButtonClick);
    connect(SymbolGrid, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);

    auto* column = new QVBoxLayout(this);
    column->addWidget(SymbolGrid);
    column->addWidget(FontButton);
    column->addLayout(MakeDialogButtons(*this, help, kHelpContext));
    ShowFont();
    SelectIndex(symbolIndex);
}

int TSymbolSelector::Columns() const { return SymbolGrid->columnCount(); }

int TSymbolSelector::SymbolIndex() const
{
    const int index = SymbolGrid->currentRow() * Columns() + SymbolGrid->currentColumn();
    return std::clamp(index, 0, kSymbolCount - 1);
}

void TSymbolSelector::SelectIndex(int index)
{
    const int columns = Columns();
    SymbolGrid->setCurrentCell(index / columns, index % columns);
}

// The grid is laid out afresh for each font: the number of columns follows
// the point size, and the cells are as large as the glyphs.
void TSymbolSelector::ShowFont()
{
    const int keep = SymbolGrid->columnCount() > 0 ? SymbolIndex() : 0;
    const QFont shown = DialogFont(font_, pixelsPerInch_);
    const int columns = SymbolColumns(shown.pointSize());
    SymbolGrid->clear();
    SymbolGrid->setFont(shown);
    SymbolGrid->setColumnCount(columns);
    SymbolGrid->setRowCount((kSymbolCount + columns - 1) / columns);
    const QFontMetrics metrics(shown);
    const int cell = std::max(metrics.height(), metrics.maxWidth()) + 6;
    for (int index = 0; index < kSymbolCount; ++index) {
        auto* item = new QTableWidgetItem(SymbolOfIndex(index));
        item->setTextAlignment(Qt::AlignCenter);
        item->setForeground(QColor::fromRgb(ColorToRgb(font_.Color)));
        SymbolGrid->setItem(index / columns, index % columns, item);
    }
    SymbolGrid->horizontalHeader()->setDefaultSectionSize(cell);
    SymbolGrid->verticalHeader()->setDefaultSectionSize(cell);
    FontButton->setText(SymbolFontCaption(shown.family(), shown.pointSize(), shown.bold(), shown.italic()));
    SelectIndex(keep);
}

void TSymbolSelector::FontButtonClick()
{
    const auto chosen = quorvel::TServices::dialogs().font(this, DialogFont(font_, pixelsPerInch_));
    if (!chosen)
        return;
    font_ = DesignFontFrom(*chosen, pixelsPerInch_, font_);
    ShowFont();
}

bool SelectSymbol(TGSymbolLabel& symbol, quorvel::THelp* help, QWidget* parent)
{
    TSymbolSelector dialog(symbol.Font(), symbol.PixelsPerInch(), SymbolIndexOfCaption(symbol.Caption()), help,
                           parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    symbol.ApplySymbol(dialog.Font(), dialog.SymbolIndex() + kFirstSymbolCode);
    return true;
}

} // namespace design
