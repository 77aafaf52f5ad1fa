#pragma once

#include "ui/rebuild_dialog.h"

namespace quorvel {

class TDataset;

// "Rebuild Indexes": packs the address file the main window has open and
// builds its 26 tags anew. A `notice` (why the rebuild is needed) is shown
// above the usual explanation.
class TQVReindex : public TRebuildDialog {
    Q_OBJECT
public:
    explicit TQVReindex(TDataset& dataset, QWidget* parent = nullptr, const QString& notice = QString());

protected:
    bool runRebuild() override;

private:
    TDataset& dataset_;
};

// "&Rebuild Indexes for this file", and the rebuild offered when a file
// opens with a missing, incomplete or possibly stale index: shows "You need
// to have a database file open first" when `dataset` is closed; otherwise
// runs "Rebuild Indexes" over it (with `notice`) with its controls
// suspended. True when the rebuild ran and succeeded. The caller then
// restores its order and filter (the dataset is left in record number order
// on its first record).
bool RebuildOpenAddressFile(QWidget* parent, TDataset& dataset, const QString& notice = QString());

} // namespace quorvel
