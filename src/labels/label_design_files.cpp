#include "labels/label_design_files.h"

#include "labels/layout_store.h"

namespace labels {

bool IsPlainLabelDesignName(const QString& name) { return IsPlainDesignName(LabelLayoutKind(), name); }

QString LabelDesignPath(const QString& sysdataFolder, const QString& name)
{
    return DesignFilePath(LabelLayoutKind(), sysdataFolder, name);
}

bool LabelDesignExists(const QString& sysdataFolder, const QString& name)
{
    return DesignFileExists(LabelLayoutKind(), sysdataFolder, name);
}

quorvel::TTableResult ReserveLabelDesignName(const QString& sysdataFolder, QString* name,
                                             const QSet<QString>& namedByRows)
{
    return ReserveDesignFileName(LabelLayoutKind(), sysdataFolder, name, namedByRows);
}

} // namespace labels
