#include "design/model/design_enums.h"

#include <array>

namespace design {

QByteArray TGEnumType::Name(int ordinal) const
{
    if (ordinal < 0 || ordinal >= static_cast<int>(names.size()))
        return {};
    return QByteArray(names[static_cast<std::size_t>(ordinal)]);
}

std::optional<int> TGEnumType::Ordinal(const QByteArray& name) const
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (name.compare(names[i], Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

// Each accessor owns its static table of names.
#define QUORVEL_ENUM_TYPE(function, ...)                                                                         \
    const TGEnumType& function()                                                                                 \
    {                                                                                                            \
        static constexpr std::array kNames{__VA_ARGS__};                                                         \
        static const TGEnumType type{kNames};                                                                    \
        return type;                                                                                             \
    }

QUORVEL_ENUM_TYPE(AlignmentType, "taLeftJustify", "taRightJustify", "taCenter")
QUORVEL_ENUM_TYPE(HighlightDirectionType, "hdNone", "hdright", "hdLeft", "hdUpRight", "hdUpLeft", "hdUp")
QUORVEL_ENUM_TYPE(ShadowDirectionType, "sdNone", "sdRight", "sdLeft", "sdDownRight", "sdDownLeft", "sdDown")
QUORVEL_ENUM_TYPE(BorderStyleType, "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin")
QUORVEL_ENUM_TYPE(DateFormatType, "dtfDateNone", "dtfDateShort", "dtfDateLong")
QUORVEL_ENUM_TYPE(TimeFormatType, "dtfTimeNone", "dtfTimeShort", "dtfTimeLong")
QUORVEL_ENUM_TYPE(ZipFormatOptionsType, "zoAfterState", "zoBeforeCity", "zoAfterCountry", "zoBeforeCountry")
QUORVEL_ENUM_TYPE(PostNetBarCodeTypeType, "pnbc5Digit", "pnbc9Digit", "pnbc11Digit")
QUORVEL_ENUM_TYPE(FIMBarCodeTypeType, "fimTypeA", "fimTypeB", "fimTypeC")
QUORVEL_ENUM_TYPE(ShapeTypeType, "stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle")
QUORVEL_ENUM_TYPE(LineStyleType, "stHorizontal", "stVertical", "stAngleSlopingUp", "stAngleSlopingDown")
QUORVEL_ENUM_TYPE(FontPitchType, "fpDefault", "fpVariable", "fpFixed")
QUORVEL_ENUM_TYPE(FontStyleType, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut")
QUORVEL_ENUM_TYPE(PenModeType, "pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
                  "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask", "pmNotMask",
                  "pmXor", "pmNotXor")
QUORVEL_ENUM_TYPE(PenStyleType, "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame")
QUORVEL_ENUM_TYPE(BrushStyleType, "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal",
                  "bsCross", "bsDiagCross")
QUORVEL_ENUM_TYPE(BooleanType, "False", "True")

#undef QUORVEL_ENUM_TYPE

} // namespace design
