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

// The dialog a new object opens right after it was placed (the text, the
// field, the symbol, the lines), given by the designer window; it may also
// fit the object to what was chosen.
using TGNewObjectEditor = std::function<void(TGGraphicControl& object)>;

// Makes the object in the rectangle the tool drew (already widened), places
// it on the surface with its starting properties, lets the editor run where
// the object asks for a choice, and fits text objects to their text.
TGGraphicControl* PlaceNewObject(TGDataPanel& panel, TGNewObject kind, const QRect& rect,
                                 const TGNewObjectEditor& editor);

} // namespace design
