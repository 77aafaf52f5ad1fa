#include "labels/label_design_files.h"

#include "design/file/design_file_name.h"
#include "store/path_lookup.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace labels {

bool IsPlainLabelDesignName(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^BIN[0-9]{5}\\.L$"),
                                          QRegularExpression::CaseInsensitiveOption);
    return plain.match(name).hasMatch();
}

QString LabelDesignPath(const QString& sysdataFolder, const QString& name)
{
    if (!IsPlainLabelDesignName(name))
        return {};
    return quorvel::resolvePathIgnoringCase(sysdataFolder, name);
}

bool LabelDesignExists(const QString& sysdataFolder, const QString& name)
{
    const QString path = LabelDesignPath(sysdataFolder, name);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

quorvel::TTableResult ReserveLabelDesignName(const QString& sysdataFolder, QString* name,
                                             const QSet<QString>& namedByRows)
{
    *name = design::NextDesignFileName(sysdataFolder, QStringLiteral(".L"), namedByRows);
    if (!name->isEmpty())
        return quorvel::TTableResult::success();
    return quorvel::TTableResult::failure(
        {QStringLiteral("All 99999 label design file names (BIN00001.L to BIN99999.L) are taken in the sysdata "
                        "folder. The label layout cannot be saved.")},
        sysdataFolder);
}

} // namespace labels
