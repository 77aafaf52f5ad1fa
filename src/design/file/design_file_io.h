#pragma once

#include "design/file/filer_status.h"

#include <QByteArray>
#include <QString>

namespace design {

// Reads a whole design file. A file that does not exist is not an error:
// `exists` turns false and `bytes` stays empty.
TGFilerStatus ReadDesignFileBytes(const QString& path, QByteArray& bytes, bool& exists);

// Replaces the file with the bytes in one step (written beside it, then
// renamed over it), so a failed write leaves the previous design intact.
TGFilerStatus WriteDesignFileBytes(const QString& path, const QByteArray& bytes);

} // namespace design
