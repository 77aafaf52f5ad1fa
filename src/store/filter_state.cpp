#include "store/filter_state.h"

#include "store/filter_condition.h"

#include <QStringList>

namespace quorvel {

namespace {

using enum TFilterBox;

constexpr const char* kBoxNames[kFilterBoxCount] = {
    "LNAME", "FNAME", "TITLE", "ORG", "STREET", "STREET2", "ZIP", "CITY", "STATE", "COUNTRY",
    "PHONE", "PHONE2", "FAX", "EMAIL", "DATE", "CODES", "USER1", "USER2",
};

// The order of the conditions in the expression, which differs from the
// order of the boxes: the comments come before the date and the codes.
constexpr TFilterBox kConditionOrder[kFilterBoxCount] = {
    fbLName, fbFName, fbTitle, fbOrg, fbStreet, fbStreet2, fbZip, fbCity, fbState,
    fbCountry, fbPhone, fbPhone2, fbFax, fbEmail, fbUser1, fbUser2, fbDate, fbCodes,
};

// The city box matches the city padded to its width and followed by the
// state, the key of the CITY tag.
QString fieldExpressionOf(TFilterBox box)
{
    return box == fbCity ? QStringLiteral("CITY+STATE") : filterBoxName(box);
}

// With no tag id in force no record is tagged; an empty id would otherwise
// read as a prefix of every TAG and select them all.
QString taggedCondition(const QString& tagId)
{
    if (tagId.isEmpty())
        return QStringLiteral("(.F.)");
    return QStringLiteral("(UPPER(TAG)=") + quoteLiteral(tagId) + QLatin1Char(')');
}

} // namespace

QString filterBoxName(TFilterBox box)
{
    return QLatin1String(kBoxNames[static_cast<int>(box)]);
}

std::optional<TFilterBox> filterBoxNamed(QStringView name)
{
    for (int i = 0; i < kFilterBoxCount; ++i) {
        if (name.compare(QLatin1String(kBoxNames[i]), Qt::CaseInsensitive) == 0)
            return static_cast<TFilterBox>(i);
    }
    return std::nullopt;
}

void TFilterState::ClearQueryVars()
{
    *this = TFilterState();
}

const QString& TFilterState::BuildQueryString(const QString& tagId)
{
    QStringList conditions;
    for (TFilterBox box : kConditionOrder) {
        const QString condition = BuildBoxCondition(fieldExpressionOf(box), value(box));
        if (!condition.isEmpty())
            conditions << condition;
    }
    if (taggedOnly)
        conditions << taggedCondition(tagId);
    expression = conditions.join(QStringLiteral(" and "));
    if (reverse && !expression.isEmpty())
        expression = QStringLiteral("(!(") + expression + QStringLiteral("))");
    return expression;
}

} // namespace quorvel
