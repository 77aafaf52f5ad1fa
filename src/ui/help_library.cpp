#include "ui/help_library.h"

#include "store/supplied_data.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace quorvel {

namespace {

QString readPage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString titleOf(const QString& html)
{
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption
                                              | QRegularExpression::DotMatchesEverythingOption);
    return title.match(html).captured(1).trimmed();
}

QString plainTextOf(const QString& html)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    return QString(html).remove(tag);
}

std::optional<int> numberOf(const QString& text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number > 0 ? std::optional<int>(number) : std::nullopt;
}

} // namespace

THelpLibrary::THelpLibrary(QString folder) : folder_(std::move(folder)) { }

QString THelpLibrary::defaultFolder()
{
    const QString supplied = suppliedDataFolder();
    return supplied.isEmpty() ? QString() : supplied + QStringLiteral("/help");
}

QString THelpLibrary::topicPath(int context) const
{
    const QString path = QDir(folder_).filePath(QString::number(context) + QStringLiteral(".html"));
    return QFileInfo::exists(path) ? path : QString();
}

QString THelpLibrary::contentsPath() const { return QDir(folder_).filePath(QStringLiteral("index.html")); }

QList<THelpTopic> THelpLibrary::topics() const
{
    QList<THelpTopic> list;
    const QFileInfoList files = QDir(folder_).entryInfoList({QStringLiteral("*.html")}, QDir::Files);
    for (const QFileInfo& file : files) {
        if (const std::optional<int> context = numberOf(file.completeBaseName()))
            list.append({*context, titleOf(readPage(file.absoluteFilePath())), file.absoluteFilePath()});
    }
    std::sort(list.begin(), list.end(), [](const THelpTopic& a, const THelpTopic& b) { return a.context < b.context; });
    return list;
}

QList<THelpTopic> THelpLibrary::search(const QString& keyword) const
{
    QList<THelpTopic> found;
    for (const THelpTopic& topic : topics()) {
        if (keyword.trimmed().isEmpty() || topic.title.contains(keyword.trimmed(), Qt::CaseInsensitive)
            || plainTextOf(readPage(topic.path)).contains(keyword.trimmed(), Qt::CaseInsensitive))
            found.append(topic);
    }
    return found;
}

std::optional<int> THelpLibrary::contextOf(const QUrl& link)
{
    if (link.scheme() == QStringLiteral("help"))
        return numberOf(link.path());
    const QString name = QFileInfo(link.path()).fileName();
    if (!name.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive))
        return std::nullopt;
    return numberOf(QFileInfo(name).completeBaseName());
}

} // namespace quorvel
