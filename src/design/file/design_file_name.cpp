#include "design/file/design_file_name.h"

#include <QDir>
#include <QSet>

namespace design {

QString NextDesignFileName(const QString& folder, const QString& extension, const QSet<QString>& alsoTaken)
{
    QSet<QString> taken = alsoTaken;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        taken.insert(entry.toUpper());
    for (int number = 1; number <= 99999; ++number) {
        const QString name = QStringLiteral("BIN%1").arg(number, 5, 10, QLatin1Char('0')) + extension;
        if (!taken.contains(name.toUpper()))
            return name;
    }
    return {};
}

} // namespace design
