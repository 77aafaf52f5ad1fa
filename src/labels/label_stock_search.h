#pragma once

#include "labels/label_stock.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace labels {

// The search box of the template dialog and `label-stocks --search`: users
// find stock by the number on the box or by the size of the label.
//
// Every word typed must match, each in one of two ways: it occurs (any
// letter case) in the description, the maker or the product type; or it
// is a number and equals the label's width or height within 0.01 inch.
// A number followed by "mm" ("66.7mm" or "66.7 mm") is millimetres and
// matches within 0.5 mm; "in" or '"' after it says inches. A comma may
// stand for the decimal point. An empty search matches every stock.
class TLabelStockSearch {
public:
    explicit TLabelStockSearch(const QString& text);

    bool IsEmpty() const { return words_.empty(); }
    bool Matches(const TLabelStock& stock) const;

private:
    struct TWord {
        QString text;                 // as typed, for the text test
        std::optional<double> inches; // the size it names, when it is a number
        double tolerance = 0.0;       // inches
    };

    static std::vector<TWord> Split(const QString& text);
    static bool MatchesWord(const TWord& word, const TLabelStock& stock);

    std::vector<TWord> words_;
};

} // namespace labels
