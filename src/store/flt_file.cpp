#include "store/flt_file.h"

#include "store/cp1252.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <vector>

namespace quorvel {

namespace {

constexpr int kLineCount = kFilterBoxCount + 2;
constexpr qsizetype kTaggedLine = kFilterBoxCount;
constexpr qsizetype kReverseLine = kFilterBoxCount + 1;
// Far more than 18 typed values need, and little enough to read at once.
constexpr qint64 kMaxFileSize = 64 * 1024;

// CR LF, CR and LF all end a line.
std::vector<QByteArrayView> splitLines(QByteArrayView bytes)
{
    std::vector<QByteArrayView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.push_back(bytes.sliced(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back(bytes.sliced(start));
    return lines;
}

// Text lines hold no control characters but tabs; anything else means the
// file is not a filter file at all.
bool isTextLine(QByteArrayView line)
{
    return std::none_of(line.begin(), line.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\t') || byte == 0x7F;
    });
}

bool readSwitch(QByteArrayView line, bool* on)
{
    const QByteArray text = line.toByteArray().trimmed().toUpper();
    if (text.isEmpty() || text == "F") {
        *on = false;
        return true;
    }
    *on = text == "T";
    return *on;
}

QString lineProblem(qsizetype index, const char* what)
{
    return QStringLiteral("line %1 %2").arg(index + 1).arg(QLatin1String(what));
}

bool checkLines(const std::vector<QByteArrayView>& lines, QString* error)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto index = static_cast<qsizetype>(i);
        if (!isTextLine(lines[i])) {
            *error = lineProblem(index, "holds characters that are not text");
            return false;
        }
        if (index >= kLineCount && !lines[i].toByteArray().trimmed().isEmpty()) {
            *error = QStringLiteral("it has more than %1 lines").arg(kLineCount);
            return false;
        }
    }
    return true;
}

QByteArrayView lineAt(const std::vector<QByteArrayView>& lines, qsizetype index)
{
    return index < static_cast<qsizetype>(lines.size()) ? lines[static_cast<std::size_t>(index)] : QByteArrayView();
}

QString fileProblem(const QString& path, const QString& reason)
{
    return QStringLiteral("The filter file %1 cannot be read: %2").arg(path, reason);
}

// The extension of the name's last part, with its dot; empty when none.
QString extensionOf(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

bool hasFltExtension(const QString& path)
{
    return extensionOf(path).toUpper() == QStringLiteral(".FLT");
}

} // namespace

QByteArray filterFileBytes(const TFilterState& state, QString* error)
{
    QString text;
    for (int i = 0; i < kFilterBoxCount; ++i) {
        const QString& value = state.values[static_cast<std::size_t>(i)];
        if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n'))) {
            *error = QStringLiteral("The %1 value holds a line break, which a filter file cannot store.")
                         .arg(filterBoxName(static_cast<TFilterBox>(i)));
            return {};
        }
        text += value + QStringLiteral("\r\n");
    }
    text += QLatin1String(state.taggedOnly ? "T\r\n" : "F\r\n");
    text += QLatin1String(state.reverse ? "T\r\n" : "F\r\n");
    TCp1252Encoding encoded = toCp1252(text);
    if (!encoded.ok()) {
        *error = encoded.message;
        return {};
    }
    return encoded.bytes;
}

bool parseFilterFile(QByteArrayView bytes, TFilterState* state, QString* error)
{
    if (bytes.size() > kMaxFileSize) {
        *error = QStringLiteral("it is too large to be a filter file");
        return false;
    }
    const std::vector<QByteArrayView> lines = splitLines(bytes);
    if (!checkLines(lines, error))
        return false;
    TFilterState read;
    for (qsizetype line : {kTaggedLine, kReverseLine}) {
        if (!readSwitch(lineAt(lines, line), line == kTaggedLine ? &read.taggedOnly : &read.reverse)) {
            *error = lineProblem(line, "must be T or F");
            return false;
        }
    }
    for (int i = 0; i < kFilterBoxCount; ++i)
        read.values[static_cast<std::size_t>(i)] = fromCp1252(lineAt(lines, i));
    *state = read;
    return true;
}

bool SaveFilterTo(const QString& path, const TFilterState& state, QString* error)
{
    const QByteArray bytes = filterFileBytes(state, error);
    if (bytes.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("The filter file %1 could not be written: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool RestoreFilterFrom(const QString& path, TFilterState* state, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = fileProblem(path, file.errorString());
        return false;
    }
    // One byte more than allowed is enough to tell an oversized file.
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = fileProblem(path, file.errorString());
        return false;
    }
    QString reason;
    if (!parseFilterFile(bytes, state, &reason)) {
        *error = fileProblem(path, reason);
        return false;
    }
    return true;
}

QString filterSavePath(const QString& chosen, QString* refusal)
{
    if (hasFltExtension(chosen))
        return chosen;
    // Only the file's own name counts: a dot in a folder name is no
    // extension.
    if (!extensionOf(chosen).isEmpty()) {
        *refusal = QStringLiteral("Must have a .FLT extension");
        return {};
    }
    return chosen + QStringLiteral(".FLT");
}

QString filterRestoreRefusal(const QString& chosen)
{
    return hasFltExtension(chosen) ? QString() : QStringLiteral("Must be a Filter (.FLT) file");
}

} // namespace quorvel
