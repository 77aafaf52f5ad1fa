#pragma once

#include "design/model/design_color.h"
#include "design/model/design_font.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace design {

class TGGraphicControl;
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

// The object commands that act on the surface as well as on the object.
enum class TGObjectCommand {
    BringToFront,
    SendToBack,
    Cut,
    Copy,
    Delete,
    Clone,
    // The object became unselectable: it leaves the selection.
    Deselect,
};

// The dialogs an object's menu opens on the object itself. Each applies
// its result to the object when confirmed.
enum class TGObjectDialog {
    Text,          // "Text", a static text
    TextEffects,   // "Text 3D Effects"
    Counter,       // "Counter"
    MultiLineText, // "Multi-line Text Editor"
    AddressLayout, // "Address Label Layout"
    DataField,     // "Select Field" over the character fields
    MemoField,     // "Select Field" over the memo fields
    Symbol,        // "Symbol Selector"
};

// What the object menus need from the surface window that shows them. The
// commands beyond the first five have defaults that do nothing, for hosts
// (tests of one class) that never offer them.
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

    // The font dialog, starting from the given font; nothing when cancelled.
    virtual std::optional<TGFont> ChooseFont(const TGFont& initial);
    virtual void RunObjectCommand(TGGraphicControl& object, TGObjectCommand command);
    // Opens the dialog on the object; true when it was confirmed.
    virtual bool OpenObjectDialog(TGGraphicControl& object, TGObjectDialog dialog);
};

// "Line Thickness": "1 Point" to "10 Point", the current width checked.
TGMenuItem LineThicknessMenu(int currentWidth, const std::function<void(int)>& setWidth);

// "Alignment" with "Left", "Center" and "Right", the current one checked.
TGMenuItem AlignmentMenu(TAlignment current, const std::function<void(TAlignment)>& setAlignment);

// Takes out the item with this caption (first level only); nothing happens
// when there is none.
void RemoveMenuItem(TGMenuItems& items, const QString& caption);

// Appends the items in order.
void AppendMenuItems(TGMenuItems& items, TGMenuItems more);

} // namespace design
