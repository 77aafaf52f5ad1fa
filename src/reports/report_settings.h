#pragma once

#include "design/file/report_data.h"

#include <QRgb>
#include <QSizeF>
#include <QString>

#include <array>
#include <optional>

// The settings of a user-defined report: paper, margins, the four bands and
// their fonts, frames and shades. Lengths are screen pixels at the screen's
// pixels per inch while a report is open; the design file keeps them in
// thousandths of an inch so that a report made on one screen prints the
// same from another.
namespace reports {

// The bands from top to bottom; also the index of their borders.
enum TReportBand { rbHeader = 0, rbDetail = 1, rbMemo = 2, rbFooter = 3 };

// The frame and background of a band. LineWidth is hundredths of an inch
// when printed.
struct TBandBorder {
    bool left = false, top = false, right = false, bottom = false;
    int lineWidth = 1;
    int shadePercent = 0;
    QRgb shadeColor = 0xFFFFFFFF;

    bool operator==(const TBandBorder&) const = default;
};

struct TReportSettings {
    int pageWidth = 0, pageHeight = 0;
    int leftMargin = 0, topMargin = 0, rightMargin = 0, bottomMargin = 0;
    int headerHeight = 0, detailHeight = 0, footerHeight = 0;
    bool useHeader = true, useDetail = true, useMemo = false, useFooter = false;
    QString memoFontName = QStringLiteral("Arial");
    int memoFontSize = 10;
    bool memoBold = false, memoItalic = false;
    int memoAlignment = 0; // 0 left, 1 right, 2 centred
    QString defaultFontName = QStringLiteral("Arial");
    int defaultFontSize = 10;
    bool defaultBold = false, defaultItalic = false;
    std::array<TBandBorder, 4> borders; // by TReportBand

    bool operator==(const TReportSettings&) const = default;
};

// Letter portrait, half-inch margins, header and detail bands of 33 pixels
// in use, no frames, white shades.
TReportSettings NewReportSettings(int ppi);

// The list a report design file carries after its three bands.
design::TGReportData ReportDataOf(const TReportSettings& settings, int ppi);
// Reads that list into `settings`. A list that ends early or holds a value
// of the wrong kind is a damaged file: the message is returned and the
// settings stay as they were. Values no report could have (a line width
// outside 1 to 3, a shade outside 0 to 100, a negative length) are brought
// into range, so that a file from anywhere prints sensibly.
std::optional<QString> ReadReportData(const design::TGReportData& data, int ppi, TReportSettings& settings);

// The band's background: its shade colour lightened by its percent.
QRgb BandShade(const TBandBorder& border);

// The four papers the layout dialog offers; any other stored size is
// rpOtherPaper.
enum TReportPaper { rpLetterPortrait, rpLetterLandscape, rpA4Portrait, rpA4Landscape, rpOtherPaper };

// A length in inches as whole screen pixels (truncated).
int InchesToPixels(double inches, int ppi);

TReportPaper RecognisePaper(const TReportSettings& settings, int ppi);
// "Letter Size, Portrait", ...; "Custom Size" for another size.
QString LayoutText(TReportPaper paper);
// Sets the page size of one of the four papers; rpOtherPaper changes nothing.
void SetPaper(TReportSettings& settings, TReportPaper paper, int ppi);

// The sheet a report prints on.
struct TReportPage {
    int paperCode = 1;   // 1 Letter, 9 A4, 0 custom
    QSizeF paperInches;  // as the page stands (landscape: wider than high)
    bool landscape = false;
};

// Letter in either orientation prints on Letter, A4 on A4; another stored
// size prints on a custom sheet of that size. Portrait when the page is
// taller than wide.
TReportPage ReportPage(const TReportSettings& settings, int ppi);

} // namespace reports
