#pragma once

#include "reports/report_producer.h"
#include "reports/report_run.h"

#include <QString>

#include <functional>

namespace quorvel {
class TDataset;
}

namespace reports {

struct TBuiltInRecord;

// What a built-in report prints besides its columns.
struct TBuiltInPrintOptions {
    QString title = QStringLiteral("Report 1");
    bool printMemo = false;
    bool printCodes = false;
};

// The four built-in list reports: a page header with the title, page
// number, date and column headings between rules, then one line per record
// (report 4: three) in tabbed columns, each value clipped to its column,
// with the record's codes and memo in shaded lines below it when asked.
// It walks the records from the current one to the end of the selection.
class TBuiltInReportPrint : public TReportProducer {
public:
    using TDateText = std::function<QString()>;

    TBuiltInReportPrint(TBuiltInReport report, quorvel::TDataset& records, const TBuiltInPrintOptions& options,
                        output::TPrintStatus& status);

    // Today's date as the header shows it; the system's short date unless set.
    void SetDateText(TDateText dateText) { dateText_ = std::move(dateText); }
    // The run found nothing from where it started (a soft seek past the end):
    // the header page alone.
    void SetNothingToPrint(bool nothing) { nothingToPrint_ = nothing; }

    void BeforePrint(output::TBaseReport& report) override;
    void Print(output::TBaseReport& report) override;
    int Records() const { return records_; }

    // Lengths of the page, in inches.
    static constexpr double kMarginLeft = 1.0;
    static constexpr double kMarginTop = 0.0;
    static constexpr double kMarginRight = 0.5;
    static constexpr double kMarginBottom = 0.5;

private:
    void SetUpColumns(output::TBaseReport& report) const;
    void PrintPageHeader(output::TBaseReport& report);
    void PrintHeadings(output::TBaseReport& report);
    void SetRecordArea(output::TBaseReport& report) const;
    void SelectBodyFont(output::TBaseReport& report) const;
    void NewPage(output::TBaseReport& report);
    void PrintRecord(output::TBaseReport& report, const TBuiltInRecord& record);
    void PrintListLine(output::TBaseReport& report, const TBuiltInRecord& record);
    void PrintAllFields(output::TBaseReport& report, const TBuiltInRecord& record);
    void PrintCodes(output::TBaseReport& report, const QString& codes);
    void PrintMemo(output::TBaseReport& report);
    void SetUpMemoStop(output::TBaseReport& report) const;
    void PrintSeparator(output::TBaseReport& report);

    TBuiltInReport report_;
    quorvel::TDataset& dataset_;
    TBuiltInPrintOptions options_;
    output::TPrintStatus& status_;
    TDateText dateText_;
    bool nothingToPrint_ = false;
    int records_ = 0;
};

// Writes `text` at the cursor, clipped to the cell that starts there and
// is `clipWidth` wide less a fifth of an inch, on a clear brush so that the
// rules and shades under it stay.
void WriteClipped(output::TBaseReport& report, const QString& text, double clipWidth);

} // namespace reports
