#pragma once

#include "store/dataset_result.h"

#include <QSet>
#include <QString>

// The design files of label layouts: "BIN" + five digits + ".L" in the
// sysdata folder, kept as every layout's design files are (see
// layout_store.h): only a plain name of that form is ever opened, written
// or deleted.
namespace labels {

// "BIN00042.L", in any letter case, and nothing else.
bool IsPlainLabelDesignName(const QString& name);

// The file a plain name stands for in the sysdata folder (looked up without
// regard to letter case); empty for a name that is not plain.
QString LabelDesignPath(const QString& sysdataFolder, const QString& name);

// Whether the layout's design file is there to be read.
bool LabelDesignExists(const QString& sysdataFolder, const QString& name);

// The first name from BIN00001.L to BIN99999.L that no file in the folder
// has and that is not among `namedByRows` (upper case). When all are taken,
// a failure that says so; nothing can be saved.
quorvel::TTableResult ReserveLabelDesignName(const QString& sysdataFolder, QString* name,
                                             const QSet<QString>& namedByRows = {});

} // namespace labels
