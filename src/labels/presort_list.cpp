#include "labels/presort_list.h"

#include "store/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace labels {

namespace {

// A list has at most one line per ZIP code and package; even every 5-digit
// ZIP code with its header stays far below this.
constexpr qint64 kMaxPresortFileSize = 16LL * 1024 * 1024;

QString withoutTrailingBlanks(QStringView line)
{
    qsizetype end = line.size();
    while (end > 0 && (line.at(end - 1) == QLatin1Char(' ') || line.at(end - 1) == QLatin1Char('\t')))
        --end;
    return line.left(end).toString();
}

QString shownPath(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

bool IsPresortBreak(const QString& line) { return line.contains(QStringLiteral("**")); }

QStringList ParsePresortList(QByteArrayView bytes)
{
    const QString text = quorvel::fromCp1252(bytes);
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != QLatin1Char('\r') && text.at(end) != QLatin1Char('\n'))
            ++end;
        const QString line = withoutTrailingBlanks(QStringView(text).mid(start, end - start));
        if (!line.isEmpty())
            lines.append(line);
        if (end + 1 < text.size() && text.at(end) == QLatin1Char('\r') && text.at(end + 1) == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
    return lines;
}

std::optional<QByteArray> PresortListBytes(const QStringList& lines, QString* error)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        const quorvel::TCp1252Encoding encoded = quorvel::toCp1252(line);
        if (!encoded.ok()) {
            if (error)
                *error = encoded.message;
            return std::nullopt;
        }
        bytes += encoded.bytes;
        bytes += "\r\n";
    }
    return bytes;
}

bool WritePresortFile(const QString& path, const QStringList& lines, QString* error)
{
    const auto refuse = [&](const QString& reason) {
        if (error)
            *error = QStringLiteral("The presort list %1 cannot be written: %2").arg(shownPath(path), reason);
        return false;
    };
    QString encodingError;
    const std::optional<QByteArray> bytes = PresortListBytes(lines, &encodingError);
    if (!bytes)
        return refuse(encodingError);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return refuse(file.errorString());
    if (file.write(*bytes) != bytes->size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return refuse(reason);
    }
    if (!file.commit())
        return refuse(file.errorString());
    return true;
}

TPresortFile ReadPresortFile(const QString& path)
{
    TPresortFile result;
    if (!QFileInfo::exists(path)) {
        result.error = QStringLiteral("The presort list %1 does not exist.").arg(shownPath(path));
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("The presort list %1 cannot be read.").arg(shownPath(path));
        return result;
    }
    if (file.size() > kMaxPresortFileSize) {
        result.error = QStringLiteral("The presort list %1 is too large to be one.").arg(shownPath(path));
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = QStringLiteral("The presort list %1 cannot be read.").arg(shownPath(path));
        return result;
    }
    result.lines = ParsePresortList(bytes);
    return result;
}

} // namespace labels
