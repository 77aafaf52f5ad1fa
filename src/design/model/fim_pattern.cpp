#include "design/model/fim_pattern.h"

namespace design::fim {

namespace {

int TruncPixels(int pixelsPerInch, double inches, float zoom)
{
    return static_cast<int>(pixelsPerInch * inches * static_cast<double>(zoom));
}

} // namespace

std::array<bool, kPositions> Pattern(TFIMBarCodeType type)
{
    switch (type) {
    case TFIMBarCodeType::fimTypeB: return {true, false, true, true, false, true, true, false, true};
    case TFIMBarCodeType::fimTypeC: return {true, true, false, true, false, true, false, true, true};
    case TFIMBarCodeType::fimTypeA: break;
    }
    return {true, true, false, false, true, false, false, true, true};
}

std::vector<QRectF> PrintBars(TFIMBarCodeType type, double x, double y)
{
    std::vector<QRectF> bars;
    const std::array<bool, kPositions> pattern = Pattern(type);
    for (int p = 0; p < kPositions; ++p) {
        if (!pattern[static_cast<std::size_t>(p)])
            continue;
        const double left = x + p * kBarPitch;
        bars.emplace_back(QPointF(left, y), QPointF(left + kBarWidth, y + kBarHeight));
    }
    return bars;
}

int ScreenSide(int pixelsPerInch, float zoom) { return TruncPixels(pixelsPerInch, kScreenSide, zoom); }

std::vector<QRect> ScreenBars(TFIMBarCodeType type, int pixelsPerInch, float zoom)
{
    const int barWidth = TruncPixels(pixelsPerInch, kBarWidth, zoom);
    const int height = TruncPixels(pixelsPerInch, kBarHeight, zoom);
    std::vector<QRect> bars;
    const std::array<bool, kPositions> pattern = Pattern(type);
    for (int p = 0; p < kPositions; ++p)
        if (pattern[static_cast<std::size_t>(p)])
            bars.emplace_back(barWidth * 2 * p, 0, barWidth, height);
    return bars;
}

} // namespace design::fim
