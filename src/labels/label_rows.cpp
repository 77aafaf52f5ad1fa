#include "labels/label_rows.h"

#include "labels/label_validation.h"
#include "store/system_tables.h"

#include <QRegularExpression>

#include <array>
#include <cmath>
#include <utility>

namespace labels {

namespace {

using L = QLatin1String;

struct TLengthColumn {
    L name;
    double TLabelGeometry::*member;
    const char* what;
};

const std::array<TLengthColumn, 10> kLengthColumns = {{
    {L("LBLHEIGHT"), &TLabelGeometry::height, "label height"},
    {L("LBLWIDTH"), &TLabelGeometry::width, "label width"},
    {L("TOPMARG"), &TLabelGeometry::topMargin, "top margin"},
    {L("LEFTMARG"), &TLabelGeometry::leftMargin, "left margin"},
    {L("HORIZPITCH"), &TLabelGeometry::horizPitch, "horizontal pitch"},
    {L("VERTPITCH"), &TLabelGeometry::vertPitch, "vertical pitch"},
    {L("SHEETWIDTH"), &TLabelGeometry::sheetWidth, "paper width"},
    {L("SHEETDEPTH"), &TLabelGeometry::sheetDepth, "paper height"},
    {L("MIDEXTRAX"), &TLabelGeometry::midExtraX, "middle column gap"},
    {L("MIDEXTRAY"), &TLabelGeometry::midExtraY, "middle row gap"},
}};

struct TCountColumn {
    L name;
    int TLabelGeometry::*member;
    const char* what;
    int most;
};

const std::array<TCountColumn, 2> kCountColumns = {{
    {L("NBRACROSS"), &TLabelGeometry::across, "number of labels across", kMaxAcross},
    {L("NBRDOWN"), &TLabelGeometry::down, "number of labels down", kMaxDown},
}};

const std::array<std::pair<L, QString TLabelStock::*>, 5> kStockTextColumns = {{
    {L("TPLDESCRIP"), &TLabelStock::templateDescription},
    {L("PRINTER"), &TLabelStock::printer},
    {L("MANUFAC"), &TLabelStock::manufacturer},
    {L("PRODTYPE"), &TLabelStock::productType},
    {L("ART"), &TLabelStock::art},
}};

const std::array<std::pair<L, QString TLabelGeometry::*>, 2> kGeometryTextColumns = {{
    {L("PAPERSIZE"), &TLabelGeometry::paperSize},
    {L("LBLSHAPE"), &TLabelGeometry::shape},
}};

// What a numeric column holds: blank is zero, as in any xBase table.
std::optional<double> StoredNumber(const QString& text)
{
    return text.trimmed().isEmpty() ? std::optional<double>(0.0) : ParseDecimal(text);
}

QString Described(const char* what, L column) { return QString::fromLatin1(what) + QStringLiteral(" (") + column + u')'; }

// Reads the geometry columns into `stock`; the reason for refusing otherwise.
QString ReadGeometry(const TRowField& field, TLabelStock& stock)
{
    TLabelGeometry& g = stock.geometry;
    for (const TCountColumn& c : kCountColumns) {
        const QString text = field(QString(c.name));
        const std::optional<double> value = StoredNumber(text);
        if (!value || *value != std::floor(*value) || *value < 1 || *value > c.most)
            return QStringLiteral("its ") + Described(c.what, c.name) + QStringLiteral(" is \"") + text.trimmed() +
                   QStringLiteral("\"; a sheet has 1 to ") + QString::number(c.most);
        g.*(c.member) = static_cast<int>(*value);
    }
    for (const TLengthColumn& c : kLengthColumns) {
        const QString text = field(QString(c.name));
        const std::optional<double> value = StoredNumber(text);
        const QString its = QStringLiteral("its ") + Described(c.what, c.name);
        if (!value)
            return its + QStringLiteral(" \"") + text.trimmed() + QStringLiteral("\" is not a number");
        if (*value < 0)
            return its + QStringLiteral(" is ") + FormatLength(*value) + QStringLiteral(" inches; lengths cannot be negative");
        if (*value > kMaxStoredLength)
            return its + QStringLiteral(" is ") + FormatLength(*value) +
                   QStringLiteral(" inches; a layout holds at most 99.999");
        g.*(c.member) = *value;
    }
    for (const auto& [column, member] : kGeometryTextColumns)
        g.*member = field(QString(column));
    return {};
}

void ReadStockTexts(const TRowField& field, TLabelStock& stock)
{
    for (const auto& [column, member] : kStockTextColumns)
        stock.*member = field(QString(column));
}

QString Refusal(const char* kind, const QString& name, const QString& reason)
{
    return QStringLiteral("The ") + QString::fromLatin1(kind) + QStringLiteral(" \"") + name +
           QStringLiteral("\" cannot be used: ") + reason + u'.';
}

} // namespace

QString StockColumnText(const TLabelStock& stock, QStringView column)
{
    for (const TLengthColumn& c : kLengthColumns)
        if (column == c.name)
            return FormatLength(stock.geometry.*(c.member));
    for (const TCountColumn& c : kCountColumns)
        if (column == c.name)
            return QString::number(stock.geometry.*(c.member));
    for (const auto& [name, member] : kStockTextColumns)
        if (column == name)
            return stock.*member;
    for (const auto& [name, member] : kGeometryTextColumns)
        if (column == name)
            return stock.geometry.*member;
    return {};
}

std::optional<double> ParseDecimal(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    const QString trimmed = text.trimmed();
    if (!number.match(trimmed).hasMatch())
        return std::nullopt;
    return trimmed.toDouble();
}

// Adding 0.0 turns a negative zero into zero, so it never shows as "-0.000".
QString FormatLength(double inches) { return QString::number(inches + 0.0, 'f', 3); }

TLayoutRead ReadLayoutRow(const TRowField& field)
{
    TLabelLayout layout;
    layout.description = field(QStringLiteral("DESCRIPT"));
    layout.designFile = field(QStringLiteral("BINARY"));
    ReadStockTexts(field, layout.stock);
    const QString reason = ReadGeometry(field, layout.stock);
    if (!reason.isEmpty())
        return {std::nullopt, Refusal("label layout", layout.description, reason)};
    return {std::move(layout), {}};
}

TStockRead ReadTemplateRow(const TRowField& field)
{
    TLabelStock stock;
    ReadStockTexts(field, stock);
    stock.templateDescription = field(QStringLiteral("DESCRIPT"));
    const QString reason = ReadGeometry(field, stock);
    if (!reason.isEmpty())
        return {std::nullopt, Refusal("label stock", stock.templateDescription, reason)};
    return {std::move(stock), {}};
}

QString LayoutColumnText(const TLabelLayout& layout, QStringView column)
{
    if (column == u"DESCRIPT")
        return KeptDescription(layout.description);
    if (column == u"BINARY")
        return layout.designFile;
    return StockColumnText(layout.stock, column);
}

std::vector<TColumnText> LayoutRowTexts(const TLabelLayout& layout)
{
    std::vector<TColumnText> texts;
    for (const quorvel::TFieldDef& def : quorvel::systemTableFields(quorvel::TSystemTable::stLabel))
        if (def.name != u"DELETED")
            texts.push_back({def.name, LayoutColumnText(layout, def.name)});
    return texts;
}

} // namespace labels
