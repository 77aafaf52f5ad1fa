#include "reports/band_settings.h"

namespace reports {

int& BandHeight(TReportSettings& settings, TReportBand band)
{
    switch (band) {
    case rbHeader:
        return settings.headerHeight;
    case rbFooter:
        return settings.footerHeight;
    default:
        return settings.detailHeight;
    }
}

int BandHeight(const TReportSettings& settings, TReportBand band)
{
    return BandHeight(const_cast<TReportSettings&>(settings), band);
}

bool& BandInUse(TReportSettings& settings, TReportBand band)
{
    switch (band) {
    case rbHeader:
        return settings.useHeader;
    case rbMemo:
        return settings.useMemo;
    case rbFooter:
        return settings.useFooter;
    default:
        return settings.useDetail;
    }
}

bool BandInUse(const TReportSettings& settings, TReportBand band)
{
    return BandInUse(const_cast<TReportSettings&>(settings), band);
}

} // namespace reports
