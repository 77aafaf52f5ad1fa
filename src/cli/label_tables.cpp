#include "cli/label_tables.h"

#include "cli/usage_text.h"
#include "store/home_folder.h"

#include <cstdio>

namespace quorvel::cli {

QString sysdataFolder(const std::string& home) { return THomeFolder(QString::fromStdString(home)).sysdataFolder(); }

bool openLabelTable(TDataset& table, const std::string& home, const LabelTableOpener& open)
{
    const TTableResult opened = open(table, sysdataFolder(home));
    if (!opened)
        failWithResult(opened);
    return opened.ok;
}

bool openNamedLayout(TDataset& table, const std::string& home, const LabelTableOpener& open,
                     const LayoutFinder& find, const QString& name, const std::string& noun, const std::string& hint)
{
    if (!openLabelTable(table, home, open))
        return false;
    if (find(table, name))
        return true;
    failWith("no " + noun + " is named \"" + name.toStdString() + "\"" + (hint.empty() ? "" : " " + hint));
    return false;
}

int failedPrintRun(bool started, bool said, const QString& message, const std::string& fallback)
{
    if (!started && said)
        return kFailed;
    return failWith(message.isEmpty() ? fallback : message.toStdString());
}

std::optional<int> countIn(const std::string& text, int low, int high)
{
    bool ok = false;
    const int value = QString::fromStdString(text).trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

void warn(const QString& message) { std::fprintf(stderr, "quorvel-cli: warning: %s\n", message.toUtf8().constData()); }

int failWithResult(const TTableResult& result)
{
    QString text = result.messages.join(QLatin1Char('\n'));
    if (!result.detail.isEmpty() && !text.contains(result.detail))
        text += QStringLiteral(" (") + result.detail + u')';
    return failWith(text.toStdString());
}

std::vector<std::string> utf8Values(const QStringList& texts)
{
    std::vector<std::string> values;
    for (const QString& text : texts)
        values.push_back(text.toStdString());
    return values;
}

std::vector<std::string> utf8Values(const QStringList& columns, const std::function<QString(const QString&)>& value)
{
    std::vector<std::string> values;
    for (const QString& column : columns)
        values.push_back(value(column).toStdString());
    return values;
}

} // namespace quorvel::cli
