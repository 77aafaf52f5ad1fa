#include "store/filter_apply.h"

#include "store/cp1252.h"
#include "xbase/apollo.h"

namespace quorvel {

const char* const kFilterTooComplex = "Sorry - filter is too complex.Please simplify it.";

namespace {

// A filter and the ".and. !ISDEL" that follows it are kept within the 255
// characters of an xBase expression; longer ones are refused, not cut.
constexpr qsizetype kMaxQueryLength = 255;
constexpr qsizetype kNotDeletedLength = 12;

TFilterOutcome dropFilter(xbase::TApollo& table, TFilterState& state, const QString& message)
{
    state.ClearQueryVars();
    table.sx_Query(kNoFilterQuery);
    return {0, message};
}

QString engineRefusal(const xbase::TApollo& table)
{
    return QStringLiteral("The filter cannot be used: ") + fromCp1252(table.sx_LastError().message());
}

} // namespace

bool filterTooComplex(const QString& expression) { return expression.size() + kNotDeletedLength > kMaxQueryLength; }

TFilterOutcome ApplyFilter(xbase::TApollo& table, TFilterState& state, const QString& tagId)
{
    const QString expression = state.BuildQueryString(tagId);
    if (expression.isEmpty()) {
        table.sx_Query(kNoFilterQuery);
        return {};
    }
    if (filterTooComplex(expression))
        return dropFilter(table, state, QLatin1String(kFilterTooComplex));
    const TCp1252Encoding encoded = toCp1252(expression);
    if (!encoded.ok())
        return dropFilter(table, state, encoded.message);
    const std::string query = encoded.bytes.toStdString() + " .and. " + kNoFilterQuery;
    if (!table.sx_Query(query))
        return dropFilter(table, state, engineRefusal(table));
    const quint32 count = table.sx_QueryRecCount();
    if (!table.sx_LastError())
        return dropFilter(table, state, engineRefusal(table));
    if (count == 0)
        return dropFilter(table, state, {});
    return {count, {}};
}

QString filterTestSummary(const TFilterState& state, const TFilterOutcome& outcome)
{
    if (!state.isSet())
        return QStringLiteral("No filter set");
    return QString::number(outcome.count) + QStringLiteral(" matches");
}

} // namespace quorvel
