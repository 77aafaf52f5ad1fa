#pragma once

#include "store/dataset_fields.h"

#include <QStringList>

#include <vector>

namespace quorvel {

// The browse grid works on every field of the dataset in one order (the
// order the column order file keeps), of which only the shown fields become
// columns; the others keep their places between them.

// The shown fields in the order given, then every other declared field
// (stored first, then computed) in declaration order; names are spelled as
// the fields declare them.
QStringList defaultBrowseFieldOrder(const std::vector<TFieldDef>& fields, const QStringList& shown);

// The fields of `order` that are shown (letter case ignored), in that order.
QStringList shownBrowseColumns(const QStringList& order, const QStringList& shown);

// `order` with its shown fields rearranged as `shownInViewOrder` has them
// (the columns as the user left them): each slot a shown field held takes
// the next name of the new arrangement, hidden fields stay where they were.
// A list that is not a rearrangement of the shown fields leaves `order` as
// it is.
QStringList withShownColumnsInOrder(QStringList order, const QStringList& shown, const QStringList& shownInViewOrder);

} // namespace quorvel
