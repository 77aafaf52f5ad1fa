// The stock search: every word must occur in the description, maker or
// product type, or name the label's width or height.
#include "labels/label_stock_search.h"

#include <gtest/gtest.h>

using labels::TLabelStock;
using labels::TLabelStockSearch;

namespace {

TLabelStock Stock(const char* description, const char* maker, const char* type, double width, double height)
{
    TLabelStock stock;
    stock.templateDescription = QString::fromLatin1(description);
    stock.manufacturer = QString::fromLatin1(maker);
    stock.productType = QString::fromLatin1(type);
    stock.geometry.width = width;
    stock.geometry.height = height;
    return stock;
}

const TLabelStock kStocks[] = {
    Stock("Avery 5160  Address", "AVERY", "ADDRESS/SHIPPING LABELS", 2.625, 1.0),
    Stock("Avery 8160  Address", "AVERY", "ADDRESS/SHIPPING LABELS", 2.625, 1.0),
    Stock("Avery L7163  Address", "AVERY", "ADDRESS/SHIPPING LABELS", 3.898, 1.5),
    Stock("Avery 5388  Index Card", "AVERY", "CARD PRODUCTS", 5.0, 3.0),
    Stock("Costar 30252 Address", "COSTAR", "MISCELLANEOUS", 3.5, 1.125),
};

QStringList Found(const QString& text)
{
    const TLabelStockSearch search(text);
    QStringList found;
    for (const TLabelStock& stock : kStocks)
        if (search.Matches(stock))
            found << stock.templateDescription.section(QLatin1Char(' '), 1, 1);
    return found;
}

} // namespace

TEST(StockSearch, EveryWordMustMatchTextOrSize)
{
    const struct {
        const char* search;
        const char* found; // the stocks' numbers, blank-separated
    } cases[] = {
        {"", "5160 8160 L7163 5388 30252"},
        {"5160", "5160"},
        {"avery card", "5388"},
        {"costar", "30252"},
        {"shipping 8160", "8160"},
        // Sizes in inches, within 0.01.
        {"2.625", "5160 8160"},
        {"2.63", "5160 8160"},
        {"2.64", ""},
        {"1.125 3.5", "30252"},
        // "3" and "5" also stand in the descriptions of these two.
        {"3 5", "5388 30252"},
        {"1.5in", "L7163"},
        {"5\"", "5388"},
        // Millimetres, within 0.5 mm, joined or apart; a comma for the point.
        {"66.7mm", "5160 8160"},
        {"66.7 mm", "5160 8160"},
        {"66,7 MM", "5160 8160"},
        {"99 mm 38.1mm", "L7163"},
        {"66.1mm", ""},
        // A number is also looked for as text.
        {"716", "L7163"},
        {"address 1", "5160 8160 L7163"},
        {"address 1.125", "30252"},
        {"index 76.2mm", "5388"},
        {"avery missing", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Found(QString::fromLatin1(c.search)).join(QLatin1Char(' ')), QString::fromLatin1(c.found)) << c.search;
}
