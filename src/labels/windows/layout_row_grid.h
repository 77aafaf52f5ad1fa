#pragma once

#include <QStringList>
#include <QTableWidget>

#include <cstdint>
#include <functional>
#include <vector>

namespace quorvel {
class TDataset;
}

namespace labels {

// The read-only grid of a layout table's rows (labels, envelopes, reports),
// one line a row in the table's order. It keeps each line's record number,
// so that the line the user highlights can be made the table's current row
// whatever the table's cursor did since.
class TLayoutRowGrid : public QTableWidget {
public:
    // The cells of the table's current row, one a heading.
    using TRowCells = std::function<QStringList(const quorvel::TDataset&)>;

    TLayoutRowGrid(const QStringList& headings, TRowCells cells, QWidget* parent);

    // Lists the table's rows and highlights the one with record number
    // `current`, else the first; quietly, as no user moved.
    void ShowRows(quorvel::TDataset& table, std::uint32_t current);
    // Makes the highlighted line's row the table's current one; false when
    // there is none.
    bool GoToHighlighted(quorvel::TDataset& table) const;
    bool HasRows() const { return !rows_.empty(); }
    // A line that names no row, in a grid that has none, to show what a
    // first row would look like.
    void ShowPlaceholder(const QStringList& cells);

private:
    void SetCells(int line, const QStringList& cells);

    TRowCells cells_;
    std::vector<std::uint32_t> rows_; // the record number of each line
};

} // namespace labels
