#include "app/preferences_captions.h"

#include <array>
#include <utility>

namespace quorvel {

namespace {

using TCaption = std::pair<const char*, const char*>;

// Carried and skipped fields are named as the main window labels them.
constexpr std::array<TCaption, 28> kCaptions = {{
    {"PlugDate", "Enter today's date in the date field"},
    {"PlugCityState", "Automatically insert city and state/province"},
    {"AutoDupCheck", "Automatically check for duplicate names"},
    {"CarryOrg", "Organization"},
    {"CarrySA1", "Address 1"},
    {"CarrySA2", "Address 2"},
    {"CarryCity", "City"},
    {"CarryState", "State or Province"},
    {"CarryZip", "Zip or Postal Code"},
    {"CarryCountry", "Country"},
    {"SkipLastName", "Last Name"},
    {"SkipfirstName", "First Name"},
    {"SkipMiddleInitial", "Middle Initial"},
    {"SkipPrefix", "Prefix"},
    {"Skiptitle", "Title"},
    {"SkipOrganization", "Organization"},
    {"SkipAddress2", "Address 2"},
    {"SkipState", "State or Province"},
    {"SkipZip", "Zip or Postal Code"},
    {"SkipCountry", "Country"},
    {"SkipPhone1", "Phone 1"},
    {"SkipPhone2", "Phone 2"},
    {"SkipFax", "Fax"},
    {"SkipEmail", "E-mail"},
    {"SkipCodes", "Codes"},
    {"SkipComments1", "Comment 1"},
    {"Skipcomments2", "Comment 2"},
    {"SkipDate", "Date"},
}};

} // namespace

QString preferenceCaption(QLatin1String key)
{
    for (const auto& [name, caption] : kCaptions) {
        if (key == QLatin1String(name))
            return QString::fromLatin1(caption);
    }
    return QString(key);
}

QString preferenceWhatsThis(QLatin1String key)
{
    const QString caption = preferenceCaption(key);
    if (key.startsWith(QLatin1String("Carry")))
        return QStringLiteral("When checked, a new record starts with the %1 of the record shown when you press Add.")
            .arg(caption);
    if (key.startsWith(QLatin1String("Skip")))
        return QStringLiteral("When checked, the Tab key passes over %1 while you enter a new record.").arg(caption);
    if (key == QLatin1String("PlugDate"))
        return QStringLiteral("When checked, every new record gets today's date.");
    if (key == QLatin1String("PlugCityState"))
        return QStringLiteral("When checked, you type the ZIP or postal code first and Quorvel fills in the city "
                              "and state.");
    return QStringLiteral("When checked, you type the last and first name first and Quorvel warns you when a record "
                          "with that name already exists.");
}

} // namespace quorvel
