#include "store/home_folder.h"

#include "store/path_lookup.h"
#include "store/supplied_data.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace quorvel {

THomeFolder::THomeFolder(const QString& root) : root_(QDir::fromNativeSeparators(root))
{
    if (!root_.endsWith(u'/'))
        root_ += u'/';
}

QString THomeFolder::defaultRoot()
{
    const QString fromEnvironment = qEnvironmentVariable("QUORVEL_HOME");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Quorvel");
}

QString THomeFolder::path(QStringView relative) const { return resolvePathIgnoringCase(root_, relative); }

bool THomeFolder::prepare(const QString& suppliedFolder)
{
    lastError_.clear();
    const bool firstStart = !QFileInfo(sysdataFolder()).isDir();
    if (!makeFolder(root_) || !makeFolder(dataFolder()) || !makeFolder(sysdataFolder()))
        return false;
    if (firstStart && !suppliedFolder.isEmpty())
        return copySuppliedFiles(suppliedFolder);
    return true;
}

bool THomeFolder::makeFolder(const QString& path)
{
    if (QFileInfo(path).isDir() || QDir().mkpath(path))
        return true;
    lastError_ = QStringLiteral("Unable to create the folder %1").arg(QDir::toNativeSeparators(path));
    return false;
}

bool THomeFolder::copySuppliedFiles(const QString& suppliedFolder)
{
    const QFileInfoList files = QDir(suppliedFolder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        if (!copySuppliedFile(file.absoluteFilePath(), path(suppliedFileTarget(file.fileName()))))
            return false;
    }
    return true;
}

bool THomeFolder::copySuppliedFile(const QString& source, const QString& target)
{
    if (QFileInfo::exists(target))
        return true;
    if (!QFile::copy(source, target)) {
        lastError_ = QStringLiteral("Unable to copy %1 to %2")
                         .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(target));
        return false;
    }
    // An installed program's files are read-only; the user's copies must not be.
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    return true;
}

} // namespace quorvel
