#include "ui/rebuild_system_dialog.h"

#include "ui/centring.h"
#include "ui/services.h"

namespace quorvel {

TSystemReindex::TSystemReindex(const QString& sysdataFolder, QWidget* parent)
    : TRebuildDialog(QStringLiteral("Rebuild System Indexes"),
                     QStringLiteral("The program's own files of letters, labels, envelopes, reports, label stock "
                                    "and states are packed and their indexes built anew."),
                     rebuild_help::kRebuildSystemIndexes, parent),
      sysdataFolder_(sysdataFolder)
{
    setObjectName(QStringLiteral("SystemReindex"));
}

bool TSystemReindex::runRebuild()
{
    const TSystemRebuildResult result = RebuildSystemIndexes(table_, sysdataFolder_, progress());
    // A table that is not there has nothing to rebuild; one that is there
    // but could not be done is named, so that no one takes it for repaired.
    if (!result.failed.isEmpty()) {
        TServices::messages().information(
            this, QStringLiteral("These files could not be rebuilt:\r\n") + result.failed.join(QStringLiteral("\r\n")));
    }
    return result.failed.isEmpty();
}

bool RebuildSystemFileIndexes(QWidget* parent, const QString& sysdataFolder)
{
    TSystemReindex dialog(sysdataFolder, parent);
    centreWindow(&dialog, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace quorvel
