#include "reports/user_report_print.h"

#include "design/model/record_values.h"
#include "labels/single_record_report.h"
#include "output/base_report.h"
#include "output/print_status.h"
#include "reports/report_design.h"
#include "reports/report_page_area.h"
#include "store/dataset.h"

#include <algorithm>
#include <cmath>

namespace reports {

namespace {

// The engine's margins before the report sets its own.
constexpr double kComponentMargin = 0.5;
// Lets a band that exactly fits count as fitting despite rounding.
constexpr double kTolerance = 1e-9;

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

} // namespace

TUserDefinedReportPrint::TUserDefinedReportPrint(TReportDesign& design, quorvel::TDataset& records,
                                                 const design::TGRecordSource& record, bool onePerPage,
                                                 output::TPrintStatus& status, int ppi)
    : design_(design), dataset_(records), record_(record), onePerPage_(onePerPage), status_(status),
      ppi_(ppi > 0 ? ppi : 96)
{
}

void TUserDefinedReportPrint::BeforePrint(output::TBaseReport& report)
{
    report.SetUnits(output::unInch);
    report.SetLineHeightMethod(output::lhmFont);
    report.SetMarginLeft(kComponentMargin);
    report.SetMarginTop(kComponentMargin);
    report.SetMarginRight(kComponentMargin);
    report.SetMarginBottom(kComponentMargin);
    report.SetStatusFormat(QStringLiteral("Printing Page %p\r%0\r%1"));
    report.StatusText().clear();
    report.StatusText() << QString() << QString();
    // The furniture waits until the report's own margins are set.
    report.OnNewPage = nullptr;
    records_ = 0;
}

double TUserDefinedReportPrint::BandHeight(TReportBand band) const
{
    return Inches(ShownBandHeight(design_.Settings(), band));
}

void TUserDefinedReportPrint::SetJobMargins(output::TBaseReport& report) const
{
    const TReportSettings& settings = design_.Settings();
    report.SetMarginLeft(Inches(settings.leftMargin) + kBandInset);
    report.SetMarginRight(Inches(settings.rightMargin) + kBandInset);
    report.SetMarginTop(Inches(settings.topMargin) + BandHeight(rbHeader));
    report.SetMarginBottom(Inches(settings.bottomMargin) + BandHeight(rbFooter));
    report.ResetAreaToMargins();
}

void TUserDefinedReportPrint::Print(output::TBaseReport& report)
{
    design_.SetRecord(&record_);
    SetJobMargins(report);
    PrintFurniture(report);
    report.OnNewPage = [this](output::TBaseReport& page) { PrintFurniture(page); };
    struct TForgetFurniture {
        output::TBaseReport& report;
        ~TForgetFurniture() { report.OnNewPage = nullptr; }
    } forget{report};

    const TReportSettings& settings = design_.Settings();
    while (!dataset_.Eof() && !status_.EndRequested()) {
        if (settings.useDetail)
            PrintDetail(report);
        if (settings.useMemo)
            PrintMemo(report);
        ++records_;
        dataset_.Next();
        status_.ProcessEvents();
        if (onePerPage_ && !dataset_.Eof() && !status_.EndRequested())
            NewPage(report);
    }
}

void TUserDefinedReportPrint::PrintFurniture(output::TBaseReport& report)
{
    const double x = Inches(design_.Settings().leftMargin) + kBandInset;
    const double top = report.AreaTop();
    const double bottom = report.AreaBottom();
    if (design_.Settings().useHeader) {
        const double header = BandHeight(rbHeader);
        DrawBandFrame(report, rbHeader, top - header, top);
        design_.PrintBand(rbHeader, report, x, top - header);
    }
    if (design_.Settings().useFooter) {
        DrawBandFrame(report, rbFooter, bottom, bottom + BandHeight(rbFooter));
        design_.PrintBand(rbFooter, report, x, bottom);
    }
    y_ = top;
    freshPage_ = true;
}

void TUserDefinedReportPrint::NewPage(output::TBaseReport& report)
{
    // The engine's OnNewPage prints the furniture and resets y_.
    report.StartNextPage();
}

void TUserDefinedReportPrint::PrintDetail(output::TBaseReport& report)
{
    const double height = BandHeight(rbDetail);
    if (!freshPage_ && report.AreaBottom() - y_ + kTolerance < height)
        NewPage(report);
    DrawBandFrame(report, rbDetail, y_, y_ + height);
    design_.RefreshBand(rbDetail);
    design_.PrintBand(rbDetail, report, Inches(design_.Settings().leftMargin) + kBandInset, y_);
    y_ += height;
    freshPage_ = false;
}

void TUserDefinedReportPrint::SelectMemoFont(output::TBaseReport& report) const
{
    const TReportSettings& settings = design_.Settings();
    report.SelectFont(settings.memoFontName, settings.memoFontSize);
    report.SetBold(settings.memoBold);
    report.SetItalic(settings.memoItalic);
}

void TUserDefinedReportPrint::PrintMemo(output::TBaseReport& report)
{
    const TReportSettings& settings = design_.Settings();
    SelectMemoFont(report);
    const double boxWidth = Inches(settings.pageWidth - settings.leftMargin - settings.rightMargin);
    const QStringList lines =
        labels::RecordMemoLines(record_.MemoText(QStringLiteral("MEMO")), boxWidth,
                                [&report](const QString& text) { return report.TextWidth(text); });
    qsizetype next = 0;
    while (next < lines.size()) {
        const double lineHeight = report.LineHeight();
        const auto fitting = [&] {
            return static_cast<qsizetype>(std::floor((report.AreaBottom() - y_) / lineHeight + kTolerance));
        };
        qsizetype count = fitting();
        if (count <= 0 && !freshPage_) {
            NewPage(report);
            SelectMemoFont(report);
            count = fitting();
        }
        // An area lower than one line still takes one, or the pages would
        // never end.
        count = std::clamp<qsizetype>(count, 1, lines.size() - next);
        const double blockBottom = y_ + count * lineHeight + report.FontDescent();
        DrawBandFrame(report, rbMemo, y_, blockBottom);
        report.MoveCursor(report.AreaLeft(), y_);
        report.NextLine();
        for (qsizetype i = 0; i < count; ++i) {
            PrintMemoLine(report, lines.at(next + i));
            report.NextLine();
            y_ += lineHeight;
        }
        next += count;
        y_ += report.FontDescent();
        freshPage_ = false;
        if (next < lines.size()) {
            NewPage(report);
            SelectMemoFont(report);
        }
    }
}

void TUserDefinedReportPrint::PrintMemoLine(output::TBaseReport& report, const QString& line) const
{
    switch (design_.Settings().memoAlignment) {
    case 1:
        report.TextRightAt(line, report.AreaRight());
        break;
    case 2:
        report.TextCenteredAt(line, (report.AreaLeft() + report.AreaRight()) / 2.0);
        break;
    default:
        report.TextLeftAt(line, report.CursorX());
        break;
    }
}

// A band's rectangle runs from the frame's left to its right: an eighth of
// an inch outside the text area on either side.
void TUserDefinedReportPrint::DrawBandFrame(output::TBaseReport& report, TReportBand band, double top,
                                            double bottom) const
{
    const TBandBorder& border = design_.Settings().borders[band];
    const double left = report.AreaLeft() - kBandInset;
    const double right = report.AreaRight() + kBandInset;
    DrawShade(report, border, left, top, right, bottom);
    DrawBorder(report, border, left, top, right, bottom);
}

void TUserDefinedReportPrint::DrawShade(output::TBaseReport& report, const TBandBorder& border, double left,
                                        double top, double right, double bottom) const
{
    if (border.shadePercent <= 0)
        return;
    report.SelectPen(kBlack, output::psClear, 1, output::pmCopy);
    report.SelectBrush(BandShade(border), output::bsSolid);
    report.DrawRectangle(left + kShadeInset, top + kShadeInset, right, bottom);
    report.SelectBrush(kWhite, output::bsClear);
}

void TUserDefinedReportPrint::DrawBorder(output::TBaseReport& report, const TBandBorder& border, double left,
                                         double top, double right, double bottom) const
{
    if (!border.left && !border.top && !border.right && !border.bottom)
        return;
    // A negative width is hundredths of an inch.
    report.SelectPen(kBlack, output::psSolid, -border.lineWidth, output::pmCopy);
    // A wide line is drawn centred on its edge; moving it inward by its
    // width in device pixels keeps it inside the band.
    if (border.lineWidth >= 2) {
        const double pixelsX = (report.ToDeviceX(100.0) - report.ToDeviceX(0.0)) / 100.0;
        const double pixelsY = (report.ToDeviceY(100.0) - report.ToDeviceY(0.0)) / 100.0;
        const double dx = pixelsX > 0.0 ? border.lineWidth / pixelsX : 0.0;
        const double dy = pixelsY > 0.0 ? border.lineWidth / pixelsY : 0.0;
        left += dx;
        right -= dx;
        top += dy;
        bottom -= dy;
    }
    const auto line = [&report](double x1, double y1, double x2, double y2) {
        report.MovePenTo(x1, y1);
        report.LineToPoint(x2, y2);
    };
    if (border.top)
        line(left, top, right, top);
    if (border.right)
        line(right, top, right, bottom);
    if (border.bottom)
        line(left, bottom, right, bottom);
    if (border.left)
        line(left, top, left, bottom);
}

} // namespace reports
