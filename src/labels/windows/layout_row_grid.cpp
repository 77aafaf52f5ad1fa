#include "labels/windows/layout_row_grid.h"

#include "store/dataset.h"

#include <QHeaderView>

namespace labels {

TLayoutRowGrid::TLayoutRowGrid(const QStringList& headings, TRowCells cells, QWidget* parent)
    : QTableWidget(0, static_cast<int>(headings.size()), parent)
    , cells_(std::move(cells))
{
    setHorizontalHeaderLabels(headings);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void TLayoutRowGrid::ShowRows(quorvel::TDataset& table, std::uint32_t current)
{
    const QSignalBlocker quiet(this);
    rows_.clear();
    setRowCount(0);
    if (!table.Active())
        return;
    for (bool more = table.First(); more; more = table.Next()) {
        const int line = rowCount();
        insertRow(line);
        SetCells(line, cells_(table));
        rows_.push_back(table.RecNo());
        if (table.RecNo() == current || line == 0)
            setCurrentCell(line, 0);
    }
}

void TLayoutRowGrid::ShowPlaceholder(const QStringList& cells)
{
    if (HasRows())
        return;
    const QSignalBlocker quiet(this);
    setRowCount(1);
    SetCells(0, cells);
}

void TLayoutRowGrid::SetCells(int line, const QStringList& cells)
{
    for (int column = 0; column < cells.size() && column < columnCount(); ++column)
        setItem(line, column, new QTableWidgetItem(cells[column]));
}

bool TLayoutRowGrid::GoToHighlighted(quorvel::TDataset& table) const
{
    const int line = currentRow();
    if (line < 0 || line >= static_cast<int>(rows_.size()))
        return false;
    return table.GoTo(rows_[static_cast<std::size_t>(line)]);
}

} // namespace labels
