// Printing of the single-line text objects through the page output engine.
#include "design/model/base_label.h"
#include "design/model/text_metrics.h"
#include "design/model/text_placement.h"

#include "output/base_report.h"

#include <cmath>
#include <numbers>

namespace design {

namespace {

// Glyphs may reach a little left of and above their cell (italics, accents);
// the clip leaves them that much room.
constexpr double kClipAllowance = 0.03;

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

// Prints the text with its own top-left corner at the origin. The engine
// places a boxed text by its top-left corner on the page's vertical, so for
// turned text the point handed over is moved to where the engine's baseline
// lands on the text's turned baseline.
void PrintTurnedText(output::TBaseReport& report, const TPagePlacement& at, const QString& text, TTextPoint origin,
                     int angle, const TTextRect& clip)
{
    const double ascent = report.FontAscent();
    const double radians = angle * std::numbers::pi / 180.0;
    const double baselineX = at.X(origin.X) + ascent * std::round(std::sin(radians));
    const double baselineY = at.Y(origin.Y) + ascent * std::round(std::cos(radians));
    report.TextInBox(at.X(clip.Left) - kClipAllowance, at.Y(clip.Top) - kClipAllowance, at.X(clip.Right),
                     at.Y(clip.Bottom), baselineX, baselineY - ascent, text);
}

} // namespace

void TGBaseLabel::PrintTo(output::TBaseReport& report, double xOffset, double yOffset)
{
    MarkLayoutNeeded();
    const TLabelLayout layout = Layout();
    const TPagePlacement at{xOffset, yOffset, Left(), Top(), PixelsPerInch()};
    if (!Transparent()) {
        report.SelectPen(ColorToRgb(BackColor()), output::psClear, 0, output::pmCopy);
        report.SelectBrush(ColorToRgb(BackColor()), output::bsSolid);
        report.DrawRectangle(at.X(0), at.Y(0), at.X(Width() - 1), at.Y(Height() - 1));
    }
    report.SelectFont(Font().Name, Font().PointSize(PixelsPerInch()));
    report.SetBold(Font().Style.Has(TFontStyle::fsBold));
    report.SetItalic(Font().Style.Has(TFontStyle::fsItalic));
    report.SetUnderline(Font().Style.Has(TFontStyle::fsUnderline));
    report.SetFontAngle(Angle());
    report.SelectBrush(kWhite, output::bsClear);
    if (DepthShadow() > 0 && DirectionShadow() != TShadowDirection::sdNone) {
        report.SetFontColor(ColorToRgb(colorShadow()));
        PrintTurnedText(report, at, Caption(), layout.ShadowOrigin, Angle(), layout.Shadow);
    }
    if (DepthHighlight() > 0 && DirectionHighlight() != THighlightDirection::hdNone) {
        report.SetFontColor(ColorToRgb(colorHighlight()));
        PrintTurnedText(report, at, Caption(), layout.HighlightOrigin, Angle(), layout.Highlight);
    }
    report.SetFontColor(ColorToRgb(Font().Color));
    PrintTurnedText(report, at, Caption(), layout.MainOrigin, Angle(), layout.Main);
    if (BorderStyle() == TBorderStyle::bsSingle) {
        report.SelectBrush(kWhite, output::bsClear);
        report.SelectPen(kBlack, output::psSolid, 1, output::pmCopy);
        report.DrawRectangle(at.X(0), at.Y(0), at.X(Width()), at.Y(Height()));
    }
    report.SetFontAngle(0);
}

} // namespace design
