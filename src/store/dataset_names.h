#pragma once

#include <QFile>
#include <QString>

#include <string>

namespace quorvel {

// Field and tag names are plain ASCII capitals in the engine.
inline std::string engineName(QStringView name) { return name.toString().toUpper().toStdString(); }

// File names go to the engine in the system's own encoding.
inline std::string enginePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace quorvel
