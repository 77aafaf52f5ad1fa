#pragma once

#include "store/dataset.h"

namespace quorvel {

// The dataset of an address file: declares the 23 stored fields and works
// out the five computed ones (Tagged, DisplayDate, FullName,
// FullNameWithPrefix, CityStateZip) for the current record whenever one is
// read. The three name and city lines are computed only while switched
// visible (label, envelope and report runs); otherwise they read empty.
class TAddressDataset : public TDataset {
    Q_OBJECT
public:
    explicit TAddressDataset(xbase::TApollo& engine, QObject* parent = nullptr);

    // The tag id in force ("GlobalTagId"); a record is tagged when its TAG
    // equals it.
    void setGlobalTagId(const QString& tagId);
    const QString& globalTagId() const { return tagId_; }
    // The display date format (see displayDateFormat); "mm/dd/yyyy" until set.
    void setDisplayDateFormat(const QString& format);
    const QString& displayDateFormat() const { return dateFormat_; }
    // SetExtraFields: the three name and city lines on or off.
    void SetExtraFields(bool visible);
    bool extraFieldsVisible() const { return extraFields_; }

private:
    QString calculate(const QString& fieldName) const;

    QString tagId_;
    QString dateFormat_;
    bool extraFields_ = false;
};

} // namespace quorvel
