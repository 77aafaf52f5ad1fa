#pragma once

#include "design/file/filer_status.h"
#include "design/surface/surface_types.h"
#include "labels/windows/design_screen.h"
#include "reports/report_settings.h"
#include "reports/report_store.h"

#include <functional>

namespace design {
class TReportPanel;
}

namespace reports {

class TReportPageView;

// "Report Designer": the bands of a user-defined report, one above the
// other under a ruler, with the tools to place text, fields, lines,
// pictures, dates, page numbers, symbols and shapes on them, switches and
// sizers for the bands, and the page layout. Save (once the bands pass
// their checks) closes with Accepted, and the caller writes the row and,
// through SaveDesign, the file; Cancel closes with Rejected.
class TReportDesigner : public labels::TDesignScreen {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 1079;

    TReportDesigner(labels::TDesignScreenContext context, QWidget* parent = nullptr);
    ~TReportDesigner() override;

    // "<new report>" on Letter paper with empty bands.
    void LoadNew();
    // The row's report and its design file; a missing file opens empty
    // bands. A damaged file is told and gives its status: the bands are
    // then empty.
    design::TGFilerStatus LoadReport(const TReportDefinition& definition);
    // The description and layout text as edited; the design file as loaded.
    TReportDefinition Definition() const;
    // Writes the bands and settings as the design file.
    design::TGFilerStatus SaveDesign(const QString& path) const;
    // What Save does once the bands passed their checks: the caller writes
    // the row and the file there and gives false, having told the user,
    // when that failed; the window then stays open with nothing lost.
    // Without it Save only closes.
    void SetSaver(std::function<bool(TReportDesigner&)> saver) { saver_ = std::move(saver); }

    const TReportSettings& Settings() const { return settings_; }
    design::TReportPanel& Band(TReportBand band) const;
    TReportPageView& PageView() const { return *pageView_; }

    // "Report Layout" on a copy of the settings; Save there takes the copy.
    void ChangeLayoutButtonClick();

protected:
    void ToolClick(int tool) override;
    void ChangeButtonClick() override { ChangeLayoutButtonClick(); }
    void FormActivate() override;
    void TrimObjects() override { }
    bool KeepLayout(const QString& description) override;
    void KeepDefaultFont(const QFont& font) override;
    void RecordMoved() override;
    void reject() override;

private:
    void ShowSettings();
    void EnableBandsFor(design::TRPanelState tool);

    TReportSettings settings_;
    TReportDefinition definition_;
    std::function<bool(TReportDesigner&)> saver_;
    TReportPageView* pageView_;
};

} // namespace reports
