#include "reports/windows/report_designer.h"

#include "design/panels/panel_report.h"
#include "reports/report_design.h"
#include "reports/report_page_area.h"
#include "reports/band_settings.h"
#include "reports/windows/report_design_tools.h"
#include "reports/windows/report_fonts.h"
#include "reports/windows/report_page_view.h"
#include "reports/windows/report_properties.h"
#include "ui/services.h"

#include <QLabel>
#include <QPushButton>

namespace reports {

namespace {

const labels::TDesignScreenKind kReportScreen {
    .objectName = "ReportDesigner",
    .title = "Report Designer",
    .sizeTitle = "Layout:",
    .sizeCaptionName = "LayoutCaption",
    .changeButtonName = "ChangeLayoutButton",
    .changeButtonText = "Change Layout",
    .descriptionName = "ReportDescription",
    .fontSection = nullptr, // the default font belongs to the report
    .helpContext = TReportDesigner::kHelpContext,
    .zooms = false,
};

const QString kNoBands = QStringLiteral("No report bands are selected. Please select at least one");

constexpr std::array<TReportBand, 3> kObjectBands { rbHeader, rbDetail, rbFooter };

} // namespace

TReportDesigner::TReportDesigner(labels::TDesignScreenContext context, QWidget* parent)
    : TDesignScreen(std::move(context), kReportScreen, parent)
    , settings_(NewReportSettings(Owner().PixelsPerInch()))
    , definition_(NewReportDefinition())
{
    pageView_ = new TReportPageView(Owner(), context_.sysdataFolder, settings_);
    BuildScreen(pageView_, { &Band(rbHeader), &Band(rbDetail), &Band(rbFooter) }, &Band(rbDetail),
        labels::DesignToolButtons(ReportDesignTools()));
    connect(pageView_, &TReportPageView::Changed, this, &TReportDesigner::MarkChanged);
    for (TReportBand band : kObjectBands)
        connect(&Band(band), &design::TGBasePanel::DroppedObjectEvent, this,
            [this] { EnableBandsFor(design::TRPanelState::psPointing); });
    LoadNew();
}

TReportDesigner::~TReportDesigner() = default;

design::TReportPanel& TReportDesigner::Band(TReportBand band) const
{
    return *pageView_->Band(band);
}

void TReportDesigner::LoadNew()
{
    for (TReportBand band : kObjectBands)
        Band(band).ClearObjects();
    settings_ = NewReportSettings(Owner().PixelsPerInch());
    definition_ = NewReportDefinition();
    ShowSettings();
}

design::TGFilerStatus TReportDesigner::LoadReport(const TReportDefinition& definition)
{
    for (TReportBand band : kObjectBands)
        Band(band).ClearObjects();
    settings_ = NewReportSettings(Owner().PixelsPerInch());
    definition_ = definition;
    design::TGFilerStatus status;
    // A row naming no file of ours counts as a report without one.
    const QString path = ReportDesignPath(context_.sysdataFolder, definition.designFile);
    if (!path.isEmpty()) {
        const TReportDesignLoad load = LoadReportDesign(path, Owner(), Band(rbHeader).Objects(),
            Band(rbDetail).Objects(), Band(rbFooter).Objects(), settings_, Owner().PixelsPerInch());
        status = load.status;
        if (!status.IsOk())
            quorvel::TServices::messages().information(this, status.Message());
    }
    for (TReportBand band : kObjectBands)
        Band(band).AdoptObjects();
    ShowSettings();
    return status;
}

TReportDefinition TReportDesigner::Definition() const
{
    TReportDefinition definition = definition_;
    definition.description = EditedDescription();
    return definition;
}

design::TGFilerStatus TReportDesigner::SaveDesign(const QString& path) const
{
    return SaveReportDesign(path, Band(rbHeader).Objects(), Band(rbDetail).Objects(), Band(rbFooter).Objects(),
        settings_, Owner().PixelsPerInch());
}

void TReportDesigner::ShowSettings()
{
    const bool wasQuiet = Quiet();
    SetQuiet(true);
    SetDescription(definition_.description);
    SizeCaption->setText(definition_.layout);
    pageView_->Relayout();
    pageView_->ShowMemo(context_.record);
    SetDefaultFont(DefaultBandFont(settings_));
    SetQuiet(wasQuiet);
}

void TReportDesigner::FormActivate()
{
    RestorePlacement();
    SetQuiet(true);
    ShowSettings();
    for (TReportBand band : kObjectBands)
        Band(band).RefreshData();
    SetQuiet(false);
    // A new report is worth saving as it stands, and so is a modified one
    // whose file is to be rewritten: Save is always there.
    SaveButton->show();
}

void TReportDesigner::ToolClick(int tool)
{
    const auto tools = ReportDesignTools();
    if (tool < 0 || tool >= static_cast<int>(tools.size()))
        return;
    const design::TRPanelState state = tools[static_cast<std::size_t>(tool)].state;
    for (TReportBand band : kObjectBands)
        Band(band).SetPanelState(state);
    EnableBandsFor(state);
}

void TReportDesigner::EnableBandsFor(design::TRPanelState tool)
{
    for (TReportBand band : kObjectBands)
        Band(band).SetEditingEnabled(ToolWorksOn(tool, Band(band).PAnelKind()));
}

void TReportDesigner::ChangeLayoutButtonClick()
{
    const int ppi = Owner().PixelsPerInch();
    TReportProperties properties(settings_, ppi, this);
    if (properties.exec() != QDialog::Accepted)
        return;
    settings_ = properties.Settings();
    // A smaller page may leave the bands taller than the space for them:
    // they shrink as a sizer would shrink them, the detail band first, as
    // it is the one that usually takes the page.
    for (TReportBand band : { rbDetail, rbFooter, rbHeader })
        BandHeight(settings_, band) = FitBandHeight(settings_, band, BandHeight(settings_, band),
            MemoBandHeight(settings_), ppi);
    definition_.layout = LayoutText(RecognisePaper(settings_, ppi));
    SizeCaption->setText(definition_.layout);
    pageView_->Relayout();
    for (TReportBand band : kObjectBands)
        Band(band).KeepObjectsInside();
    MarkChanged();
}

bool TReportDesigner::KeepLayout(const QString& description)
{
    for (TReportBand band : kObjectBands)
        if (BandHeight(settings_, band) == 0)
            BandInUse(settings_, band) = false;
    pageView_->Relayout();
    if (!settings_.useHeader && !settings_.useDetail && !settings_.useMemo && !settings_.useFooter) {
        quorvel::TServices::messages().information(this, kNoBands);
        return false;
    }
    for (TReportBand band : kObjectBands) {
        if (BandInUse(settings_, band))
            Band(band).RemoveObjectsOutside();
        else
            Band(band).ClearObjects();
        Band(band).ClearSelection();
    }
    definition_.description = description;
    return !saver_ || saver_(*this);
}

void TReportDesigner::KeepDefaultFont(const QFont& font)
{
    KeepDefaultBandFont(settings_, font);
    MarkChanged();
}

void TReportDesigner::RecordMoved()
{
    pageView_->ShowMemo(context_.record);
}

void TReportDesigner::reject()
{
    QDialog::reject();
}

} // namespace reports
