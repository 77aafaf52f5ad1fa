#pragma once

#include "design/surface/surface_types.h"

#include <QImage>
#include <QPainterPath>
#include <QSize>

class QPainter;

namespace design {

// What lies under the objects of a surface: white, the background
// pictures clipped to the label's shape, the dotted outline and the grid.
struct TGSurfaceBackground {
    QImage Picture;
    QImage ColorPicture;
    bool DrawOutline = false;
    TLabelShapeType Shape = TLabelShapeType::lsRoundRect;
    bool ShowGrid = false;
    TGridSize GridSize = TGridSize::gs4x4;
};

// The area of the label's shape: pictures and grid stay inside it.
QPainterPath ShapeRegion(TLabelShapeType shape, QSize size);
// Where the grid dots fall: every 4 or 8 pixels, starting at 2.
bool IsGridDot(int x, int y, TGridSize size);
void PaintBackground(QPainter& painter, QSize size, const TGSurfaceBackground& background);

} // namespace design
