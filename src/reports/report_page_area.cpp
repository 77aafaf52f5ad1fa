#include "reports/report_page_area.h"

#include "reports/band_settings.h"

#include <algorithm>

namespace reports {

namespace {

// The page's height inside its margins plus what the area always adds.
int AreaHeight(const TReportSettings& settings, int memoBandHeight)
{
    return settings.pageHeight - settings.topMargin - settings.bottomMargin + memoBandHeight + 100;
}

} // namespace

int MemoBandHeight(const TReportSettings& settings) { return settings.useMemo ? kMemoBandHeight : 0; }

int ShownBandHeight(const TReportSettings& settings, TReportBand band)
{
    if (!BandInUse(settings, band))
        return 0;
    return band == rbMemo ? kMemoBandHeight : BandHeight(settings, band);
}

TPageAreaLayout LayoutPageArea(const TReportSettings& settings, int memoBandHeight, int ppi)
{
    TPageAreaLayout layout;
    layout.bandWidth = settings.pageWidth - settings.leftMargin - settings.rightMargin - ppi / 4;
    layout.areaHeight = AreaHeight(settings, memoBandHeight);
    int top = 0;
    for (TReportBand band : {rbHeader, rbDetail, rbMemo, rbFooter}) {
        const int height = band == rbMemo ? memoBandHeight : ShownBandHeight(settings, band);
        layout.captions[band] = {top, kCaptionStripHeight};
        top += kCaptionStripHeight;
        layout.bands[band] = {top, height};
        top += height;
        layout.sizers[band] = {top, kSizerStripHeight};
        top += kSizerStripHeight;
        // The memo band's height is fixed: its sizer has nothing to drag.
        layout.sizerEnabled[band] = band != rbMemo && BandInUse(settings, band);
    }
    return layout;
}

int FitBandHeight(const TReportSettings& settings, TReportBand changed, int wantedHeight, int memoBandHeight,
                  int /*ppi*/)
{
    if (changed == rbMemo)
        return memoBandHeight;
    int total = std::max(wantedHeight, 0) + memoBandHeight + 100;
    for (TReportBand band : {rbHeader, rbDetail, rbFooter})
        if (band != changed)
            total += ShownBandHeight(settings, band);
    const int excess = total - AreaHeight(settings, memoBandHeight);
    return std::max(std::max(wantedHeight, 0) - std::max(excess, 0), 0);
}

void SwitchBand(TReportSettings& settings, TReportBand band, bool on, int memoBandHeight, int ppi)
{
    BandInUse(settings, band) = on;
    // The memo band's height is fixed.
    if (band == rbMemo)
        return;
    int& height = BandHeight(settings, band);
    if (!on) {
        height = 0;
        return;
    }
    height = FitBandHeight(settings, band, height == 0 ? kSwitchedOnBandHeight : height, memoBandHeight, ppi);
}

} // namespace reports
