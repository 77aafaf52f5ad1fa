#include "store/browse_columns.h"

#include "store/cp1252.h"
#include "store/home_folder.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace quorvel {

namespace {

// A dataset has at most a few hundred fields; a file far beyond that is not
// a column list, and reading it all would only cost time.
constexpr qint64 kMaxFileSize = 64 * 1024;
constexpr qsizetype kMaxNames = 1024;

qsizetype indexOfName(const QStringList& columns, const QString& name)
{
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

QString browseColumnsPath(const THomeFolder& home)
{
    return home.path(u"sysdata/FIELDS.LST");
}

QStringList ReadBrowseColumnOrder(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseBrowseColumnOrder(file.read(kMaxFileSize));
}

QStringList parseBrowseColumnOrder(QByteArrayView bytes)
{
    QStringList names;
    const QString text = fromCp1252(bytes.first(std::min<qsizetype>(bytes.size(), kMaxFileSize)));
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (names.size() == kMaxNames)
            break;
        names << line.trimmed().toString();
    }
    // A final line end leaves no name after it.
    if (!names.isEmpty() && names.last().isEmpty())
        names.removeLast();
    return names;
}

QStringList ApplyBrowseColumnOrder(QStringList columns, const QStringList& names)
{
    if (columns.isEmpty())
        return columns;
    for (qsizetype line = 0; line < names.size(); ++line) {
        const qsizetype from = indexOfName(columns, names[line]);
        if (from >= 0)
            columns.move(from, std::min(line, columns.size() - 1));
    }
    return columns;
}

bool WriteBrowseColumnOrder(const QString& path, const QStringList& columns, QString* error)
{
    const TCp1252Encoding encoded = toCp1252(columns.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    if (!encoded.ok()) {
        *error = encoded.message;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encoded.bytes) != encoded.bytes.size() || !file.commit()) {
        *error = QStringLiteral("The column order could not be written to %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace quorvel
