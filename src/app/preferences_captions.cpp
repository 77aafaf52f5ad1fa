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

} // namespace quorvel
