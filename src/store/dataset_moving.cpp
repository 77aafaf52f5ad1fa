// TDataset: moving through the records, orders and the query.
#include "store/dataset.h"

#include "store/cp1252.h"
#include "store/dataset_names.h"
#include "xbase/apollo.h"

namespace quorvel {

// A move made while editing first saves the edit; when that fails the
// dataset stays where it is, still editing.
bool TDataset::checkBrowseMode()
{
    if (state_ == TDataSetState::dsInactive)
        return fail(QStringLiteral("No table is open"));
    return !isEditing() || Post();
}

bool TDataset::First()
{
    if (!checkBrowseMode())
        return false;
    engine_.sx_GoTop();
    bof_ = true;
    eof_ = engine_.sx_Eof();
    return afterMove();
}

bool TDataset::Last()
{
    if (!checkBrowseMode())
        return false;
    engine_.sx_GoBottom();
    eof_ = true;
    bof_ = engine_.sx_Eof();
    return afterMove();
}

bool TDataset::Next() { return MoveBy(1); }
bool TDataset::Prior() { return MoveBy(-1); }

// The engine runs onto its empty position past either end; the dataset
// stays on the first or last record and only raises Bof or Eof.
bool TDataset::MoveBy(long count)
{
    if (!checkBrowseMode())
        return false;
    if (IsEmpty()) {
        bof_ = eof_ = true;
        return false;
    }
    engine_.sx_Skip(count);
    bool ranOff = false;
    if (engine_.sx_Eof()) {
        engine_.sx_GoBottom();
        ranOff = true;
    } else if (engine_.sx_Bof() && count < 0) {
        engine_.sx_GoTop();
        ranOff = true;
    }
    eof_ = ranOff && count > 0;
    bof_ = ranOff && count < 0;
    afterMove();
    return !ranOff;
}

bool TDataset::afterMove()
{
    notifyRecord();
    emit afterScroll();
    return !IsEmpty();
}

std::uint32_t TDataset::RecNo() const
{
    if (state_ == TDataSetState::dsInactive || state_ == TDataSetState::dsInsert || engine_.sx_Eof())
        return 0;
    return engine_.sx_RecNo();
}

bool TDataset::GoTo(std::uint32_t recno)
{
    if (!checkBrowseMode())
        return false;
    const std::uint32_t before = RecNo();
    if (!engine_.sx_Go(recno)) {
        failFromEngine(QStringLiteral("Unable to go to record ") + QString::number(recno));
        if (before != 0)
            engine_.sx_Go(before);
        return false;
    }
    bof_ = eof_ = false;
    afterMove();
    return true;
}

bool TDataset::IsEmpty() const
{
    if (state_ == TDataSetState::dsInactive)
        return true;
    return state_ != TDataSetState::dsInsert && engine_.sx_Eof();
}

void TDataset::Resync()
{
    if (state_ == TDataSetState::dsInactive)
        return;
    if (IsEmpty())
        bof_ = eof_ = true;
    notifyRecord();
}

bool TDataset::Seek(const QString& key)
{
    if (!checkBrowseMode())
        return false;
    const TCp1252Encoding encoded = toCp1252(key);
    if (!encoded.ok())
        return fail(encoded.message);
    const std::uint32_t before = RecNo();
    if (engine_.sx_Seek(encoded.bytes.toStdString())) {
        bof_ = eof_ = false;
        afterMove();
        return true;
    }
    if (before != 0)
        engine_.sx_Go(before);
    else
        engine_.sx_GoTop();
    return fail(QStringLiteral("Not found: ") + key);
}

bool TDataset::SetOrder(const QString& tagName)
{
    if (!checkBrowseMode())
        return false;
    int order = 0;
    if (!tagName.isEmpty()) {
        order = engine_.sx_TagArea(engineName(tagName));
        if (order == 0)
            return fail(QStringLiteral("The file has no index tag ") + tagName);
    }
    const std::uint32_t current = RecNo();
    if (!engine_.sx_SetOrder(order))
        return failFromEngine(QStringLiteral("Unable to select the order ") + tagName);
    if (current != 0)
        engine_.sx_Go(current);
    notifyRecord();
    return true;
}

QString TDataset::Order() const
{
    if (state_ == TDataSetState::dsInactive)
        return {};
    return QString::fromStdString(engine_.sx_TagName(engine_.sx_IndexOrd()));
}

bool TDataset::SetQuery(const QString& expression)
{
    if (!checkBrowseMode())
        return false;
    const TCp1252Encoding encoded = toCp1252(expression);
    if (!encoded.ok())
        return fail(encoded.message);
    if (!engine_.sx_Query(encoded.bytes.toStdString()))
        return failFromEngine(QStringLiteral("Unable to set the query"));
    First();
    return true;
}

QString TDataset::Query() const
{
    if (state_ == TDataSetState::dsInactive)
        return {};
    return fromCp1252(QByteArray::fromStdString(engine_.sx_DBFilter()));
}

std::uint32_t TDataset::QueryRecCount()
{
    if (state_ == TDataSetState::dsInactive)
        return 0;
    return engine_.sx_QueryRecCount();
}

} // namespace quorvel
