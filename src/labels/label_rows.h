#pragma once

#include "labels/label_layout.h"

#include <QLatin1String>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// Label stock and layouts as rows of the stock catalogue (LBLTPL.DBF) and
// the layout table (LABEL.DBF). Both share the geometry columns: lengths
// N(6,3) in inches, counts N(2,0).
namespace labels {

// A column's value in the current row, as the dataset gives it: text,
// trailing blanks removed.
using TRowField = std::function<QString(const QString& column)>;

// A layout read from its row, or why the row cannot be used.
struct TLayoutRead {
    std::optional<TLabelLayout> layout;
    QString message;
};

// A table may have been edited by hand or copied from elsewhere, and its
// geometry drives how many labels a sheet has and where they print. So a
// row is refused, with a message naming it, when a count is outside 1..10
// across or 1..30 down, or a length (margins, pitches, sizes, middle gaps)
// is no number, negative or above 99.999 inches.
TLayoutRead ReadLayoutRow(const TRowField& field);

// A catalogue row: its DESCRIPT becomes the stock's template description.
// Refused on the same terms as a layout row.
struct TStockRead {
    std::optional<TLabelStock> stock;
    QString message;
};
TStockRead ReadTemplateRow(const TRowField& field);

// The text of a stock's own column (geometry, codes, TPLDESCRIP) as a row
// holds it. Empty for a column it does not know.
QString StockColumnText(const TLabelStock& stock, QStringView column);

// The text a save writes into a column of the layout table or the catalogue
// for a layout: lengths with three decimals, counts as whole numbers, the
// description cut to 50 characters. Empty for a column it does not know.
QString LayoutColumnText(const TLabelLayout& layout, QStringView column);

// Every column of a layout row a save writes, in the table's order (the
// DELETED column is the engine's business and never written).
struct TColumnText {
    QString column;
    QString text;
};
std::vector<TColumnText> LayoutRowTexts(const TLabelLayout& layout);

// A plain decimal number as typed or stored ("2.625", "-0.5", ".5", blanks
// around allowed); nothing for any other text, exponents and "nan" included.
std::optional<double> ParseDecimal(const QString& text);

// A length as a row stores it: fixed, three decimals.
QString FormatLength(double inches);

} // namespace labels
