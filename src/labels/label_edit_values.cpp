#include "labels/label_edit_values.h"

#include "labels/label_codes.h"
#include "labels/label_validation.h"

#include <cmath>

namespace labels {

TLabelEditValues::TLabelEditValues(const TLabelGeometry& geometry)
    : held_(geometry), shapeIndex_(ShapeListIndex(geometry.shape))
{
}

int TLabelEditValues::ShownDecimals() const { return unit_ == TLengthUnit::luInches ? 3 : 1; }

double TLabelEditValues::Shown(TLength length) const
{
    const double value = unit_ == TLengthUnit::luInches ? held_.*length : held_.*length * kMillimetresPerInch;
    const double scale = std::pow(10.0, ShownDecimals());
    return std::nearbyint(value * scale) / scale;
}

void TLabelEditValues::Enter(TLength length, double shown)
{
    if (shown == Shown(length))
        return;
    held_.*length = unit_ == TLengthUnit::luInches ? shown : shown * kInchesPerMillimetre;
}

void TLabelEditValues::LeaveLabelWidth()
{
    if (held_.width > held_.horizPitch)
        held_.horizPitch = held_.width;
}

void TLabelEditValues::LeaveLabelHeight()
{
    if (held_.height > held_.vertPitch)
        held_.vertPitch = held_.height;
}

void TLabelEditValues::ChoosePaper(int listIndex)
{
    const auto papers = PaperEntries();
    if (listIndex < 0 || listIndex >= static_cast<int>(papers.size()))
        return;
    paperIndex_ = listIndex;
    const TPaperEntry& paper = papers[static_cast<std::size_t>(listIndex)];
    if (paper.presetWidth && paper.presetHeight) {
        held_.sheetWidth = *paper.presetWidth;
        held_.sheetDepth = *paper.presetHeight;
    }
}

TLabelGeometry TLabelEditValues::Accept() const
{
    TLabelGeometry accepted = held_;
    for (const TLengthField& field : EnteredLengths())
        accepted.*(field.member) = StoredLength(held_.*(field.member));
    if (paperIndex_ >= 0)
        accepted.paperSize = PaperEntries()[static_cast<std::size_t>(paperIndex_)].code;
    const auto shapes = ShapeEntries();
    if (shapeIndex_ >= 0 && shapeIndex_ < static_cast<int>(shapes.size()))
        accepted.shape = shapes[static_cast<std::size_t>(shapeIndex_)].code;
    ValidLabel(accepted);
    return accepted;
}

} // namespace labels
