#include "reports/built_in_report_print.h"

#include "labels/single_record_report.h"
#include "reports/built_in_report_texts.h"
#include "store/dataset.h"

#include <QDate>
#include <QLocale>

#include <array>

namespace reports {

namespace {

// A column of reports 1 to 3: its heading, its width in inches and what it
// shows of a record.
struct TListColumn {
    const char* heading;
    double width;
    QString (*text)(const TBuiltInRecord&);
};

using TListColumns = std::array<TListColumn, 4>;

QString StreetOf(const TBuiltInRecord& record) { return record.street; }
QString OrgOf(const TBuiltInRecord& record) { return record.org; }
QString PhoneOf(const TBuiltInRecord& record) { return record.phone; }
QString FaxOf(const TBuiltInRecord& record) { return record.fax; }

const TListColumns& ListColumns(TBuiltInReport report)
{
    static const std::array<TListColumns, 3> columns{{
        {{{"Name", 1.75, ListName},
          {"Address", 2.15, StreetOf},
          {"City/St/Zip", 2.0, ListCityLine},
          {"Phone", 1.5, PhoneOf}}},
        {{{"Name", 2.0, ListName}, {"Organization", 2.5, OrgOf}, {"Phone", 1.5, PhoneOf}, {"Fax", 1.35, FaxOf}}},
        {{{"Organization", 2.5, OrgOf}, {"Name", 2.0, ListName}, {"Phone", 1.5, PhoneOf}, {"Fax", 1.35, FaxOf}}},
    }};
    return columns.at(static_cast<std::size_t>(report));
}

// Report 4's columns; its values are clipped to widths of their own, some
// reaching over the next column.
constexpr std::array<double, 4> kAllFieldsTabs{0.5, 2.25, 3.0, 1.5};
constexpr double kAllFieldsNameClip = 2.75;
constexpr double kAllFieldsTitleClip = 4.5;
// Report 4 keeps a record's three lines on one page.
constexpr int kAllFieldsLines = 3;

// Inner margin of every cell, in hundredths of an inch.
constexpr double kCellMargin = 2.0;
constexpr int kCodesShade = 5;
constexpr int kMemoShade = 10;
// The memo box is this much narrower than the record area.
constexpr double kMemoInset = 0.25;
// Where the headings' line sits below the top margin.
constexpr double kHeadingsTop = 0.8;
constexpr double kAllFieldsHeadingsTop = 0.5;
// The record area between the header's rules.
constexpr double kRecordAreaTop = 1.0;
constexpr double kRecordAreaBottomInset = 0.5;

const QString kTitleFont = QStringLiteral("Times New Roman");
constexpr double kTitleSize = 14.0;
const QString kBodyFont = QStringLiteral("Arial");
constexpr double kListSize = 9.0;
constexpr double kAllFieldsSize = 8.0;
constexpr QRgb kSeparatorColor = qRgb(192, 192, 192);
constexpr QRgb kRuleColor = qRgb(0, 0, 0);

QString SystemShortDate() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

void DrawRule(output::TBaseReport& report, double y, QRgb color)
{
    report.SelectPen(color, output::psSolid, 1, output::pmCopy);
    report.MovePenTo(report.AreaLeft(), y);
    report.LineToPoint(report.AreaRight(), y);
}

} // namespace

void WriteClipped(output::TBaseReport& report, const QString& text, double clipWidth)
{
    if (text.isEmpty())
        return;
    const double x = report.CursorX();
    const double y = report.CursorY();
    const double size = report.Font().size / 72.0;
    const output::TBrushSpec brush = report.Brush();
    report.SelectBrush(qRgb(255, 255, 255), output::bsClear);
    report.TextInBox(x, y - size, x + clipWidth - 0.2, y + size, x, y - report.FontAscent(), text);
    report.SelectBrush(brush.color, brush.style, brush.pattern);
}

TBuiltInReportPrint::TBuiltInReportPrint(TBuiltInReport report, quorvel::TDataset& records,
                                         const TBuiltInPrintOptions& options, output::TPrintStatus& status)
    : report_(report), dataset_(records), options_(options), status_(status), dateText_(SystemShortDate)
{
}

void TBuiltInReportPrint::BeforePrint(output::TBaseReport& report)
{
    report.SetMarginLeft(kMarginLeft);
    report.SetMarginTop(kMarginTop);
    report.SetMarginRight(kMarginRight);
    report.SetMarginBottom(kMarginBottom);
    report.SetStatusFormat(QStringLiteral("Printing Page %p\r%0\r%1"));
    report.StatusText().clear();
    report.StatusText() << QString() << QString();
    report.OnNewPage = nullptr;
}

void TBuiltInReportPrint::Print(output::TBaseReport& report)
{
    records_ = 0;
    report.SetMarginLeft(kMarginLeft);
    SelectBodyFont(report);
    SetUpColumns(report);
    PrintPageHeader(report);
    report.CursorHome();
    if (nothingToPrint_)
        return;
    for (;;) {
        if (status_.EndRequested())
            break;
        const int needed = report_ == brAllFields ? kAllFieldsLines : 1;
        if (report.LinesRemaining() < needed)
            NewPage(report);
        report.SetBold(false);
        PrintRecord(report, BuiltInRecordOf([this](const QString& field) { return dataset_.FieldAsString(field); }));
        ++records_;
        status_.ProcessEvents();
        if (!dataset_.Next())
            break;
    }
}

void TBuiltInReportPrint::SelectBodyFont(output::TBaseReport& report) const
{
    report.SelectFont(kBodyFont, report_ == brAllFields ? kAllFieldsSize : kListSize);
}

// The columns side by side from the left margin, plain cells.
void TBuiltInReportPrint::SetUpColumns(output::TBaseReport& report) const
{
    report.ClearTabStops();
    double position = kMarginLeft;
    const auto add = [&](double width) {
        report.AddTabStop(position, output::tjLeft, width, kCellMargin, output::blNone, 0);
        position += width;
    };
    if (report_ == brAllFields) {
        for (const double width : kAllFieldsTabs)
            add(width);
        return;
    }
    for (const TListColumn& column : ListColumns(report_))
        add(column.width);
}

void TBuiltInReportPrint::NewPage(output::TBaseReport& report)
{
    report.StartNextPage();
    PrintPageHeader(report);
}

// Title and page number, the date, the headings, then the rules above and
// below the record area; the cursor ends on the area's first line in the
// body font.
void TBuiltInReportPrint::PrintPageHeader(output::TBaseReport& report)
{
    report.ResetAreaToMargins();
    report.SelectFont(kTitleFont, kTitleSize);
    report.SetBold(true);
    report.CursorHome();
    report.WriteText(options_.title);
    report.TextRightAt(QStringLiteral("Page ") + QString::number(report.CurrentPage()), report.AreaRight());
    report.NextLine();
    report.TextRightAt(dateText_(), report.AreaRight());
    PrintHeadings(report);
    SetRecordArea(report);
    DrawRule(report, report.AreaTop(), kRuleColor);
    DrawRule(report, report.AreaBottom(), kRuleColor);
    // Report 4's body is smaller than its headings on every page.
    SelectBodyFont(report);
    report.CursorHome();
}

void TBuiltInReportPrint::PrintHeadings(output::TBaseReport& report)
{
    report.SelectFont(kBodyFont, kListSize);
    report.SetBold(true);
    const bool allFields = report_ == brAllFields;
    report.MoveCursor(kMarginLeft, report.MarginTop() + (allFields ? kAllFieldsHeadingsTop : kHeadingsTop));
    report.NextLine();
    if (allFields) {
        // Tab by tab, empty where a line has no heading.
        report.WriteText(QStringLiteral("\tName\t\tTitle and Organization"));
        report.NextLine();
        report.WriteText(QStringLiteral("\t\tStreet\tCity/State/Zip\tCountry"));
        report.NextLine();
        report.WriteText(QStringLiteral("\t\tPhone,Fax\tEmail\tDate"));
    } else {
        for (const TListColumn& column : ListColumns(report_)) {
            report.NextTabStop();
            report.WriteText(QString::fromLatin1(column.heading));
        }
    }
    report.SetBold(false);
    report.SetItalic(false);
}

void TBuiltInReportPrint::SetRecordArea(output::TBaseReport& report) const
{
    report.SetAreaTop(report.MarginTop() + kRecordAreaTop);
    report.SetAreaBottom(report.PaperHeight() - report.MarginBottom() - kRecordAreaBottomInset);
    report.SetAreaLeft(report.MarginLeft());
    report.SetAreaRight(report.PaperWidth() - report.MarginLeft() + report.MarginRight());
}

void TBuiltInReportPrint::PrintRecord(output::TBaseReport& report, const TBuiltInRecord& record)
{
    if (report_ == brAllFields)
        PrintAllFields(report, record);
    else
        PrintListLine(report, record);
    if (options_.printCodes) {
        const QString codes = dataset_.FieldAsString(u"CODES");
        if (!codes.isEmpty())
            PrintCodes(report, codes);
    }
    if (options_.printMemo)
        PrintMemo(report);
    if (report_ == brAllFields && report.LinesRemaining() > kAllFieldsLines)
        PrintSeparator(report);
}

void TBuiltInReportPrint::PrintListLine(output::TBaseReport& report, const TBuiltInRecord& record)
{
    for (const TListColumn& column : ListColumns(report_)) {
        report.NextTabStop();
        WriteClipped(report, column.text(record), column.width);
    }
    report.NextLine();
}

void TBuiltInReportPrint::PrintAllFields(output::TBaseReport& report, const TBuiltInRecord& record)
{
    report.NextTabStop();
    WriteClipped(report, FullReportName(record), kAllFieldsNameClip);
    report.NextTabStop();
    report.NextTabStop();
    WriteClipped(report, TitleAndOrganization(record), kAllFieldsTitleClip);
    report.NextLine();

    report.NextTabStop();
    report.NextTabStop();
    WriteClipped(report, record.street, kAllFieldsTabs[1]);
    report.NextTabStop();
    WriteClipped(report, FullReportCityLine(record), kAllFieldsTabs[2]);
    report.NextTabStop();
    WriteClipped(report, record.country, kAllFieldsTabs[3]);
    report.NextLine();

    report.NextTabStop();
    report.NextTabStop();
    WriteClipped(report, PhoneLine(record), kAllFieldsTabs[1]);
    report.NextTabStop();
    WriteClipped(report, record.email, kAllFieldsTabs[2]);
    report.NextTabStop();
    WriteClipped(report, record.date, kAllFieldsTabs[3]);
    report.NextLine();
}

void TBuiltInReportPrint::PrintCodes(output::TBaseReport& report, const QString& codes)
{
    if (report.LinesRemaining() == 0)
        NewPage(report);
    report.SaveTabStops();
    report.ClearTabStops();
    report.AddTabStop(kMarginLeft, output::tjLeft, report.AreaRight() - report.AreaLeft(), kCellMargin,
                      output::blNone, kCodesShade);
    report.NextTabStop();
    report.WriteText(QStringLiteral("Codes: ") + codes);
    report.NextLine();
    report.RestoreTabStops();
}

// The memo in shaded full-width lines, wrapped in the font it prints in;
// a memo longer than the page goes on under the next page's header.
void TBuiltInReportPrint::PrintMemo(output::TBaseReport& report)
{
    const double boxWidth = report.AreaRight() - report.AreaLeft() - kMemoInset;
    const QStringList lines = labels::RecordMemoLines(dataset_.MemoText(u"MEMO"), boxWidth,
                                                      [&report](const QString& text) { return report.TextWidth(text); });
    if (lines.isEmpty())
        return;
    report.SaveTabStops();
    SetUpMemoStop(report);
    for (const QString& line : lines) {
        // Also before the first line: a record on the page's last line
        // does not push its memo below the rule.
        if (report.LinesRemaining() == 0) {
            if (status_.EndRequested())
                break;
            report.RestoreTabStops();
            NewPage(report);
            report.SaveTabStops();
            SetUpMemoStop(report);
        }
        report.NextTabStop();
        report.WriteText(line);
        report.NextLine();
    }
    report.RestoreTabStops();
}

void TBuiltInReportPrint::SetUpMemoStop(output::TBaseReport& report) const
{
    report.ClearTabStops();
    report.AddTabStop(report.AreaLeft(), output::tjLeft, report.AreaRight() - report.AreaLeft(), kCellMargin,
                      output::blNone, kMemoShade);
}

// Report 4's silver rule through the middle of a line between records.
void TBuiltInReportPrint::PrintSeparator(output::TBaseReport& report)
{
    DrawRule(report, report.LineTop() + report.LineHeight() / 2.0, kSeparatorColor);
    report.SelectPen(kRuleColor, output::psSolid, 1, output::pmCopy);
    report.NextLine();
}

} // namespace reports
