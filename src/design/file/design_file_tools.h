#pragma once

#include "design/file/filer_status.h"

#include <QString>
#include <QStringList>

// Whole-file operations for the command-line front end:
//
//   design-show FILE   ->  DescribeDesignFile(FILE, lines): the file is read
//                          into objects (every class accepted); per object a
//                          line "CLASS NAME" (the name stored in the file),
//                          then one line "PROPERTY=VALUE" per stored property
//                          in file order.
//   design-copy IN OUT ->  CopyDesignFile(IN, OUT): read into surfaces, write
//                          back.
//
// A file whose name ends in ".R" is read as a report design: three object
// lists (listed one after the other) and the report data (copied as it is).
// Unlike a designer, these treat a missing file as an error.
namespace design {

TGFilerStatus DescribeDesignFile(const QString& path, QStringList& lines);
TGFilerStatus CopyDesignFile(const QString& inPath, const QString& outPath);

} // namespace design
