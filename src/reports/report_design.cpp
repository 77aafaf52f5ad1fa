#include "reports/report_design.h"

#include "design/file/design_error.h"
#include "design/file/label_object_filer.h"
#include "design/model/class_set.h"
#include "design/model/windows1252.h"

#include <QFileInfo>

namespace reports {

namespace {

std::optional<QString> UnstorableFontName(const TReportSettings& settings)
{
    for (const QString& name : {settings.memoFontName, settings.defaultFontName})
        if (!design::toWindows1252(name))
            return design::messages::textNotStorable(name);
    return std::nullopt;
}

} // namespace

const design::TGClassSet& ReportBandClasses() { return design::TGClassSet::ReportBand(); }

design::TGFilerStatus SaveReportDesign(const QString& path, const design::TGSurfaceObjects& header,
                                       const design::TGSurfaceObjects& detail,
                                       const design::TGSurfaceObjects& footer, const TReportSettings& settings,
                                       int ppi)
{
    if (const std::optional<QString> problem = UnstorableFontName(settings))
        return design::TGFilerStatus::Error(*problem);
    return design::TGLabelObjectFiler().SaveReportFile(header, detail, footer, ReportDataOf(settings, ppi), path);
}

TReportDesignLoad LoadReportDesign(const QString& path, design::TGDesignOwner& owner,
                                   design::TGSurfaceObjects& header, design::TGSurfaceObjects& detail,
                                   design::TGSurfaceObjects& footer, TReportSettings& settings, int ppi)
{
    TReportDesignLoad load;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return load;
    load.found = true;
    header.Clear();
    detail.Clear();
    footer.Clear();
    design::TGReportData data;
    load.status = design::TGLabelObjectFiler().LoadReportFile(owner, header, detail, footer, data, path);
    if (load.status) {
        if (const std::optional<QString> problem = ReadReportData(data, ppi, settings))
            load.status = design::TGFilerStatus::Error(*problem);
    }
    if (!load.status) {
        header.Clear();
        detail.Clear();
        footer.Clear();
    }
    return load;
}

TReportDesign::TReportDesign(int ppi)
    : owner_(ppi), header_(ReportBandClasses()), detail_(ReportBandClasses()), memo_(ReportBandClasses()),
      footer_(ReportBandClasses()), settings_(NewReportSettings(ppi))
{
    context_.Printing = true;
}

TReportDesignLoad TReportDesign::Load(const QString& path)
{
    header_.Clear();
    detail_.Clear();
    footer_.Clear();
    settings_ = NewReportSettings(PixelsPerInch());
    const TReportDesignLoad load =
        LoadReportDesign(path, owner_, header_, detail_, footer_, settings_, PixelsPerInch());
    BindBands();
    return load;
}

design::TGSurfaceObjects& TReportDesign::Band(TReportBand band)
{
    switch (band) {
    case rbHeader:
        return header_;
    case rbDetail:
        return detail_;
    case rbFooter:
        return footer_;
    case rbMemo:
        break;
    }
    return memo_;
}

void TReportDesign::BindBands()
{
    for (TReportBand band : {rbHeader, rbDetail, rbFooter})
        design::BindRecordContext(Band(band).Objects(), &context_);
}

void TReportDesign::RefreshBand(TReportBand band)
{
    if (context_.Record)
        Band(band).ShowAllData();
}

void TReportDesign::PrintBand(TReportBand band, output::TBaseReport& report, double x, double y)
{
    Band(band).PrintObjects(report, x, y);
}

} // namespace reports
