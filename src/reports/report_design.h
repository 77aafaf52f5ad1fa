#pragma once

#include "design/file/filer_status.h"
#include "design/model/design_owner.h"
#include "design/model/record_values.h"
#include "design/model/surface_objects.h"
#include "reports/report_settings.h"

#include <QString>

namespace design {
class TGClassSet;
}
namespace output {
class TBaseReport;
}

// A report design file: the header, detail and footer bands' objects, then
// the settings list.
namespace reports {

// The classes a report band accepts from a design file.
const design::TGClassSet& ReportBandClasses();

// Writes the three bands and the settings. A font name that a design file
// cannot hold fails with the writer's message and writes nothing.
design::TGFilerStatus SaveReportDesign(const QString& path, const design::TGSurfaceObjects& header,
                                       const design::TGSurfaceObjects& detail,
                                       const design::TGSurfaceObjects& footer, const TReportSettings& settings,
                                       int ppi);

struct TReportDesignLoad {
    bool found = false;
    design::TGFilerStatus status;
};

// Reads a design file into the bands and the settings. No file there (or an
// empty path): `found` false, nothing changes. A damaged file: the reader's
// message, the bands empty and the settings as they were.
TReportDesignLoad LoadReportDesign(const QString& path, design::TGDesignOwner& owner,
                                   design::TGSurfaceObjects& header, design::TGSurfaceObjects& detail,
                                   design::TGSurfaceObjects& footer, TReportSettings& settings, int ppi);

// A report's bands and settings read for one run, without a window: the
// objects always show the record's values, never a designer's placeholders.
class TReportDesign {
public:
    // Designs are measured in pixels of the screen they were made on.
    explicit TReportDesign(int ppi = 96);

    // Replaces the bands and settings with the file's (see LoadReportDesign;
    // a missing file leaves empty bands and the settings of a new report).
    TReportDesignLoad Load(const QString& path);

    int PixelsPerInch() const { return owner_.PixelsPerInch(); }
    TReportSettings& Settings() { return settings_; }
    const TReportSettings& Settings() const { return settings_; }
    // The objects of the header, detail or footer band; the memo band has
    // none, and its list stays empty.
    design::TGSurfaceObjects& Band(TReportBand band);
    design::TGDesignOwner& Owner() { return owner_; }

    // The record the bands' objects read; none until set.
    void SetRecord(const design::TGRecordSource* record) { context_.Record = record; }
    // The band's objects read the record anew.
    void RefreshBand(TReportBand band);
    // Every object of the band, with the band's top-left corner at (x, y)
    // inches on the page.
    void PrintBand(TReportBand band, output::TBaseReport& report, double x, double y);

private:
    void BindBands();

    design::TGDesignOwner owner_;
    design::TGSurfaceObjects header_, detail_, memo_, footer_;
    TReportSettings settings_;
    design::TGRecordContext context_;
};

} // namespace reports
