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
    DateTime,
    PageNumber
};

// What a new object opens right after it was placed (the text, the field,
// the symbol, the lines) when the designer window wants a dialog of its own;
// it may also fit the object to what was chosen. Without one the object's
// own dialog opens, as its menu would open it.
using TGNewObjectEditor = std::function<void(TGGraphicControl& object)>;

// Makes the object in the rectangle the tool drew (already widened), places
// it on the surface with its starting properties, opens the dialog (or runs
// the editor) where the object asks for a choice, and fits text objects to
// their text.
TGGraphicControl* PlaceNewObject(TGDataPanel& panel, TGNewObject kind, const QRect& rect,
                                 const TGNewObjectEditor& editor);

} // namespace design
