#pragma once

#include "output/print_status.h"

#include <QStringList>
#include <QTime>

#include <array>
#include <bitset>
#include <functional>

namespace quorvel {
class TDataset;
}

namespace output {
class TOutputDialogs;
}

namespace labels {

class TLabelRunHost;

// A field of the one-record report and the caption printed before it.
struct TRecordReportField {
    const char* field;
    const char* caption;
};

inline constexpr int kRecordReportFieldCount = 20;

// The captioned fields in the order they print; the memo follows them as a
// block of its own.
const std::array<TRecordReportField, kRecordReportFieldCount>& RecordReportFields();

// What the user ticked in "Print Current Record"; everything at first.
struct TRecordReportChoice {
    std::bitset<kRecordReportFieldCount> fields = std::bitset<kRecordReportFieldCount>().set();
    bool memo = true;
};

// The one-record report's ending texts and cancel question.
output::TPrintJobTexts RecordReportJobTexts();

// The memo's lines as they print: the memo's own lines broken between words
// to fit `width`, as `textWidth` measures (both in the same unit). A memo
// of one blank line has none.
QStringList RecordMemoLines(const QString& memo, double width, const std::function<double(const QString&)>& textWidth);

// The one-record report: a header with the page number and the time, the
// chosen fields of the current record with bold captions in two tabbed
// columns, then the memo in italic under a rule, going on over as many
// pages as it takes with the header on each. It runs as the handler of the
// status's job and prints whatever record is current; it never moves.
class TSingleRecordPrint {
public:
    using TClock = std::function<QTime()>;

    TSingleRecordPrint(const quorvel::TDataset& record, const TRecordReportChoice& choice, TClock clock,
                       output::TPrintStatus& status);

    // Makes BeforePrintReport and PrintTheReport the job of the status, and
    // names the job.
    void HookJob();
    void BeforePrintReport(output::TBaseReport& report);
    void PrintTheReport(output::TBaseReport& report);

    static constexpr double kMargin = 1.0;
    static constexpr double kHeaderTop = 0.5;

private:
    void PrintHeaderFooter(output::TBaseReport& report);
    void PrintFields(output::TBaseReport& report);
    void PrintMemo(output::TBaseReport& report);
    static void SetMemoStop(output::TBaseReport& report, int lines);

    const quorvel::TDataset& record_;
    TRecordReportChoice choice_;
    TClock clock_;
    output::TPrintStatus& status_;
};

// Prints or previews the report of the current record through `host`,
// which runs the status and shows a finished preview.
void RunRecordReport(const quorvel::TDataset& record, const TRecordReportChoice& choice,
                     TSingleRecordPrint::TClock clock, bool preview, output::TOutputDialogs& dialogs,
                     TLabelRunHost& host);

} // namespace labels
