#pragma once

#include <QString>

#include <functional>

namespace quorvel {

class TDataset;

// One field a dataset declares: its DBF name (capitals), type (C, N, L, M;
// the computed yes/no fields use L), width, the label shown for it in the
// browse grid and the import field lists (empty: none), and the decimals of
// a numeric field.
struct TFieldDef {
    QString name;
    char type = 'C';
    int width = 0;
    QString label;
    int decimals = 0;
};

// Works out one computed field for the dataset's current values.
using TCalcFieldsFunction = std::function<QString(const TDataset& dataset, const QString& fieldName)>;

} // namespace quorvel
