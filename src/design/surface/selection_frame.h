#pragma once

#include "design/model/graphic_control.h"

#include <vector>

namespace design {

// The selection of one surface and the frame that covers it: the selected
// objects in the order they were selected, the frame's bounds, and the grid
// steps to which dragging snaps. No window: the frame window shows it.
class TGSelectionFrame {
public:
    const std::vector<TGGraphicControl*>& Objects() const { return objects_; }
    int Count() const { return static_cast<int>(objects_.size()); }
    bool IsEmpty() const { return objects_.empty(); }
    bool Contains(const TGGraphicControl* object) const;
    const TGBounds& Bounds() const { return bounds_; }

    // Unselectable objects and objects already selected are not added.
    // True when the object was added.
    bool Add(TGGraphicControl* object);
    bool Remove(TGGraphicControl* object);
    // Adds the object when it is not selected, removes it when it is.
    void Toggle(TGGraphicControl* object);
    void Clear();
    // Refits the frame after selected objects moved or changed size.
    void Refit();
    // Gives the frame new bounds; every selected object that is not locked
    // moves and grows along with it, locked ones stay where they are.
    void MoveFrameTo(const TGBounds& bounds);

    int GridX() const { return gridX_; }
    int GridY() const { return gridY_; }
    void SetGridX(int step);
    void SetGridY(int step);
    bool SnapToGrid() const { return gridX_ > 1 || gridY_ > 1; }
    // On: the steps last chosen come back; off: both steps become 1.
    void SetSnapToGrid(bool snap);

private:
    static int ValidStep(int step);

    std::vector<TGGraphicControl*> objects_;
    TGBounds bounds_{0, 0, 24, 24};
    int gridX_ = 1;
    int gridY_ = 1;
    int rememberedX_ = 8;
    int rememberedY_ = 8;
};

} // namespace design
