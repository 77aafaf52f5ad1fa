#include "store/preferences.h"

#include "store/ini_file.h"

#include <array>

namespace quorvel {

namespace {

using P = TAddingPreferences;

const QString kAdding = QStringLiteral("Adding");
const QString kEditing = QStringLiteral("Editing");
const QString kMisc = QStringLiteral("Misc");

constexpr QLatin1String L(const char* text) { return QLatin1String(text); }

// The keys are spelled as the settings files in use spell them, odd
// capitals included.
const std::array<TAddingFlag, 3> kSwitches = {{
    {L("PlugDate"), &P::plugDate, L("DATE")},
    {L("PlugCityState"), &P::plugCityState, L("ZIP")},
    {L("AutoDupCheck"), &P::autoDupCheck, L("LNAME")},
}};

const std::array<TAddingFlag, 7> kCarry = {{
    {L("CarryOrg"), &P::carryOrg, L("ORG")},
    {L("CarrySA1"), &P::carryStreet, L("STREET")},
    {L("CarrySA2"), &P::carryStreet2, L("STREET2")},
    {L("CarryCity"), &P::carryCity, L("CITY")},
    {L("CarryState"), &P::carryState, L("STATE")},
    {L("CarryZip"), &P::carryZip, L("ZIP")},
    {L("CarryCountry"), &P::carryCountry, L("COUNTRY")},
}};

const std::array<TAddingFlag, 18> kSkip = {{
    {L("SkipLastName"), &P::skipLastName, L("LNAME")},
    {L("SkipfirstName"), &P::skipFirstName, L("FNAME")},
    {L("SkipMiddleInitial"), &P::skipMiddle, L("MIDDLE")},
    {L("SkipPrefix"), &P::skipPrefix, L("PREFIX")},
    {L("Skiptitle"), &P::skipTitle, L("TITLE")},
    {L("SkipOrganization"), &P::skipOrg, L("ORG")},
    {L("SkipAddress2"), &P::skipStreet2, L("STREET2")},
    {L("SkipState"), &P::skipState, L("STATE")},
    {L("SkipZip"), &P::skipZip, L("ZIP")},
    {L("SkipCountry"), &P::skipCountry, L("COUNTRY")},
    {L("SkipPhone1"), &P::skipPhone, L("PHONE")},
    {L("SkipPhone2"), &P::skipPhone2, L("PHONE2")},
    {L("SkipFax"), &P::skipFax, L("FAX")},
    {L("SkipEmail"), &P::skipEmail, L("EMAIL")},
    {L("SkipCodes"), &P::skipCodes, L("CODES")},
    {L("SkipComments1"), &P::skipUser1, L("USER1")},
    {L("Skipcomments2"), &P::skipUser2, L("USER2")},
    {L("SkipDate"), &P::skipDate, L("")},
}};

void readFlags(const TIniFile& ini, std::span<const TAddingFlag> flags, P* adding)
{
    for (const TAddingFlag& flag : flags)
        adding->*flag.member = ini.readBool(kAdding, QString(flag.key), false);
}

void appendFlags(std::span<const TAddingFlag> flags, const P& adding, QList<TIniEntry>* entries)
{
    for (const TAddingFlag& flag : flags)
        entries->append({kAdding, QString(flag.key), adding.*flag.member ? QStringLiteral("1") : QStringLiteral("0")});
}

} // namespace

std::span<const TAddingFlag> carryFlags() { return kCarry; }
std::span<const TAddingFlag> skipFlags() { return kSkip; }
std::span<const TAddingFlag> addingSwitches() { return kSwitches; }

TAddingPreferences readAddingPreferences(const TIniFile& ini)
{
    TAddingPreferences adding;
    readFlags(ini, kSwitches, &adding);
    readFlags(ini, kCarry, &adding);
    readFlags(ini, kSkip, &adding);
    adding.defaultCountry = ini.readString(kAdding, QStringLiteral("DefaultCountry"));
    return adding;
}

int readAggressiveSave(const TIniFile& ini) { return ini.readInteger(kEditing, QStringLiteral("AggressiveSave"), 1); }

bool readGettingStartedOff(const TIniFile& ini) { return ini.readBool(kMisc, QStringLiteral("GettingStarted"), false); }

bool writeAddingAndEditing(TIniFile& ini, const TAddingPreferences& adding, int aggressiveSave)
{
    QList<TIniEntry> entries;
    appendFlags(kSwitches, adding, &entries);
    entries.append({kAdding, QStringLiteral("DefaultCountry"), adding.defaultCountry});
    appendFlags(kCarry, adding, &entries);
    appendFlags(kSkip, adding, &entries);
    entries.append({kEditing, QStringLiteral("AggressiveSave"), QString::number(aggressiveSave)});
    return ini.write(entries);
}

bool writeGettingStartedOff(TIniFile& ini, bool off)
{
    return ini.writeBool(kMisc, QStringLiteral("GettingStarted"), off);
}

} // namespace quorvel
