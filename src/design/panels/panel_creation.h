#pragma once

#include <QRect>

#include <functional>

namespace design {

class TGDataPanel;
class TGGraphicControl;

// The objects the creation tools draw, across all surface kinds.
enum class TGNewObject {
    Text,
    Counter,
    Symbol,
    DataField,
    MultiLineText,
    Memo,
    AddressBlock,
    Rectangle,
    Ellipse,
    RoundRectangle,
    ReportRectangle,
    ReportEllipse,
    ReportRoundRectangle,
    VerticalLine,
    HorizontalLine,
    Image,
    PostNetBarCode,
    FIMBarCode,
    DateTime,
    PageNumber
};

// What a new object opens right after it was placed (the text, the field,
// the symbol, the lines) when the designer window wants a dialog of its own;
// it may also fit the object to what was chosen. Without one the object's
// own dialog opens, as its menu would open it.
using TGNewObjectEditor = std::function<void(TGGraphicControl& object)>;

// How a new object is finished once it is on the surface. The label and
// report designers ask for what it shows and fit text objects to their
// text; the envelope designer leaves every object as it was drawn, so a
// text object keeps "<text>" and the rectangle of the drag.
enum class TGPlacement { pmAskAndFit, pmAsDrawn };

// Makes the object in the rectangle the tool drew (already widened), places
// it on the surface with its starting properties and shows the record in
// objects that read one. Asking and fitting: opens the dialog (or runs the
// editor) where the object asks for a choice, and fits text objects.
TGGraphicControl* PlaceNewObject(TGDataPanel& panel, TGNewObject kind, const QRect& rect,
                                 const TGNewObjectEditor& editor,
                                 TGPlacement placement = TGPlacement::pmAskAndFit);

} // namespace design
