#pragma once

#include "design/model/design_owner.h"
#include "design/model/surface_objects.h"
#include "output/page_stream.h"
#include "output/print_status.h"
#include "output/rp_device.h"
#include "output/scripted_output_dialogs.h"
#include "reports/report_settings.h"
#include "store/address_test_file.h"

#include <QPoint>
#include <QString>

#include <memory>
#include <vector>

namespace reports_testing {

// A text object showing `text` with its top-left corner at `at` pixels.
void AddText(design::TGDesignOwner& owner, design::TGSurfaceObjects& band, const QString& text, QPoint at = {});
// A field object bound to the field of that display label.
void AddField(design::TGDesignOwner& owner, design::TGSurfaceObjects& band, const QString& fieldName,
              const QString& displayLabel, QPoint at = {});

// A report design with "HEAD" in the header, the last name in the detail
// and "FOOT" in the footer, each at its band's top-left corner, and these
// settings; false when it could not be written.
bool WriteSampleReport(const QString& path, const reports::TReportSettings& settings, int ppi = 96);

// A text as it came out: its page (1-based) and where its anchor lies.
struct PrintedText {
    int page = 0;
    QString text;
    QPointF at;
};

// A small address file and a letter-size office printer with a quarter-
// inch border; user-defined reports run over its records as a preview, and
// the recorded pages are kept.
class UserReportRun : public quorvel::store_tests::AddressFileTest {
protected:
    void SetUp() override;

    // Records "R01", "R02", ... each with the memo given.
    void AddRecords(int count, const QString& memo = {});
    // The sample report with these settings, run over every record.
    void RunSample(const reports::TReportSettings& settings, bool onePerPage = false);
    // Runs the design file over every record.
    void RunDesign(const QString& designPath, bool onePerPage = false);

    std::vector<PrintedText> Texts() const;
    // The texts of one page, in the order printed.
    QStringList TextsOn(int page) const;
    // Rectangles drawn with a solid brush: the band shades.
    std::vector<output::TShapeOp> Shades(int page) const;
    std::vector<output::TShapeOp> Lines(int page) const;

    QString Path(const char* name) const;

    std::unique_ptr<output::TRPDevice> device;
    output::TScriptedOutputDialogs dialogs;
    std::vector<output::TPage> pages;
    // Stop pressed when the job lets events run for the n-th time (after
    // the n-th record); 0: never.
    int stopAtEvents = 0;
    output::TPrintOutcome outcome = output::TPrintOutcome::poNotRun;
    int records = 0;
};

// Two positions are the same within `tolerance` inches.
::testing::AssertionResult Near(QPointF actual, QPointF expected, double tolerance);

} // namespace reports_testing
