#include "reports/report_settings.h"

#include "design/file/design_error.h"
#include "design/model/design_qcolor.h"
#include "output/tab_stops.h"

#include <algorithm>
#include <cmath>

namespace reports {

namespace {

constexpr double kLetterWidth = 8.5, kLetterHeight = 11.0;
constexpr double kA4Width = 8.27, kA4Height = 11.68;
constexpr int kNewBandHeight = 33;
// A thousand inches: more than any sheet, little enough that sums of
// lengths in pixels stay far from overflowing.
constexpr std::int32_t kLongestThousandths = 1000 * 1000;
constexpr int kLargestFontSize = 1638;

std::int32_t Thousandths(int pixels, int ppi)
{
    // Integer arithmetic truncates exactly where a floating quotient could
    // land a hair below a whole number.
    return ppi > 0 ? static_cast<std::int32_t>(static_cast<qint64>(pixels) * 1000 / ppi) : 0;
}

int PixelsOfThousandths(std::int32_t thousandths, int ppi)
{
    const std::int32_t kept = std::clamp(thousandths, 0, kLongestThousandths);
    // Round to nearest, halves to the even neighbour (the default mode).
    return static_cast<int>(std::nearbyint(kept * 0.001 * ppi));
}

// The nine lengths in the order the value list keeps them.
template <typename TSettings>
auto* LengthAt(TSettings& s, int index)
{
    decltype(&s.pageWidth) lengths[] = {&s.pageWidth,    &s.pageHeight,   &s.leftMargin,
                                        &s.topMargin,    &s.rightMargin,  &s.bottomMargin,
                                        &s.headerHeight, &s.detailHeight, &s.footerHeight};
    return lengths[index];
}

constexpr int kLengthCount = 9;

// Reads the list in its fixed order; the first value missing or of another
// kind ends the reading with the reader's message.
class TDataReader {
public:
    explicit TDataReader(const design::TGReportData& data) : cursor_(data) {}

    std::optional<QString> Failure() const { return failure_; }

    void Integer(int& target)
    {
        Take(target, [this] { return cursor_.ReadInteger(); });
    }
    void Boolean(bool& target)
    {
        Take(target, [this] { return cursor_.ReadBoolean(); });
    }
    void String(QString& target)
    {
        Take(target, [this] { return cursor_.ReadString(); });
    }

private:
    // A list that ended is a stream cut short; a value of another kind is a
    // value that does not fit where it stands.
    QString Problem() const
    {
        return cursor_.AtEnd() ? design::messages::invalidStreamFormat() : design::messages::invalidPropertyValue();
    }

    template <typename T, typename TRead>
    void Take(T& target, TRead read)
    {
        if (failure_)
            return;
        if (auto value = read())
            target = std::move(*value);
        else
            failure_ = Problem();
    }

    design::TGReportDataCursor cursor_;
    std::optional<QString> failure_;
};

void AddBorder(design::TGReportDataBuilder& builder, const TBandBorder& border)
{
    builder.AddBoolean(border.left);
    builder.AddBoolean(border.top);
    builder.AddBoolean(border.right);
    builder.AddBoolean(border.bottom);
    builder.AddInteger(border.lineWidth);
    builder.AddInteger(border.shadePercent);
    builder.AddInteger(design::FromQColor(QColor::fromRgb(border.shadeColor)));
}

void ReadBorder(TDataReader& reader, TBandBorder& border)
{
    int color = 0;
    reader.Boolean(border.left);
    reader.Boolean(border.top);
    reader.Boolean(border.right);
    reader.Boolean(border.bottom);
    reader.Integer(border.lineWidth);
    reader.Integer(border.shadePercent);
    reader.Integer(color);
    border.lineWidth = std::clamp(border.lineWidth, 1, 3);
    border.shadePercent = std::clamp(border.shadePercent, 0, 100);
    border.shadeColor = design::ToQRgb(color);
}

void AddString(design::TGReportDataBuilder& builder, const QString& text)
{
    // A font name the file cannot hold is written as the font every report
    // starts with; the caller checks names before saving (StorableFontNames).
    if (!builder.AddString(text))
        builder.AddString(QStringLiteral("Arial"));
}

} // namespace

int InchesToPixels(double inches, int ppi)
{
    // The hair keeps 11.68 * 100 from truncating to 1167.
    return static_cast<int>(std::trunc(inches * ppi + 1e-9));
}

TReportSettings NewReportSettings(int ppi)
{
    TReportSettings settings;
    SetPaper(settings, rpLetterPortrait, ppi);
    const int margin = InchesToPixels(0.5, ppi);
    settings.leftMargin = settings.topMargin = settings.rightMargin = settings.bottomMargin = margin;
    settings.headerHeight = settings.detailHeight = settings.footerHeight = kNewBandHeight;
    return settings;
}

design::TGReportData ReportDataOf(const TReportSettings& settings, int ppi)
{
    design::TGReportDataBuilder builder;
    for (int i = 0; i < kLengthCount; ++i)
        builder.AddInteger(Thousandths(*LengthAt(settings, i), ppi));
    builder.AddBoolean(settings.useHeader);
    builder.AddBoolean(settings.useDetail);
    builder.AddBoolean(settings.useMemo);
    builder.AddBoolean(settings.useFooter);
    AddString(builder, settings.memoFontName);
    builder.AddInteger(settings.memoFontSize);
    builder.AddBoolean(settings.memoBold);
    builder.AddBoolean(settings.memoItalic);
    builder.AddInteger(settings.memoAlignment);
    AddString(builder, settings.defaultFontName);
    builder.AddInteger(settings.defaultFontSize);
    builder.AddBoolean(settings.defaultBold);
    builder.AddBoolean(settings.defaultItalic);
    for (const TBandBorder& border : settings.borders)
        AddBorder(builder, border);
    return builder.Data();
}

std::optional<QString> ReadReportData(const design::TGReportData& data, int ppi, TReportSettings& settings)
{
    TReportSettings read = settings;
    TDataReader reader(data);
    for (int i = 0; i < kLengthCount; ++i)
        reader.Integer(*LengthAt(read, i));
    reader.Boolean(read.useHeader);
    reader.Boolean(read.useDetail);
    reader.Boolean(read.useMemo);
    reader.Boolean(read.useFooter);
    reader.String(read.memoFontName);
    reader.Integer(read.memoFontSize);
    reader.Boolean(read.memoBold);
    reader.Boolean(read.memoItalic);
    reader.Integer(read.memoAlignment);
    reader.String(read.defaultFontName);
    reader.Integer(read.defaultFontSize);
    reader.Boolean(read.defaultBold);
    reader.Boolean(read.defaultItalic);
    for (TBandBorder& border : read.borders)
        ReadBorder(reader, border);
    if (reader.Failure())
        return reader.Failure();

    for (int i = 0; i < kLengthCount; ++i)
        *LengthAt(read, i) = PixelsOfThousandths(*LengthAt(read, i), ppi);
    read.memoFontSize = std::clamp(read.memoFontSize, 1, kLargestFontSize);
    read.defaultFontSize = std::clamp(read.defaultFontSize, 1, kLargestFontSize);
    if (read.memoAlignment < 0 || read.memoAlignment > 2)
        read.memoAlignment = 0;
    settings = read;
    return std::nullopt;
}

QRgb BandShade(const TBandBorder& border) { return output::ShadeColor(border.shadeColor, border.shadePercent); }

TReportPaper RecognisePaper(const TReportSettings& settings, int ppi)
{
    const int letterWidth = InchesToPixels(kLetterWidth, ppi), letterHeight = InchesToPixels(kLetterHeight, ppi);
    const int a4Width = InchesToPixels(kA4Width, ppi), a4Height = InchesToPixels(kA4Height, ppi);
    const int width = settings.pageWidth, height = settings.pageHeight;
    if (width == letterWidth && height == letterHeight)
        return rpLetterPortrait;
    if (width == letterHeight && height == letterWidth)
        return rpLetterLandscape;
    if (width == a4Width && height == a4Height)
        return rpA4Portrait;
    if (width == a4Height && height == a4Width)
        return rpA4Landscape;
    return rpOtherPaper;
}

QString LayoutText(TReportPaper paper)
{
    switch (paper) {
    case rpLetterPortrait:
        return QStringLiteral("Letter Size, Portrait");
    case rpLetterLandscape:
        return QStringLiteral("Letter Size, Landscape");
    case rpA4Portrait:
        return QStringLiteral("A4 Size, Portrait");
    case rpA4Landscape:
        return QStringLiteral("A4 Size, Landscape");
    case rpOtherPaper:
        break;
    }
    return QStringLiteral("Custom Size");
}

void SetPaper(TReportSettings& settings, TReportPaper paper, int ppi)
{
    const bool a4 = paper == rpA4Portrait || paper == rpA4Landscape;
    const bool landscape = paper == rpLetterLandscape || paper == rpA4Landscape;
    if (paper == rpOtherPaper)
        return;
    const int shortSide = InchesToPixels(a4 ? kA4Width : kLetterWidth, ppi);
    const int longSide = InchesToPixels(a4 ? kA4Height : kLetterHeight, ppi);
    settings.pageWidth = landscape ? longSide : shortSide;
    settings.pageHeight = landscape ? shortSide : longSide;
}

TReportPage ReportPage(const TReportSettings& settings, int ppi)
{
    TReportPage page;
    page.landscape = !(settings.pageHeight > settings.pageWidth);
    const auto standing = [&page](double shortSide, double longSide) {
        return page.landscape ? QSizeF(longSide, shortSide) : QSizeF(shortSide, longSide);
    };
    switch (RecognisePaper(settings, ppi)) {
    case rpLetterPortrait:
    case rpLetterLandscape:
        page.paperCode = 1;
        page.paperInches = standing(kLetterWidth, kLetterHeight);
        break;
    case rpA4Portrait:
    case rpA4Landscape:
        page.paperCode = 9;
        page.paperInches = standing(kA4Width, kA4Height);
        break;
    case rpOtherPaper:
        page.paperCode = 0;
        page.paperInches = QSizeF(double(settings.pageWidth) / ppi, double(settings.pageHeight) / ppi);
        break;
    }
    return page;
}

} // namespace reports
