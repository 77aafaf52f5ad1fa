#include "labels/single_record_report.h"

#include "design/model/word_wrap.h"
#include "labels/label_run.h"
#include "store/dataset.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace labels {

namespace {

// Lengths of the report, in inches.
constexpr double kCaptionWidth = 1.25;
constexpr double kValueWidth = 5.25;
// Inner margins of the tab stops, in hundredths of an inch.
constexpr double kCellMargin = 2.0;
// The word wrapper counts in whole units: thousandths of an inch.
constexpr double kWrapUnitsPerInch = 1000.0;

const QString kFont = QStringLiteral("Times");
constexpr double kFontSize = 10.0;

// The clock time in the locale's long format, without the time zone that
// format carries: the header shows when the page was printed, as the
// desktop clock reads.
QString TimeText(const QTime& time)
{
    const QLocale locale = QLocale::system();
    // Quoted stretches are literal text; only the others hold the zone's "t".
    QStringList parts = locale.timeFormat(QLocale::LongFormat).split(QLatin1Char('\''));
    for (qsizetype i = 0; i < parts.size(); i += 2)
        parts[i].remove(QLatin1Char('t'));
    return locale.toString(time, parts.join(QLatin1Char('\'')).trimmed());
}

void SetReportMargins(output::TBaseReport& report)
{
    report.SetMarginLeft(TSingleRecordPrint::kMargin);
    report.SetMarginRight(TSingleRecordPrint::kMargin);
    report.SetMarginTop(TSingleRecordPrint::kMargin);
    report.SetMarginBottom(TSingleRecordPrint::kMargin);
}

} // namespace

const std::array<TRecordReportField, kRecordReportFieldCount>& RecordReportFields()
{
    static const std::array<TRecordReportField, kRecordReportFieldCount> fields{{
        {"PREFIX", "Prefix"},
        {"LNAME", "Last"},
        {"FNAME", "First"},
        {"MIDDLE", "Middle"},
        {"TITLE", "Title"},
        {"ORG", "Organization"},
        {"STREET", "Address 1"},
        {"STREET2", "Address 2"},
        {"CITY", "City"},
        {"STATE", "State"},
        {"ZIP", "Zip/Postal"},
        {"COUNTRY", "Country"},
        {"PHONE", "Phone 1"},
        {"PHONE2", "Phone 2"},
        {"FAX", "Fax"},
        {"EMAIL", "E-Mail"},
        {"USER1", "Comment 1"},
        {"USER2", "Comment 2"},
        {"CODES", "Codes"},
        {"DisplayDate", "Date"},
    }};
    return fields;
}

output::TPrintJobTexts RecordReportJobTexts()
{
    output::TPrintJobTexts texts;
    texts.printCompleted = QStringLiteral("\rReport Print Completed!");
    texts.printCanceled = QStringLiteral("\rReport Print Canceled!");
    texts.previewCanceled = QStringLiteral("\rReport Preview Canceled!");
    texts.cancelQuestion = QStringLiteral("Cancel Report Printing?");
    texts.previewCompleted = QStringLiteral("\rReport Preview Ready!");
    return texts;
}

QStringList RecordMemoLines(const QString& memo, double width, const std::function<double(const QString&)>& textWidth)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const auto units = [&textWidth](const QString& text) {
        return static_cast<int>(std::ceil(textWidth(text) * kWrapUnitsPerInch));
    };
    const QStringList lines = design::WrapLines(memo.split(lineBreak),
                                                static_cast<int>(std::floor(width * kWrapUnitsPerInch)), units);
    // What the memo length rule leaves of an emptied memo is no memo.
    if (lines.size() == 1 && lines.first().trimmed().isEmpty())
        return {};
    return lines;
}

TSingleRecordPrint::TSingleRecordPrint(const quorvel::TDataset& record, const TRecordReportChoice& choice,
                                       TClock clock, output::TPrintStatus& status)
    : record_(record), choice_(choice), clock_(std::move(clock)), status_(status)
{
}

void TSingleRecordPrint::HookJob()
{
    const QString title = QStringLiteral("Single Record Report");
    status_.Printer().SetTitle(title);
    status_.Filer().SetTitle(title);
    status_.OnBeforePrint = [this](output::TBaseReport& report) { BeforePrintReport(report); };
    status_.OnPrint = [this](output::TBaseReport& report) { PrintTheReport(report); };
}

// The page texts say "Printing" for a preview too: the report has no
// separate wording for it.
void TSingleRecordPrint::BeforePrintReport(output::TBaseReport& report)
{
    SetReportMargins(report);
    report.SetStatusFormat(QStringLiteral("Printing Page %p\r%0\r%1"));
    report.StatusText().clear();
    report.StatusText() << QString() << QString();
    report.OnNewPage = nullptr;
}

void TSingleRecordPrint::PrintTheReport(output::TBaseReport& report)
{
    report.SelectFont(kFont, kFontSize);
    SetReportMargins(report);
    report.ResetAreaToMargins();
    report.ClearTabStops();
    report.AddTabStop(report.AreaLeft(), output::tjLeft, kCaptionWidth, kCellMargin, output::blNone, 0);
    report.AddTabStop(-1.0, output::tjLeft, kValueWidth, kCellMargin, output::blNone, 0);
    PrintHeaderFooter(report);
    PrintFields(report);
    report.NextLine();
    if (choice_.memo)
        PrintMemo(report);
}

// "Page N" and the time above the text area, then a rule along its top and
// one along its bottom; the cursor ends on the area's second line.
void TSingleRecordPrint::PrintHeaderFooter(output::TBaseReport& report)
{
    report.SetMarginTop(kHeaderTop);
    report.ResetAreaToMargins();
    report.CursorHome();
    report.TextRightAt(QStringLiteral("Page ") + QString::number(report.CurrentPage()), report.AreaRight());
    report.NextLine();
    report.TextRightAt(TimeText(clock_ ? clock_() : QTime::currentTime()), report.AreaRight());
    report.SetMarginTop(kMargin);
    report.ResetAreaToMargins();
    for (const double y : {report.AreaTop(), report.AreaBottom()}) {
        report.MovePenTo(report.AreaLeft(), y);
        report.LineToPoint(report.AreaRight(), y);
    }
    report.CursorHome();
    report.NextLine();
}

void TSingleRecordPrint::PrintFields(output::TBaseReport& report)
{
    const auto& fields = RecordReportFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!choice_.fields.test(i))
            continue;
        report.NextTabStop();
        report.SetBold(true);
        report.WriteText(QString::fromLatin1(fields[i].caption));
        report.NextTabStop();
        report.SetBold(false);
        report.WriteText(record_.FieldAsString(QString::fromLatin1(fields[i].field)));
        report.NextLine();
    }
}

// The memo in one cell as wide as the text area. The first line of the
// cell is left empty with its bottom line drawn: the rule that sets the
// memo apart from the fields. Later pages carry the header, not the rule.
void TSingleRecordPrint::PrintMemo(output::TBaseReport& report)
{
    report.SetItalic(true);
    // Wrapped to the cell's text, inside its margins, so that no line runs
    // past the text area's right edge.
    const double cellText = report.AreaRight() - report.AreaLeft() - 2.0 * kCellMargin / 100.0;
    const QStringList lines = RecordMemoLines(record_.MemoText(u"MEMO"), cellText,
                                              [&report](const QString& text) { return report.TextWidth(text); });
    if (lines.isEmpty()) {
        report.SetItalic(false);
        return;
    }
    report.SaveTabStops();
    SetMemoStop(report, output::blBottom);
    report.NextTabStop();
    report.WriteText(QString());
    report.NextLine();
    SetMemoStop(report, output::blNone);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        report.NextTabStop();
        report.WriteText(lines.at(i));
        report.NextLine();
        if (report.LinesRemaining() > 0 || i + 1 == lines.size())
            continue;
        // A page is the natural moment to let Stop and Cancel in.
        status_.ProcessEvents();
        if (status_.EndRequested())
            break;
        report.RestoreTabStops();
        report.SetItalic(false);
        report.StartNextPage();
        PrintHeaderFooter(report);
        report.SaveTabStops();
        report.SetItalic(true);
        SetMemoStop(report, output::blNone);
    }
    report.RestoreTabStops();
    report.SetItalic(false);
}

void TSingleRecordPrint::SetMemoStop(output::TBaseReport& report, int lines)
{
    report.ClearTabStops();
    report.AddTabStop(report.AreaLeft(), output::tjLeft, report.AreaRight() - report.AreaLeft(), kCellMargin, lines,
                      0);
}

void RunRecordReport(const quorvel::TDataset& record, const TRecordReportChoice& choice,
                     TSingleRecordPrint::TClock clock, bool preview, output::TOutputDialogs& dialogs,
                     TLabelRunHost& host)
{
    output::TPrintStatus status(preview, RecordReportJobTexts());
    status.SetDialogs(&dialogs);
    TSingleRecordPrint report(record, choice, std::move(clock), status);
    report.HookJob();
    host.RunStatus(status);
    if (status.ShowsPreview())
        host.ShowPreview(status.PreviewStream());
}

} // namespace labels
