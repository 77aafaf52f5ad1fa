#pragma once

#include "design/model/record_values.h"

namespace quorvel {
class TAddressDataset;
}

namespace design {

// The current record of the open address file, as the data surfaces show
// it. Fields carry the labels the browse grid shows (a field without one is
// known by its name, as "MEMO" is); the fields the grid hides, and the
// name and city lines while they are switched off, are not visible.
class TGAddressRecord : public TGRecordSource {
public:
    explicit TGAddressRecord(const quorvel::TAddressDataset& dataset) : dataset_(dataset) {}

    std::vector<TGDataField> DataFields() const override;
    std::optional<QString> FieldText(const QString& fieldName) const override;
    QString MemoText(const QString& fieldName) const override;

private:
    bool Visible(const QString& fieldName) const;

    const quorvel::TAddressDataset& dataset_;
};

} // namespace design
