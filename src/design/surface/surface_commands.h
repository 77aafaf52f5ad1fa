#pragma once

#include "design/model/graphic_control.h"

#include <QRect>
#include <QSize>

#include <vector>

namespace design {

class TGSurfaceObjects;

// The surface commands that are arithmetic on objects, apart from the
// surface window that offers them.
namespace surface {

// Lines the objects up; locked ones move too, the lock being about the
// mouse and not about deliberate commands.
void AlignLeft(const std::vector<TGGraphicControl*>& objects, int surfaceWidth);
void AlignRight(const std::vector<TGGraphicControl*>& objects);
void AlignTops(const std::vector<TGGraphicControl*>& objects, int surfaceHeight);
void AlignBottoms(const std::vector<TGGraphicControl*>& objects);

void SetLockedOfAll(const std::vector<TGGraphicControl*>& objects, bool locked);
void SetUnselectableOfAll(const std::vector<TGGraphicControl*>& objects, bool unselectable);

// How far objects may lie from the surface's edges after it shrank.
struct TGKeepInsideRule {
    int BottomMargin = 10; // subtracted from the height (0 on report bands)
    int RightMargin = 20;  // subtracted from the width (0 on report bands)
};
// Pulls objects that start beyond the limits back onto the surface.
void KeepObjectsInside(const std::vector<TGGraphicControl*>& objects, QSize surface, TGKeepInsideRule rule);

// Which objects lie off the surface: beyond height + topAllowance, width +
// leftAllowance, or without extent when emptyCounts.
struct TGOutsideRule {
    int TopAllowance = -10;
    int LeftAllowance = -10;
    bool WithoutExtent = true;
};
std::vector<TGGraphicControl*> ObjectsOutside(const std::vector<TGGraphicControl*>& objects, QSize surface,
                                              TGOutsideRule rule);

// The objects whose bounds meet the band (left, top and the distances to
// the opposite corner as width and height), in the given order, leaving
// out the unselectable ones.
std::vector<TGGraphicControl*> ObjectsInBand(const std::vector<TGGraphicControl*>& objects, const QRect& band);

// The frontmost object under the point, or none.
TGGraphicControl* ObjectAt(const std::vector<TGGraphicControl*>& objects, QPoint point);

// The rectangle a creation tool drew, widened so a click still gives an
// object one can see and grab: narrower than 25 becomes 50 wide, lower than
// 15 becomes 15 high.
QRect WidenedToolRect(const QRect& dragged);
// An object's smallest size when placed.
TGBounds PlacedBounds(const QRect& rect);

// A size scaled by a zoom ratio, each side rounded half to even.
QSize Zoomed(QSize size, float ratio);

} // namespace surface

} // namespace design
