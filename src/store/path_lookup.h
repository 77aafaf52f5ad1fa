#pragma once

#include <QString>
#include <QStringView>

namespace quorvel {

// The path of `relative` under `base`, found the way a Windows user expects:
// "\" and "/" both separate folders, empty parts (a leading or doubled
// separator) are skipped, and each part matches an existing entry whatever
// its letter case ("DATA\add0001.DBF" finds "data/ADD0001.dbf"). From the
// first part that matches nothing on, the parts are taken as written, so a
// file that is about to be created gets the spelling it was given.
// An exact match is preferred when several entries differ only in case.
// A trailing separator is kept.
QString resolvePathIgnoringCase(const QString& base, QStringView relative);

} // namespace quorvel
