#pragma once

#include "ui/rebuild_dialog.h"
#include "xbase/apollo.h"

namespace quorvel {

// "Rebuild System Indexes": packs each system table in the sysdata folder
// and builds its tag anew, through a table of its own.
class TSystemReindex : public TRebuildDialog {
    Q_OBJECT
public:
    explicit TSystemReindex(const QString& sysdataFolder, QWidget* parent = nullptr);

protected:
    bool runRebuild() override;

private:
    QString sysdataFolder_;
    xbase::TApollo table_;
};

// "Rebuild S&ystem File indexes". True when every table there was rebuilt.
bool RebuildSystemFileIndexes(QWidget* parent, const QString& sysdataFolder);

} // namespace quorvel
