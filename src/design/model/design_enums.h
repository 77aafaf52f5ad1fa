#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <span>

// The enumerations of design object properties. Design files store their
// values by name; the ordinal is the position in the declaration.
namespace design {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class THighlightDirection { hdNone, hdright, hdLeft, hdUpRight, hdUpLeft, hdUp };
enum class TShadowDirection { sdNone, sdRight, sdLeft, sdDownRight, sdDownLeft, sdDown };
enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TGDateFormat { dtfDateNone, dtfDateShort, dtfDateLong };
enum class TGTimeFormat { dtfTimeNone, dtfTimeShort, dtfTimeLong };
enum class TZipFormatOptions { zoAfterState, zoBeforeCity, zoAfterCountry, zoBeforeCountry };
enum class TPostNetBarCodeType { pnbc5Digit, pnbc9Digit, pnbc11Digit };
enum class TFIMBarCodeType { fimTypeA, fimTypeB, fimTypeC };
enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum class TLineStyle { stHorizontal, stVertical, stAngleSlopingUp, stAngleSlopingDown };
enum class TFontPitch { fpDefault, fpVariable, fpFixed };
enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
enum class TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// The value names of one enumeration, in ordinal order.
struct TGEnumType {
    std::span<const char* const> names;

    QByteArray Name(int ordinal) const;
    // Names match without regard to letter case.
    std::optional<int> Ordinal(const QByteArray& name) const;
};

const TGEnumType& AlignmentType();
const TGEnumType& HighlightDirectionType();
const TGEnumType& ShadowDirectionType();
const TGEnumType& BorderStyleType();
const TGEnumType& DateFormatType();
const TGEnumType& TimeFormatType();
const TGEnumType& ZipFormatOptionsType();
const TGEnumType& PostNetBarCodeTypeType();
const TGEnumType& FIMBarCodeTypeType();
const TGEnumType& ShapeTypeType();
const TGEnumType& LineStyleType();
const TGEnumType& FontPitchType();
const TGEnumType& FontStyleType();
const TGEnumType& PenModeType();
const TGEnumType& PenStyleType();
const TGEnumType& BrushStyleType();
const TGEnumType& BooleanType();

} // namespace design
