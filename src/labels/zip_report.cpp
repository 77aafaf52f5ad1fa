#include "labels/zip_report.h"

#include "labels/label_run.h"
#include "labels/zip_count.h"

namespace labels {

namespace {

constexpr double kTabWidth = 0.625;
constexpr double kTabMargin = 5; // hundredths of an inch
constexpr int kShadePercent = 5;
constexpr double kTitleAboveArea = 0.25;

} // namespace

output::TPrintJobTexts ZipReportJobTexts()
{
    return {.printCompleted = QStringLiteral("\rPrint Completed!"),
            .printCanceled = QStringLiteral("\rPrint Canceled!"),
            .previewCanceled = QStringLiteral("\rPreview Canceled!"),
            .cancelQuestion = QStringLiteral("Cancel Printing?"),
            .previewCompleted = QStringLiteral("\rPreview Ready!")};
}

void TZipReport::HookJob()
{
    status_.OnBeforePrint = [this](output::TBaseReport& report) { BeforePrintReport(report); };
    status_.OnPrint = [this](output::TBaseReport& report) { PrintZipReport(report); };
}

void TZipReport::BeforePrintReport(output::TBaseReport& report)
{
    report.SetStatusFormat(QStringLiteral("Printing Page %p\r%0\r%1"));
    report.StatusText().clear();
    report.StatusText() << QString() << QString();
}

void TZipReport::PrintZipReport(output::TBaseReport& report)
{
    report.SelectFont(QStringLiteral("Arial"), 10);
    report.SetMarginLeft(0.5);
    report.SetMarginRight(0.5);
    report.SetMarginTop(1.0);
    report.SetMarginBottom(1.0);
    HeaderFooter(report);
    int column = 0;
    StartColumn(report, column);
    int lineInColumn = 0;
    for (const QString& line : lines_) {
        if (report.LinesRemaining() == 0) {
            if (++column == kColumnsPerPage) {
                report.StartNextPage();
                HeaderFooter(report);
                column = 0;
            }
            StartColumn(report, column);
            lineInColumn = 0;
        }
        PrintLine(report, line, ++lineInColumn % 2 == 1);
        status_.ProcessEvents();
        if (status_.EndRequested())
            break;
    }
}

void TZipReport::StartColumn(output::TBaseReport& report, int column)
{
    report.HorizontalOrigin(kFirstColumn + column * kColumnWidth);
    report.CursorHome();
}

// Three cells across the column: the code on the left, the count right
// aligned, and a spare cell that carries the shade to the column's edge.
// The count is written whole: a million records or more still fit the cell.
void TZipReport::PrintLine(output::TBaseReport& report, const QString& line, bool shaded)
{
    const int shade = shaded ? kShadePercent : 0;
    report.ClearTabStops();
    report.AddTabStop(0.0, output::tjLeft, kTabWidth, kTabMargin, output::blNone, shade);
    report.AddTabStop(-1.0, output::tjRight, kTabWidth, kTabMargin, output::blNone, shade);
    report.AddTabStop(-1.0, output::tjLeft, kTabWidth, kTabMargin, output::blNone, shade);
    const QChar tab = QLatin1Char('\t');
    report.WriteText(tab + ZipReportLineCode(line) + tab + ZipReportLineCount(line) + tab);
    report.NextLine();
}

void TZipReport::HeaderFooter(output::TBaseReport& report)
{
    report.HorizontalOrigin(0.0);
    report.SetBold(true);
    report.CursorHome();
    report.MoveCursor(report.MarginLeft(), report.AreaTop() - kTitleAboveArea);
    report.WriteText(QStringLiteral("Zip Code Count Report"));
    report.SetBold(false);
    report.MoveCursor(report.MarginLeft(), report.AreaBottom());
    report.NextLine();
    report.WriteText(QStringLiteral("Page ") + QString::number(report.CurrentPage()));
    const double left = report.AreaLeft();
    const double top = report.AreaTop();
    const double bottom = report.AreaBottom();
    report.SelectBrush(qRgb(255, 255, 255), output::bsClear);
    report.DrawRectangle(left, top, report.AreaRight(), bottom);
    for (int line = 1; line < kColumnsPerPage; ++line) {
        report.MovePenTo(left + line * kColumnWidth, top);
        report.LineToPoint(left + line * kColumnWidth, bottom);
    }
}

TZipReportResult RunZipReport(const QStringList& lines, bool preview, const TZipReportContext& context)
{
    output::TPrintStatus status(preview, ZipReportJobTexts());
    status.SetDevice(context.device);
    status.SetDialogs(&context.dialogs);
    status.SetOrientation(output::poPortrait);
    TZipReport report(lines, status);
    report.HookJob();
    context.host.RunStatus(status);
    const TZipReportResult result{status.Outcome(), status.FailureMessage(), status.Pages()};
    if (status.ShowsPreview())
        context.host.ShowPreview(status.PreviewStream());
    return result;
}

} // namespace labels
