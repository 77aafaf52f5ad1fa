#include "store/supplied_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace quorvel {

namespace {

QStringList candidateFolders()
{
    QStringList folders;
    const QString fromEnvironment = qEnvironmentVariable("QUORVEL_DATA_DIR");
    if (!fromEnvironment.isEmpty())
        folders.append(fromEnvironment);
    if (QCoreApplication::instance()) {
        const QString programFolder = QCoreApplication::applicationDirPath();
        folders.append(programFolder + QStringLiteral("/../share/quorvel"));
        folders.append(programFolder + QStringLiteral("/data"));
    }
#ifdef QUORVEL_SOURCE_DATA_DIR
    folders.append(QStringLiteral(QUORVEL_SOURCE_DATA_DIR));
#endif
    return folders;
}

} // namespace

QString suppliedDataFolder()
{
    for (const QString& folder : candidateFolders()) {
        const QDir dir(folder);
        if (dir.exists(QStringLiteral("help")))
            return dir.canonicalPath();
    }
    return {};
}

QString suppliedFileTarget(const QString& fileName)
{
    if (fileName.endsWith(QStringLiteral(".dct"), Qt::CaseInsensitive))
        return fileName;
    return QStringLiteral("sysdata/") + fileName;
}

} // namespace quorvel
