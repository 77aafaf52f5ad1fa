#pragma once

#include "store/dataset.h"

#include <QString>

#include <cstdint>

namespace labels {

// What a read through the selection's ZIP codes (the presort, the ZIP
// counts) tells whoever watches it, and how it learns of a cancel. The
// texts are "Reading database records...", "Reading record N" for every
// record number that is a multiple of 100, and "Sorting Zip Codes...".
class TZipScanProgress {
public:
    virtual ~TZipScanProgress() = default;
    virtual void ShowStatus(const QString& text) = 0;
    // Asked only right after a status text, never after every record: a
    // window lets its pending messages run in ShowStatus, and on a million
    // records that would cost more than the reading.
    virtual bool CancelRequested() = 0;
};

// Shows nothing and is never cancelled (the command line, tests).
class TSilentZipScanProgress : public TZipScanProgress {
public:
    void ShowStatus(const QString&) override {}
    bool CancelRequested() override { return false; }
};

// Puts the dataset back on its order and record however a read through it
// ends; on the first record when that record is gone.
class TZipScanCursorKeeper {
public:
    explicit TZipScanCursorKeeper(quorvel::TDataset& addresses)
        : addresses_(addresses), order_(addresses.Order()), record_(addresses.RecNo())
    {
    }
    ~TZipScanCursorKeeper()
    {
        addresses_.SetOrder(order_);
        if (record_ == 0 || !addresses_.GoTo(record_))
            addresses_.First();
    }
    TZipScanCursorKeeper(const TZipScanCursorKeeper&) = delete;
    TZipScanCursorKeeper& operator=(const TZipScanCursorKeeper&) = delete;

private:
    quorvel::TDataset& addresses_;
    QString order_;
    std::uint32_t record_;
};

} // namespace labels
