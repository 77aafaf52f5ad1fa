#pragma once

#include "store/field_lengths.h"
#include "store/ini_file.h"
#include "store/mru_list.h"
#include "store/preferences.h"

#include <QDateTime>

#include <optional>

namespace quorvel {

// The program-wide settings in "QUORVL.ini": typed access to the keys every
// part of the program shares. Screens with settings of their own read and
// write their sections through ini().
class TSettings {
public:
    explicit TSettings(const QString& iniPath) : ini_(iniPath) { }

    TIniFile& ini() { return ini_; }
    const TIniFile& ini() const { return ini_; }

    // "Adding", "Editing" and "Misc". When no tag id is stored a new one is
    // made; the id in force is written back either way.
    TProgramPreferences loadPreferences(const QDateTime& now = QDateTime::currentDateTime());
    // What the Preferences dialog confirms: "Adding" and "Editing".
    bool savePreferences(const TAddingPreferences& adding, int aggressiveSave);

    bool gettingStartedOff() const;
    bool setGettingStartedOff(bool off);

    // The stored tag id, empty when there is none.
    QString globalTagId() const;
    // A new tag id, different from the one in force, written back; every
    // record of every address file is untagged by it. Nothing when it could
    // not be stored (lastError() says why): an id that would be lost at the
    // next start must not be put in force.
    std::optional<QString> renewGlobalTagId(const QDateTime& now = QDateTime::currentDateTime());

    TMruList mru() { return TMruList(ini_); }

    TNewFileFieldLengths newFileFieldLengths() const { return TNewFileFieldLengths::load(ini_); }
    bool saveNewFileFieldLengths(const TNewFileFieldLengths& lengths) { return lengths.save(ini_); }

    const QString& lastError() const { return ini_.lastError(); }

private:
    TIniFile ini_;
};

} // namespace quorvel
