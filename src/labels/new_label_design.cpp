#include "labels/new_label_design.h"

#include "design/model/address_label.h"
#include "design/model/design_owner.h"
#include "design/model/surface_objects.h"
#include "design/surface/surface_commands.h"

#include <cmath>

namespace labels {

namespace {

constexpr int kBlockInset = 5;
constexpr int kBlockEndInset = 10;

int Pixels(double inches, int pixelsPerInch) { return static_cast<int>(std::nearbyint(inches * pixelsPerInch)); }

} // namespace

QSize LabelSizeInPixels(const TLabelGeometry& geometry, int pixelsPerInch)
{
    return {Pixels(geometry.width, pixelsPerInch), Pixels(geometry.height, pixelsPerInch)};
}

design::TGGraphicControl* AddNewLabelAddressBlock(design::TGDesignOwner& owner, design::TGSurfaceObjects& surface,
                                                  QSize labelSize, const design::TGFont& font)
{
    auto block = std::make_unique<design::TGDMultiLineAddressLabel>(owner);
    block->SetFont(font);
    block->Loaded(); // initialised as an object read from a file would be
    block->SetName(owner.NameForPlacedObject());
    design::TGGraphicControl* placed = surface.Add(std::move(block));
    const QRect rect(kBlockInset, kBlockInset, labelSize.width() - kBlockEndInset - kBlockInset,
                     labelSize.height() - kBlockEndInset - kBlockInset);
    const design::TGBounds bounds = design::surface::PlacedBounds(rect);
    placed->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    return placed;
}

} // namespace labels
