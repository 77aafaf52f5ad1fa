#pragma once

#include "reports/report_settings.h"

namespace reports {

// A band's fields of the settings by its number. The memo band has no
// height of its own: BandHeight gives the detail's for it, and the windows
// never ask.
int& BandHeight(TReportSettings& settings, TReportBand band);
int BandHeight(const TReportSettings& settings, TReportBand band);
bool& BandInUse(TReportSettings& settings, TReportBand band);
bool BandInUse(const TReportSettings& settings, TReportBand band);

} // namespace reports
