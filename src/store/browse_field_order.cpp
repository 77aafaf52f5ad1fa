#include "store/browse_field_order.h"

#include <algorithm>

namespace quorvel {

namespace {

bool containsName(const QStringList& names, const QString& name) { return names.contains(name, Qt::CaseInsensitive); }

bool sameNames(QStringList a, QStringList b)
{
    if (a.size() != b.size())
        return false;
    for (QString& name : a)
        name = name.toUpper();
    for (QString& name : b)
        name = name.toUpper();
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

} // namespace

QStringList defaultBrowseFieldOrder(const std::vector<TFieldDef>& fields, const QStringList& shown)
{
    QStringList order;
    for (const QString& name : shown) {
        const auto declared = std::find_if(fields.begin(), fields.end(), [&](const TFieldDef& field) {
            return field.name.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (declared != fields.end() && !containsName(order, declared->name))
            order << declared->name;
    }
    for (const TFieldDef& field : fields) {
        if (!containsName(order, field.name))
            order << field.name;
    }
    return order;
}

QStringList shownBrowseColumns(const QStringList& order, const QStringList& shown)
{
    QStringList columns;
    for (const QString& name : order) {
        if (containsName(shown, name))
            columns << name;
    }
    return columns;
}

QStringList withShownColumnsInOrder(QStringList order, const QStringList& shown, const QStringList& shownInViewOrder)
{
    if (!sameNames(shownBrowseColumns(order, shown), shownInViewOrder))
        return order;
    qsizetype next = 0;
    for (QString& name : order) {
        if (containsName(shown, name))
            name = shownInViewOrder[next++];
    }
    return order;
}

} // namespace quorvel
