#pragma once

#include "reports/report_settings.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QDoubleSpinBox;
class QRadioButton;
class QTabWidget;

namespace reports {

class TReportBandTab;
class TReportPagePicture;

// "Report Layout": paper, orientation and margins of a report, and the
// border and shade of each band, on a copy of the settings beside a
// picture of the page. Save closes with Accepted and Settings() holds the
// choice; Cancel with Rejected.
class TReportProperties : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 1078;

    TReportProperties(const TReportSettings& settings, int pixelsPerInch, QWidget* parent = nullptr);

    const TReportSettings& Settings() const { return settings_; }
    // Brings the page of a band to the front, as clicking it in the picture does.
    void OpenBandTab(TReportBand band);
    // "Defaults": Letter, portrait, half-inch margins, bands without lines or shade.
    void DefaultsClick();

private:
    QWidget* MakePageTab();
    QDoubleSpinBox* MakeMargin(const char* objectName);
    void ShowSettings();
    void PaperClicked();
    void MarginChanged();
    void BandChanged(TReportBand band);

    TReportSettings settings_;
    int pixelsPerInch_;
    bool showing_ = false;
    TReportPagePicture* picture_;
    QTabWidget* tabs_;
    QButtonGroup* orientation_;
    QButtonGroup* size_;
    std::array<QDoubleSpinBox*, 4> margins_ {}; // left, top, right, bottom
    std::array<TReportBandTab*, 4> bandTabs_ {};
};

} // namespace reports
