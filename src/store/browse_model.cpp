#include "store/browse_model.h"

#include "store/dataset.h"

#include <QTimer>

namespace quorvel {

namespace {

// The mark of the current row in the row indicator.
const QChar kIndicator(0x25B6);

} // namespace

TBrowseModel::TBrowseModel(TDataset& dataset, const QStringList& columns, QObject* parent)
    : QAbstractTableModel(parent), dataset_(dataset), pages_(dataset, columns)
{
}

int TBrowseModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : pages_.rowCount(); }

int TBrowseModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(pages_.columns().size());
}

QVariant TBrowseModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const QStringList* values = pages_.rowValues(index.row());
    checkShortfall();
    if (!values || index.column() >= values->size())
        return {};
    return values->at(index.column());
}

QVariant TBrowseModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section == indicatorRow_ ? QVariant(QString(kIndicator)) : QVariant(QString());
    if (section < 0 || section >= columnCount())
        return {};
    const TFieldDef* field = dataset_.findFieldDef(columnName(section));
    return field && !field->label.isEmpty() ? field->label : columnName(section);
}

Qt::ItemFlags TBrowseModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QString TBrowseModel::columnName(int column) const { return pages_.columns().value(column); }

int TBrowseModel::columnWidthInCharacters(int column) const
{
    const TFieldDef* field = dataset_.findFieldDef(columnName(column));
    if (!field)
        return 0;
    const int width = dataset_.FieldWidth(field->name);
    return width > 0 ? width : field->width;
}

std::uint32_t TBrowseModel::recordAt(int row)
{
    const std::uint32_t recno = pages_.recordAt(row);
    checkShortfall();
    return recno;
}

int TBrowseModel::currentRow()
{
    if (dataset_.IsEmpty())
        return -1;
    return pages_.rowOf(dataset_.RecNo());
}

bool TBrowseModel::makeCurrent(int row)
{
    const std::uint32_t recno = recordAt(row);
    if (recno == 0)
        return false;
    return dataset_.RecNo() == recno || dataset_.GoTo(recno);
}

void TBrowseModel::setIndicatorRow(int row)
{
    const int before = indicatorRow_;
    indicatorRow_ = row;
    if (before >= 0 && before < rowCount())
        emit headerDataChanged(Qt::Vertical, before, before);
    if (row >= 0 && row < rowCount() && row != before)
        emit headerDataChanged(Qt::Vertical, row, row);
}

void TBrowseModel::recordChanged(int row)
{
    const int before = pages_.rowCount();
    if (static_cast<int>(dataset_.QueryRecCount()) != before) {
        reload();
        return;
    }
    pages_.forgetRow(row);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void TBrowseModel::reload()
{
    beginResetModel();
    pages_.reset();
    indicatorRow_ = -1;
    reloadQueued_ = false;
    endResetModel();
}

// A query that held fewer records than it counted: the rows are counted
// again once the view has finished asking (never while it paints).
void TBrowseModel::checkShortfall() const
{
    if (!pages_.shortfall() || reloadQueued_)
        return;
    reloadQueued_ = true;
    QTimer::singleShot(0, const_cast<TBrowseModel*>(this), &TBrowseModel::reload);
}

} // namespace quorvel
