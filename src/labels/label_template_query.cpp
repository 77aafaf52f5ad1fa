#include "labels/label_template_query.h"

#include "labels/label_codes.h"

#include <array>
#include <utility>

namespace labels {

namespace {

using L = QLatin1String;

// Word in the upper-case manufacturer entry -> clause.
const std::array<std::pair<L, L>, 2> kMakerClauses = {{
    {L("AVERY"), L(" UPPER(manufac)=\"AVERY\" ")},
    {L("COSTAR"), L(" UPPER(manufac)=\"COSTAR\" ")},
}};

const std::array<std::pair<L, L>, 4> kPrinterClauses = {{
    {L("LASERJET"), L(" UPPER(printer)=\"LJ\" ")},
    {L("INKJET"), L(" UPPER(printer)=\"IJ\" ")},
    {L("DOT MATRIX"), L(" UPPER(printer)=\"DM\" ")},
    {L("LABELPRINTER"), L(" UPPER(printer)=\"LP\" ")},
}};

const L kEuropeanClause(" (\"A4\"$UPPER(PAPERSIZE) OR \"A5\"$UPPER(PAPERSIZE))");

// Builds the expression clause by clause; the joiner turns into " and "
// once something stands in the expression.
class TQueryText {
public:
    void Append(const QString& clause)
    {
        text_ += joiner_ + clause;
        if (!text_.isEmpty())
            joiner_ = QStringLiteral(" and ");
    }
    const QString& Text() const { return text_; }

private:
    QString text_;
    QString joiner_;
};

template <std::size_t N>
QString ClauseFor(const QString& upperEntry, const std::array<std::pair<L, L>, N>& clauses)
{
    for (const auto& [word, clause] : clauses)
        if (upperEntry.contains(word))
            return clause;
    return {};
}

QString ProductClause(int productTypeIndex)
{
    if (productTypeIndex < 0 || productTypeIndex >= AllProductTypesIndex())
        return {};
    const QString upper = QString(ProductTypeEntries()[static_cast<std::size_t>(productTypeIndex)]).toUpper();
    return QStringLiteral(" UPPER(PRODTYPE)=\"") + upper + QStringLiteral("\" ");
}

int ManufacturerIndex(const QString& manufacturer, const QString& printer)
{
    const auto entries = ManufacturerEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (manufacturer.toUpper() != entries[i].manufacturer)
            continue;
        if (entries[i].manufacturer == L("COSTAR") || printer.toUpper() == entries[i].printer)
            return static_cast<int>(i);
    }
    return 0;
}

int ProductTypeIndex(const QString& productType)
{
    const auto entries = ProductTypeEntries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (QString(entries[i]).toUpper() == productType.toUpper())
            return static_cast<int>(i);
    return AllProductTypesIndex();
}

} // namespace

QString BuildLabelQuery(const QString& manufacturerEntry, int productTypeIndex, bool europeanPaperOnly)
{
    const QString upperEntry = manufacturerEntry.toUpper();
    TQueryText query;
    for (const QString& clause : {ClauseFor(upperEntry, kMakerClauses), ClauseFor(upperEntry, kPrinterClauses),
                                  ProductClause(productTypeIndex)})
        if (!clause.isEmpty())
            query.Append(clause);
    if (europeanPaperOnly)
        query.Append(kEuropeanClause);
    return query.Text();
}

TLabelComboPosition PositionLabelCombos(const TLabelStock& current, bool startFromDefaults)
{
    if (current.IsUserDefined() || startFromDefaults)
        return {ManufacturerIndex(QStringLiteral("AVERY"), QStringLiteral("LJ")),
                ProductTypeIndex(QStringLiteral("ADDRESS/SHIPPING LABELS")), false};
    return {ManufacturerIndex(current.manufacturer, current.printer), ProductTypeIndex(current.productType), true};
}

int TemplateRowToShow(const QStringList& descriptions, const QString& templateDescription, bool findTemplateRow)
{
    if (descriptions.isEmpty())
        return -1;
    if (!findTemplateRow)
        return 0;
    const qsizetype found = descriptions.indexOf(templateDescription);
    return static_cast<int>(found >= 0 ? found : descriptions.size() - 1);
}

} // namespace labels
