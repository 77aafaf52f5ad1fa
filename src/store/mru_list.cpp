#include "store/mru_list.h"

#include "store/ini_file.h"

#include <algorithm>

namespace quorvel {

namespace {

const QString kSection = QStringLiteral("MRU");

QString itemKey(int n) { return QStringLiteral("Item") + QString::number(n); }

} // namespace

QStringList TMruList::entries() const
{
    const TIniDocument document = ini_.read();
    QStringList list;
    for (int n = 1; n <= kMaxEntries; ++n) {
        const QString value = document.value(kSection, itemKey(n)).value_or(QString());
        if (!value.isEmpty())
            list.append(value);
    }
    return list;
}

QString TMruList::first() const
{
    const QStringList list = entries();
    return list.isEmpty() ? QString() : list.first();
}

bool TMruList::put(const QStringList& entries)
{
    QList<TIniEntry> items;
    for (int n = 1; n <= std::min<int>(kMaxEntries, entries.size()); ++n)
        items.append({kSection, itemKey(n), entries[n - 1]});
    return ini_.write(items);
}

QStringList TMruList::update(const QString& path)
{
    QStringList list{path};
    for (const QString& entry : entries()) {
        if (list.size() == kMaxEntries)
            break;
        if (entry != path)
            list.append(entry);
    }
    put(list);
    return list;
}

const QString& TMruList::lastError() const { return ini_.lastError(); }

} // namespace quorvel
