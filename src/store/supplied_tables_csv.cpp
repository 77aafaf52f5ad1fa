#include "store/supplied_tables_csv.h"

#include <QFile>

namespace quorvel {

namespace {

// The supplied tables are a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxCsvBytes = 16 * 1024 * 1024;

// One line's values; nothing when a quote is left open.
std::optional<QStringList> splitLine(QStringView line)
{
    QStringList values;
    QString value;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar ch = line[i];
        if (quoted && ch == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
            value += u'"';
            ++i;
        } else if (ch == u'"') {
            quoted = !quoted;
        } else if (ch == u',' && !quoted) {
            values << value;
            value.clear();
        } else {
            value += ch;
        }
    }
    if (quoted)
        return std::nullopt;
    values << value;
    return values;
}

} // namespace

QString csvLineText(int line) { return QStringLiteral("line ") + QString::number(line) + QStringLiteral(": "); }

std::optional<QString> parseCsvTable(const QByteArray& bytes, TCsvTable* out)
{
    *out = TCsvTable();
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringView line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const int number = static_cast<int>(i) + 1;
        std::optional<QStringList> values = splitLine(line);
        if (!values)
            return csvLineText(number) + QStringLiteral("a quoted value is not closed");
        if (out->header.isEmpty()) {
            out->header = *values;
            continue;
        }
        if (values->size() != out->header.size())
            return csvLineText(number) + QString::number(values->size()) + QStringLiteral(" values, ") +
                   QString::number(out->header.size()) + QStringLiteral(" expected");
        out->rows.push_back(TCsvRow{number, *values});
    }
    if (out->header.isEmpty())
        return QStringLiteral("the file is empty");
    return std::nullopt;
}

std::optional<QString> readCsvTable(const QString& path, TCsvTable* out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return path + QStringLiteral(": ") + file.errorString();
    if (file.size() > kMaxCsvBytes)
        return path + QStringLiteral(": the file is too large to be a supplied table");
    return parseCsvTable(file.readAll(), out);
}

} // namespace quorvel
