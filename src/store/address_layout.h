#pragma once

#include "store/dataset_fields.h"

#include <QLatin1String>
#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace quorvel {

class TNewFileFieldLengths;

// The record layout of an address file: 23 stored fields in the order a new
// file is created, and the five fields an open address dataset computes.
struct TAddressField {
    QLatin1String name;
    char type;         // C, L or M
    int defaultWidth;  // what a new file gets when the settings say nothing
    bool fixedWidth;   // no key in "NewFileFieldLengths"
    QLatin1String label; // empty for TAG and MEMO, which no list shows
};

std::span<const TAddressField> addressFields();
// The stored fields with the widths a new file gets from `lengths`.
std::vector<TFieldDef> addressStoredFieldDefs(const TNewFileFieldLengths& lengths);
std::vector<TFieldDef> addressStoredFieldDefs();
std::vector<TFieldDef> addressCalculatedFieldDefs();
// The label shown for a stored or computed field; empty when it has none.
QString addressFieldLabel(QStringView fieldName);

// The browse grid's columns in the dataset's order, before the user
// reorders them.
std::span<const QLatin1String> addressBrowseColumns();

// The 26 tags of every address file's structural index, in creation order.
struct TAddressTag {
    QLatin1String name;
    QLatin1String keyExpression;
};
std::span<const TAddressTag> addressTags();
// The key expression of an address tag by name (any letter case).
std::optional<QLatin1String> addressTagExpression(QStringView tagName);
// The order in which an open file's tags are checked; the check stops at
// the first absent one.
std::span<const QLatin1String> addressTagCheckOrder();

// The sort orders of the "&Sort" menu, in menu order.
struct TSortOrder {
    QLatin1String caption; // "&Last Name"
    QLatin1String tag;     // "LNAME"
};
std::span<const TSortOrder> addressSortOrders();
// The order's name: the caption without its first character ("Last Name").
QString sortOrderName(const TSortOrder& order);
// The tag of the order whose name equals `name` ignoring letter case;
// nothing when none does (the order is then left as it was).
std::optional<QString> tagForSortOrderName(const QString& name);
// The order a freshly opened address file is put in.
QString defaultSortOrderName();
// "Sorted by " + the name as given.
QString sortStatusText(const QString& orderName);

} // namespace quorvel
