#include "store/settings.h"

#include "store/tag_id.h"

namespace quorvel {

namespace {

const QString kMisc = QStringLiteral("Misc");
const QString kGlobalTagId = QStringLiteral("GlobalTagId");

} // namespace

TProgramPreferences TSettings::loadPreferences(const QDateTime& now)
{
    TProgramPreferences preferences;
    preferences.adding = readAddingPreferences(ini_);
    preferences.aggressiveSave = readAggressiveSave(ini_);
    preferences.gettingStartedOff = readGettingStartedOff(ini_);
    preferences.globalTagId = globalTagId();
    if (preferences.globalTagId.isEmpty())
        preferences.globalTagId = tagIdAt(now);
    // A failed write is no reason to stop the start: the id stays in force
    // for this run and the next start tries again.
    ini_.writeString(kMisc, kGlobalTagId, preferences.globalTagId);
    return preferences;
}

bool TSettings::savePreferences(const TAddingPreferences& adding, int aggressiveSave)
{
    return writeAddingAndEditing(ini_, adding, aggressiveSave);
}

bool TSettings::gettingStartedOff() const { return readGettingStartedOff(ini_); }

bool TSettings::setGettingStartedOff(bool off) { return writeGettingStartedOff(ini_, off); }

QString TSettings::globalTagId() const { return ini_.readString(kMisc, kGlobalTagId); }

std::optional<QString> TSettings::renewGlobalTagId(const QDateTime& now)
{
    const QString id = newTagId(now, globalTagId());
    if (!ini_.writeString(kMisc, kGlobalTagId, id))
        return std::nullopt;
    return id;
}

} // namespace quorvel
