#include "ui/rebuild_indexes_dialog.h"

#include "store/dataset.h"
#include "ui/centring.h"
#include "ui/services.h"

#include <QApplication>

namespace quorvel {

namespace {

QString explanation(const QString& notice)
{
    const QString usual = QStringLiteral("Records you have deleted are removed from this file for good, "
                                         "and its indexes are built anew.");
    return notice.isEmpty() ? usual : notice + QStringLiteral("\n\n") + usual;
}

} // namespace

TQVReindex::TQVReindex(TDataset& dataset, QWidget* parent, const QString& notice)
    : TRebuildDialog(QStringLiteral("Rebuild indexes for ") + dataset.tableName(), explanation(notice),
                     rebuild_help::kRebuildIndexes, parent),
      dataset_(dataset)
{
    setObjectName(QStringLiteral("QVReindex"));
}

bool TQVReindex::runRebuild()
{
    const TTableResult result = RebuildAddressIndexes(dataset_, progress());
    for (const QString& message : result.messages)
        TServices::messages().information(this, message);
    return result.ok;
}

bool RebuildOpenAddressFile(QWidget* parent, TDataset& dataset, const QString& notice)
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    if (!dataset.Active()) {
        TServices::messages().information(parent, QStringLiteral("You need to have a database file open first"));
        return false;
    }
    dataset.DisableControls();
    TQVReindex dialog(dataset, parent, notice);
    centreWindow(&dialog, parent);
    const bool rebuilt = dialog.exec() == QDialog::Accepted;
    dataset.EnableControls();
    return rebuilt;
}

} // namespace quorvel
