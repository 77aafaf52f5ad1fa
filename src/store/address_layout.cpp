#include "store/address_layout.h"

#include "store/field_lengths.h"

#include <algorithm>
#include <array>

namespace quorvel {

namespace {

using L = QLatin1String;

const std::array<TAddressField, 23> kFields = {{
    {L("LNAME"), 'C', 30, false, L("Last Name")},
    {L("FNAME"), 'C', 30, false, L("First Name")},
    {L("MIDDLE"), 'C', 1, true, L("Middle")},
    {L("PREFIX"), 'C', 12, false, L("Prefix")},
    {L("TITLE"), 'C', 30, false, L("Title")},
    {L("ORG"), 'C', 30, false, L("Organization")},
    {L("STREET"), 'C', 40, false, L("Address 1")},
    {L("STREET2"), 'C', 40, false, L("Address 2")},
    {L("CITY"), 'C', 30, false, L("City")},
    {L("STATE"), 'C', 20, false, L("State")},
    {L("ZIP"), 'C', 10, false, L("Zip/Postal Code")},
    {L("COUNTRY"), 'C', 30, false, L("Country")},
    {L("DATE"), 'C', 15, true, L("Actual Date")},
    {L("PHONE"), 'C', 30, false, L("Phone 1")},
    {L("PHONE2"), 'C', 30, false, L("Phone 2")},
    {L("FAX"), 'C', 40, false, L("Fax")},
    {L("EMAIL"), 'C', 40, false, L("Email")},
    {L("CODES"), 'C', 30, false, L("Codes")},
    {L("USER1"), 'C', 40, false, L("Comment 1")},
    {L("USER2"), 'C', 40, false, L("Comment 2")},
    {L("ISDEL"), 'L', 1, true, L("Deleted")},
    {L("TAG"), 'C', 8, true, L()},
    {L("MEMO"), 'M', 10, true, L()},
}};

struct TCalculatedField {
    L name;
    char type;
    int width;
    L label;
};

const std::array<TCalculatedField, 5> kCalculated = {{
    {L("Tagged"), 'L', 1, L("Tagged")},
    {L("DisplayDate"), 'C', 12, L("Date")},
    {L("FullName"), 'C', 35, L("Full Name")},
    {L("FullNameWithPrefix"), 'C', 35, L("Full Name & Prefix")},
    {L("CityStateZip"), 'C', 35, L("City, State & Zip")},
}};

const std::array<L, 21> kBrowseColumns = {
    L("Tagged"), L("LNAME"), L("FNAME"), L("MIDDLE"), L("PREFIX"), L("TITLE"), L("ORG"),
    L("STREET"), L("STREET2"), L("CITY"), L("STATE"), L("ZIP"), L("COUNTRY"), L("PHONE"),
    L("PHONE2"), L("FAX"), L("EMAIL"), L("CODES"), L("USER1"), L("USER2"), L("DisplayDate"),
};

const std::array<TAddressTag, 26> kTags = {{
    {L("NAME"), L("UPPER(LNAME-FNAME)")},   {L("LNAME"), L("UPPER(LNAME)+UPPER(FNAME)")},
    {L("FNAME"), L("UPPER(FNAME)")},        {L("TITLE"), L("UPPER(TITLE)")},
    {L("ORG"), L("UPPER(ORG)")},            {L("STREET"), L("UPPER(STREET)")},
    {L("STREET2"), L("UPPER(STREET2)")},    {L("CITY"), L("UPPER(CITY+STATE)")},
    {L("STATE"), L("UPPER(STATE)")},        {L("ZIP"), L("UPPER(ZIP)")},
    {L("COUNTRY"), L("UPPER(COUNTRY)")},    {L("PHONE"), L("UPPER(PHONE)")},
    {L("PHONE2"), L("UPPER(PHONE2)")},      {L("EMAIL"), L("UPPER(EMAIL)")},
    {L("FAX"), L("UPPER(FAX)")},            {L("USER1"), L("UPPER(USER1)")},
    {L("USER2"), L("UPPER(USER2)")},        {L("DATE"), L("UPPER(DATE)")},
    {L("TAG"), L("UPPER(TAG)")},            {L("CODES"), L("UPPER(CODES)")},
    {L("PREFIX"), L("UPPER(PREFIX)")},      {L("MIDDLE"), L("UPPER(MIDDLE)")},
    {L("DELETED"), L("DELETED()")},         {L("STATEZIP"), L("UPPER(STATE-ZIP)")},
    {L("ISDEL"), L("ISDEL")},               {L("NOTISDEL"), L("!ISDEL")},
}};

const std::array<L, 26> kTagCheckOrder = {
    L("NAME"), L("LNAME"), L("FNAME"), L("TITLE"), L("ORG"), L("STREET"), L("STREET2"),
    L("CITY"), L("STATE"), L("ZIP"), L("COUNTRY"), L("PHONE"), L("PHONE2"), L("EMAIL"),
    L("FAX"), L("DATE"), L("CODES"), L("PREFIX"), L("MIDDLE"), L("USER1"), L("USER2"),
    L("DELETED"), L("STATEZIP"), L("ISDEL"), L("NOTISDEL"), L("TAG"),
};

const std::array<TSortOrder, 14> kSortOrders = {{
    {L("&Last Name"), L("LNAME")}, {L("&First Name"), L("FNAME")}, {L("&Title"), L("TITLE")},
    {L("&Organization"), L("ORG")}, {L("&Street"), L("STREET")}, {L("&City"), L("CITY")},
    {L("&State"), L("STATE")},      {L("&Zip"), L("ZIP")},         {L("&Country"), L("COUNTRY")},
    {L("&Phone"), L("PHONE")},      {L("&E-mail"), L("EMAIL")},    {L("&Fax"), L("FAX")},
    {L("&Date"), L("DATE")},        {L("&Codes"), L("CODES")},
}};

TFieldDef defOf(const TAddressField& field, int width)
{
    return TFieldDef{QString(field.name), field.type, width, QString(field.label)};
}

} // namespace

std::span<const TAddressField> addressFields() { return kFields; }

std::vector<TFieldDef> addressStoredFieldDefs(const TNewFileFieldLengths& lengths)
{
    std::vector<TFieldDef> defs;
    for (const TAddressField& field : kFields) {
        const std::optional<int> width = field.fixedWidth ? std::nullopt : lengths.width(QString(field.name));
        defs.push_back(defOf(field, width.value_or(field.defaultWidth)));
    }
    return defs;
}

std::vector<TFieldDef> addressStoredFieldDefs() { return addressStoredFieldDefs(TNewFileFieldLengths()); }

std::vector<TFieldDef> addressCalculatedFieldDefs()
{
    std::vector<TFieldDef> defs;
    for (const TCalculatedField& field : kCalculated)
        defs.push_back(TFieldDef{QString(field.name), field.type, field.width, QString(field.label)});
    return defs;
}

QString addressFieldLabel(QStringView fieldName)
{
    for (const TAddressField& field : kFields) {
        if (fieldName.compare(field.name, Qt::CaseInsensitive) == 0)
            return QString(field.label);
    }
    for (const TCalculatedField& field : kCalculated) {
        if (fieldName.compare(field.name, Qt::CaseInsensitive) == 0)
            return QString(field.label);
    }
    return {};
}

std::span<const QLatin1String> addressBrowseColumns() { return kBrowseColumns; }

std::span<const TAddressTag> addressTags() { return kTags; }

std::optional<QLatin1String> addressTagExpression(QStringView tagName)
{
    const auto found = std::find_if(kTags.begin(), kTags.end(), [&](const TAddressTag& tag) {
        return tagName.compare(tag.name, Qt::CaseInsensitive) == 0;
    });
    if (found == kTags.end())
        return std::nullopt;
    return found->keyExpression;
}

std::span<const QLatin1String> addressTagCheckOrder() { return kTagCheckOrder; }

std::span<const TSortOrder> addressSortOrders() { return kSortOrders; }

QString sortOrderName(const TSortOrder& order) { return QString(order.caption).mid(1); }

std::optional<QString> tagForSortOrderName(const QString& name)
{
    const QString wanted = name.toUpper();
    for (const TSortOrder& order : kSortOrders) {
        if (sortOrderName(order).toUpper() == wanted)
            return QString(order.tag);
    }
    return std::nullopt;
}

QString defaultSortOrderName() { return QStringLiteral("Last Name"); }

QString sortStatusText(const QString& orderName) { return QStringLiteral("Sorted by ") + orderName; }

} // namespace quorvel
