#pragma once

#include "design/design_color.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace design {

class TGImage;

// One item of an object's right-click menu, as data a surface turns into
// its menu: a caption ("-" is a separator), a check mark, what choosing it
// does, and the items of a submenu. A menu is built just before it opens,
// so its check marks always show the object's current state.
struct TGMenuItem {
    QString Caption;
    bool Checkable = false;
    bool Checked = false;
    std::function<void()> Action;
    std::vector<TGMenuItem> Items;

    static TGMenuItem Separator() { return TGMenuItem{QStringLiteral("-"), false, false, {}, {}}; }
    static TGMenuItem Command(QString caption, std::function<void()> action)
    {
        return TGMenuItem{std::move(caption), false, false, std::move(action), {}};
    }
    static TGMenuItem Toggle(QString caption, bool checked, std::function<void()> action)
    {
        return TGMenuItem{std::move(caption), true, checked, std::move(action), {}};
    }
    static TGMenuItem Submenu(QString caption, std::vector<TGMenuItem> items)
    {
        return TGMenuItem{std::move(caption), false, false, {}, std::move(items)};
    }
};

using TGMenuItems = std::vector<TGMenuItem>;

// What the object menus need from the surface window that shows them.
class TGMenuHost {
public:
    virtual ~TGMenuHost() = default;
    // The colour dialog, starting from the given colour; nothing when
    // cancelled.
    virtual std::optional<TColor> ChooseColor(TColor initial) = 0;
    // "Load Image From Disk" for the image object.
    virtual void LoadImageFromDisk(TGImage& image) = 0;
    virtual int SurfaceWidth() const = 0;
    virtual int SurfaceHeight() const = 0;
    virtual void Repaint() = 0;
};

// "Line Thickness": "1 Point" to "10 Point", the current width checked.
TGMenuItem LineThicknessMenu(int currentWidth, const std::function<void(int)>& setWidth);

} // namespace design
