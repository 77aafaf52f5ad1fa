#pragma once

#include <QLatin1String>
#include <QString>

#include <span>

namespace quorvel {

class TIniFile;

// How a new record is entered: the "Adding" section of the settings file.
struct TAddingPreferences {
    bool plugDate = false;
    bool plugCityState = false;
    bool autoDupCheck = false;
    QString defaultCountry;

    // Fields copied from the record that was current when adding started.
    bool carryOrg = false;
    bool carryStreet = false;
    bool carryStreet2 = false;
    bool carryCity = false;
    bool carryState = false;
    bool carryZip = false;
    bool carryCountry = false;

    // Fields the tab key passes over while a new record is entered.
    bool skipLastName = false;
    bool skipFirstName = false;
    bool skipMiddle = false;
    bool skipPrefix = false;
    bool skipTitle = false;
    bool skipOrg = false;
    bool skipStreet2 = false;
    bool skipState = false;
    bool skipZip = false;
    bool skipCountry = false;
    bool skipPhone = false;
    bool skipPhone2 = false;
    bool skipFax = false;
    bool skipEmail = false;
    bool skipCodes = false;
    bool skipUser1 = false;
    bool skipUser2 = false;
    bool skipDate = false;
};

// The program-wide preferences the main window keeps while it runs.
struct TProgramPreferences {
    TAddingPreferences adding;
    int aggressiveSave = 1; // 0 none, 1 every 5th save, 2 and above every save
    bool gettingStartedOff = false; // "Do not show this screen at start up"
    QString globalTagId;
};

// One boolean of the "Adding" section: its key, the member that holds it and
// the address field it concerns (empty for the date box).
struct TAddingFlag {
    QLatin1String key;
    bool TAddingPreferences::*member;
    QLatin1String field;
};

std::span<const TAddingFlag> carryFlags();
std::span<const TAddingFlag> skipFlags();
// The three switches of how adding works: PlugDate, PlugCityState, AutoDupCheck.
std::span<const TAddingFlag> addingSwitches();

TAddingPreferences readAddingPreferences(const TIniFile& ini);
int readAggressiveSave(const TIniFile& ini);
bool readGettingStartedOff(const TIniFile& ini);

// "Adding" and "Editing" in one rewrite, as the Preferences dialog confirms.
bool writeAddingAndEditing(TIniFile& ini, const TAddingPreferences& adding, int aggressiveSave);
bool writeGettingStartedOff(TIniFile& ini, bool off);

} // namespace quorvel
