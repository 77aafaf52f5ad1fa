#include "store/path_lookup.h"

#include <QDir>
#include <QFileInfo>

namespace quorvel {

namespace {

bool isSeparator(QChar c) { return c == u'/' || c == u'\\'; }

QString joined(const QString& folder, const QString& name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// The entry of `folder` spelled like `name` but for case, or empty.
QString entryIgnoringCase(const QString& folder, const QString& name)
{
    if (QFileInfo::exists(joined(folder, name)))
        return name;
    const QStringList entries
        = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

QString resolvePathIgnoringCase(const QString& base, QStringView relative)
{
    QString path = base;
    bool searching = true;
    qsizetype start = 0;
    while (start < relative.size()) {
        qsizetype end = start;
        while (end < relative.size() && !isSeparator(relative[end]))
            ++end;
        const QString part = relative.sliced(start, end - start).toString();
        start = end + 1;
        if (part.isEmpty())
            continue;
        const QString found = searching ? entryIgnoringCase(path, part) : QString();
        searching = !found.isEmpty();
        path = joined(path, searching ? found : part);
    }
    if (!relative.isEmpty() && isSeparator(relative.back()) && !path.endsWith(u'/'))
        path += u'/';
    return path;
}

} // namespace quorvel
