#pragma once

#include "store/browse_pages.h"

#include <QAbstractTableModel>

#include <cstdint>

namespace quorvel {

class TDataset;

// A read-only table of a dataset's query in its current order: one row per
// record, one column per field named, titled with the field's label. Rows
// are read lazily, a page at a time (TBrowsePages), so opening it on a large
// file reads only the rows a view asks for.
//
// The dataset's current record and a view's current row are kept in step
// by the view's owner: makeCurrent() moves the dataset to a row's record,
// currentRow() finds the row of the record the dataset is on.
class TBrowseModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TBrowseModel(TDataset& dataset, const QStringList& columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QString columnName(int column) const;
    // The declared width of the column's field, in characters (0 unknown).
    int columnWidthInCharacters(int column) const;

    // The record shown in the row; 0 when there is none.
    std::uint32_t recordAt(int row);
    // The row of the dataset's current record; -1 when there are no rows.
    int currentRow();
    // Makes the row's record the dataset's current one.
    bool makeCurrent(int row);
    // The row marked in the row indicator (the vertical header).
    void setIndicatorRow(int row);
    int indicatorRow() const { return indicatorRow_; }

    // The row's record changed: it is read again. When the query now
    // selects another number of records, every row is read again instead.
    void recordChanged(int row);
    // Everything is read again (the records, the query or the order changed).
    void reload();

    std::uint64_t recordsVisited() const { return pages_.recordsVisited(); }

private:
    void checkShortfall() const;

    TDataset& dataset_;
    mutable TBrowsePages pages_;
    int indicatorRow_ = -1;
    mutable bool reloadQueued_ = false;
};

} // namespace quorvel
