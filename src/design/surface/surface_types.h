#pragma once

namespace design {

// The outline of a label or envelope.
enum class TLabelShapeType { lsRectangle, lsRoundRect, lsEllipse };

// The spacing of the grid dots and the step of snapping: 4 or 8 pixels.
enum class TGridSize { gs4x4, gs8x8 };

inline int GridStep(TGridSize size) { return size == TGridSize::gs8x8 ? 8 : 4; }

// The creation tools of a label surface.
enum class TLPanelState {
    psPointing,
    psLabel,
    psCounterLabel,
    psSymbolLabel,
    psDataLabel,
    psMultiLineLabel,
    psMultiLineDataLabel,
    psAddressLabel,
    psRectangle,
    psEllipse,
    psRoundRectangle,
    psLine,
    psImage,
    psPostNetBarCode
};

// The creation tools of a report band.
enum class TRPanelState {
    psPointing,
    psLabel,
    psDataLabel,
    psMultiLineDataLabel,
    psLine,
    psImage,
    psDateTime,
    psPageNumber,
    psSymbolLabel,
    psRectangle,
    psEllipse,
    psRoundRectangle
};

// Which band of a report a surface is.
enum class TRPanelKind { rpkHeader, rpkDetail, rpkMemo, rpkFooter };

} // namespace design
