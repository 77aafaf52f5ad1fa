#include "labels/label_paper.h"

#include "output/output_dialogs.h"
#include "output/print_status.h"
#include "output/rp_device.h"

#include <cmath>

namespace labels {

namespace {

// Sizes are compared as the two-decimal texts they are shown as.
double TwoDecimals(double inches) { return QString::number(inches, 'f', 2).toDouble(); }

QString Inches(double inches) { return QString::number(inches, 'f', 2) + QLatin1Char('"'); }

int PaperCodeFor(const QString& paperSize)
{
    if (paperSize == QLatin1String("LTR") || paperSize == QLatin1String("LTRL"))
        return 1;
    if (paperSize == QLatin1String("A4") || paperSize == QLatin1String("A4L"))
        return 9;
    if (paperSize == QLatin1String("A5"))
        return 11;
    if (paperSize == QLatin1String("USERP") || paperSize == QLatin1String("USERL"))
        return 0;
    return -1;
}

// Some printer drivers take no custom size and report one they do not
// print; for them the size is never set and always questioned.
bool RefusesCustomSizes(const QString& printerName) { return printerName.contains(QLatin1String("HPFDJ"), Qt::CaseInsensitive); }

bool Differs(double a, double b) { return std::fabs(TwoDecimals(a) - b) > 0.05; }

} // namespace

TLabelPaper LabelPaperFor(const TLabelGeometry& geometry)
{
    TLabelPaper paper;
    paper.landscape = IsLandscapePaper(geometry.paperSize);
    paper.width = TwoDecimals(paper.landscape ? geometry.sheetDepth : geometry.sheetWidth);
    paper.height = TwoDecimals(paper.landscape ? geometry.sheetWidth : geometry.sheetDepth);
    paper.paperCode = PaperCodeFor(geometry.paperSize);
    return paper;
}

QString PaperQuestion(const TLabelPaper& paper)
{
    const QString lineBreaks = QStringLiteral("\r\n\r\n");
    return QStringLiteral("Unable to confirm that the paper size was set to") + lineBreaks + Inches(paper.width) +
           QStringLiteral(" by ") + Inches(paper.height) + lineBreaks +
           QStringLiteral("(you may have the wrong printer selected)") + lineBreaks +
           QStringLiteral("Would you like to try printing anyways?");
}

bool PrepareLabelPaper(output::TPrintStatus& status, const TLabelGeometry& geometry)
{
    const TLabelPaper paper = LabelPaperFor(geometry);
    output::TBaseReport& report = status.Report();
    const bool noCustomSize = paper.paperCode == 0 && RefusesCustomSizes(report.Device().DeviceName());
    if (paper.paperCode > 0)
        report.ChoosePaper(paper.paperCode, 0.0, 0.0);
    else if (paper.paperCode == 0 && !noCustomSize)
        report.ChoosePaper(0, paper.height, paper.width);
    status.SetOrientation(paper.landscape ? output::poLandScape : output::poPortrait);
    // Landscape paper reads back turned: its width is the sheet's height.
    const double readWidth = paper.landscape ? paper.height : paper.width;
    const double readHeight = paper.landscape ? paper.width : paper.height;
    const bool confirmed =
        !noCustomSize && !Differs(report.PaperWidth(), readWidth) && !Differs(report.PaperHeight(), readHeight);
    return confirmed || status.Dialogs().AskQuestion(PaperQuestion(paper), QStringLiteral("Warning"));
}

} // namespace labels
