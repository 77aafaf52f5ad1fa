#pragma once

#include "reports/report_settings.h"

#include <array>

// Where the designer's page area puts its strips and bands, worked out
// without widgets so that the rule keeping the bands on the page can be
// checked on its own.
namespace reports {

// A horizontal strip of the page area, in pixels from the area's top.
struct TPageAreaStrip {
    int top = 0;
    int height = 0;
};

// The page area below the ruler: for each band (by TReportBand) a caption
// strip with its switch, the band, and the sizer strip that drags its
// height. Every strip is bandWidth wide at left 0.
struct TPageAreaLayout {
    int bandWidth = 0;
    int areaHeight = 0;
    std::array<TPageAreaStrip, 4> captions, bands, sizers;
    std::array<bool, 4> sizerEnabled{};
};

inline constexpr int kCaptionStripHeight = 20;
inline constexpr int kSizerStripHeight = 5;
// The height a band switched on gets when it had none.
inline constexpr int kSwitchedOnBandHeight = 20;
// The memo band has no height of its own to drag.
inline constexpr int kMemoBandHeight = 33;

// 33 while the memo band is in use, else 0.
int MemoBandHeight(const TReportSettings& settings);

// A band's height as the page area shows it: 0 while the band is off.
int ShownBandHeight(const TReportSettings& settings, TReportBand band);

TPageAreaLayout LayoutPageArea(const TReportSettings& settings, int memoBandHeight, int ppi);

// The height `changed` may have when the user asks for `wantedHeight`:
// reduced by whatever would take header, detail and footer together past
// the page's height inside its margins (never below 0).
int FitBandHeight(const TReportSettings& settings, TReportBand changed, int wantedHeight, int memoBandHeight,
                  int ppi);

// A band's switch: off gives it height 0; on gives a band of height 0 the
// height of 20 pixels, then keeps it on the page as FitBandHeight does.
void SwitchBand(TReportSettings& settings, TReportBand band, bool on, int memoBandHeight, int ppi);

} // namespace reports
