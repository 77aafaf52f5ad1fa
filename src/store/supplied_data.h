#pragma once

#include <QString>

namespace quorvel {

// The folder of files supplied with the program: the label stock catalogue,
// the state/ZIP table and the help pages. Looked for, in this order:
//   $QUORVEL_DATA_DIR;
//   <program folder>/../share/quorvel   (an installed program);
//   <program folder>/data               (a program unpacked into one folder);
//   the source tree's data/ folder       (a program run from its build tree).
// The first that holds a "help" folder wins; empty when none does.
QString suppliedDataFolder();

// Where a supplied file goes in the home folder: dictionaries beside the
// settings file, everything else into "sysdata/".
QString suppliedFileTarget(const QString& fileName);

} // namespace quorvel
