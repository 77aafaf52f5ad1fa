#pragma once

#include <QFile>
#include <QLatin1String>
#include <QString>

#include <string>

namespace quorvel {

// Field and tag names are plain ASCII capitals in the engine.
inline std::string engineName(QStringView name) { return name.toString().toUpper().toStdString(); }
// Names and expressions the program declares itself are passed as written.
inline std::string engineName(QLatin1String name) { return std::string(name.data(), static_cast<std::size_t>(name.size())); }

// File names go to the engine in the system's own encoding.
inline std::string enginePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace quorvel
