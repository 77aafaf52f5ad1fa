#include "design/file/design_file_io.h"

#include "design/file/design_error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace design {

namespace {

// Far beyond any design (pictures included); a larger file is refused
// before it is loaded into memory.
constexpr qint64 kMaxDesignFileSize = 256LL * 1024 * 1024;

} // namespace

TGFilerStatus ReadDesignFileBytes(const QString& path, QByteArray& bytes, bool& exists)
{
    bytes.clear();
    exists = QFileInfo::exists(path);
    if (!exists)
        return TGFilerStatus::Ok();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TGFilerStatus::Error(messages::cannotOpenFile(path));
    if (file.size() > kMaxDesignFileSize)
        return TGFilerStatus::Error(messages::fileTooLarge(path));
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return TGFilerStatus::Error(messages::cannotOpenFile(path));
    return TGFilerStatus::Ok();
}

TGFilerStatus WriteDesignFileBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return TGFilerStatus::Error(messages::cannotCreateFile(path));
    if (file.write(bytes) != bytes.size() || !file.commit())
        return TGFilerStatus::Error(messages::cannotWriteFile(path));
    return TGFilerStatus::Ok();
}

} // namespace design
