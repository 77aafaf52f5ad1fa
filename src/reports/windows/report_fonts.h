#pragma once

#include "reports/report_settings.h"

#include <QFont>

namespace reports {

// The report's two fonts as the screen shows them and the font dialog
// offers them, and back from the dialog into the settings.
QFont DefaultBandFont(const TReportSettings& settings);
QFont MemoBandFont(const TReportSettings& settings);
void KeepDefaultBandFont(TReportSettings& settings, const QFont& font);
void KeepMemoBandFont(TReportSettings& settings, const QFont& font);

} // namespace reports
