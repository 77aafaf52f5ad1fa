#include "labels/label_stock_search.h"

#include "labels/label_edit_values.h"

#include <QRegularExpression>

#include <cmath>

namespace labels {

namespace {

constexpr double kInchTolerance = 0.01;
constexpr double kMillimetreTolerance = 0.5;
// Room for the binary rounding of values like 2.625 - 2.615.
constexpr double kRoundingSlack = 1e-9;

// A number with an optional unit after it: "2.625", "66,7mm", "4in", "1.5\"".
const QRegularExpression& SizePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+(?:[.,]\\d*)?|[.,]\\d+)(mm|in|\")?$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

bool IsMillimetreWord(const QString& word) { return word.compare(QLatin1String("mm"), Qt::CaseInsensitive) == 0; }

bool Near(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance + kRoundingSlack; }

} // namespace

TLabelStockSearch::TLabelStockSearch(const QString& text) : words_(Split(text)) {}

std::vector<TLabelStockSearch::TWord> TLabelStockSearch::Split(const QString& text)
{
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    std::vector<TWord> words;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        TWord word{parts[i], std::nullopt, kInchTolerance};
        const QRegularExpressionMatch size = SizePattern().match(parts[i]);
        if (size.hasMatch()) {
            QString unit = size.captured(2);
            // "66.7 mm": the unit written apart belongs to the number.
            if (unit.isEmpty() && i + 1 < parts.size() && IsMillimetreWord(parts[i + 1]))
                unit = parts[++i];
            const double value = size.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
            const bool millimetres = IsMillimetreWord(unit);
            word.inches = millimetres ? value / kMillimetresPerInch : value;
            word.tolerance = millimetres ? kMillimetreTolerance / kMillimetresPerInch : kInchTolerance;
        }
        words.push_back(word);
    }
    return words;
}

bool TLabelStockSearch::MatchesWord(const TWord& word, const TLabelStock& stock)
{
    for (const QString* field : {&stock.templateDescription, &stock.manufacturer, &stock.productType})
        if (field->contains(word.text, Qt::CaseInsensitive))
            return true;
    if (!word.inches)
        return false;
    return Near(stock.geometry.width, *word.inches, word.tolerance) ||
           Near(stock.geometry.height, *word.inches, word.tolerance);
}

bool TLabelStockSearch::Matches(const TLabelStock& stock) const
{
    for (const TWord& word : words_)
        if (!MatchesWord(word, stock))
            return false;
    return true;
}

} // namespace labels
