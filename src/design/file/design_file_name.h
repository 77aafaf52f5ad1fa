#pragma once

#include <QSet>
#include <QString>

namespace design {

// The file name for a new design in the folder: "BIN", the first five-digit
// number from 00001 upward whose file does not exist yet (compared without
// regard to letter case), and the extension (".L", ".E" or ".R"). Empty when
// all 99 999 names are taken. `alsoTaken` holds names in upper case that
// count as taken without a file (a row may name a design whose file is gone).
QString NextDesignFileName(const QString& folder, const QString& extension, const QSet<QString>& alsoTaken = {});

} // namespace design
