#include "labels/windows/label_sheet_picture.h"

#include "labels/label_position_picker.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace labels {

namespace {

// The picture has room for a letter sheet at least, and grows for larger
// sheets.
constexpr double kRoomWidth = 8.5;
constexpr double kRoomDepth = 11.0;

} // namespace

TLabelSheetPicture::TLabelSheetPicture(const TLabelGeometry& geometry, TPositionMask& mask, QWidget* parent)
    : QWidget(parent)
    , geometry_(geometry)
    , mask_(mask)
    , pixelsPerInch_(logicalDpiX())
{
    setObjectName(QStringLiteral("SheetPicture"));
    setMinimumSize(sizeHint());
}

QSize TLabelSheetPicture::sizeHint() const
{
    TLabelGeometry room = geometry_;
    room.sheetWidth = std::max(geometry_.sheetWidth, kRoomWidth);
    room.sheetDepth = std::max(geometry_.sheetDepth, kRoomDepth);
    const QRect page = PickerPageRect(room, pixelsPerInch_);
    return { page.right() + 2 * kPickerInset, page.bottom() + 2 * kPickerInset };
}

void TLabelSheetPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(PickerPageRect(geometry_, pixelsPerInch_));
    for (int index = 0; index < geometry_.PositionCount(); ++index) {
        painter.setBrush(mask_.test(static_cast<std::size_t>(index)) ? Qt::red : Qt::white);
        painter.drawRect(PickerPositionRect(geometry_, index, pixelsPerInch_));
    }
}

void TLabelSheetPicture::mousePressEvent(QMouseEvent* event)
{
    const int index = PickerPositionAt(geometry_, event->position().toPoint(), pixelsPerInch_);
    if (index < 0)
        return;
    mask_.flip(static_cast<std::size_t>(index));
    update();
    emit MaskChanged();
}

} // namespace labels
