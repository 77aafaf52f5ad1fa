#pragma once

#include <QString>
#include <QStringView>

namespace quorvel {

// The folder that holds everything the program keeps for its user: the
// settings file "QUORVL.ini", the address files in "DATA/" and the system
// tables and design files in "sysdata/".
class THomeFolder {
public:
    // `root` with or without a trailing "/".
    explicit THomeFolder(const QString& root);

    // $QUORVEL_HOME when set, else the per-user data folder
    // (~/.local/share/Quorvel on Linux).
    static QString defaultRoot();

    // Always with a trailing "/".
    const QString& root() const { return root_; }

    // A path under the root, written with "\" or "/", looked up without
    // regard to letter case (see resolvePathIgnoringCase).
    QString path(QStringView relative) const;
    QString iniPath() const { return path(u"QUORVL.ini"); }
    QString dataFolder() const { return path(u"DATA/"); }
    QString sysdataFolder() const { return path(u"sysdata/"); }

    // Makes the root, "DATA/" and "sysdata/" where they are missing. When
    // "sysdata/" had to be made (a first start), the files of
    // `suppliedFolder` are copied in; files already there are never
    // overwritten. False with lastError() when a folder or copy failed.
    bool prepare(const QString& suppliedFolder);

    const QString& lastError() const { return lastError_; }

private:
    bool makeFolder(const QString& path);
    bool copySuppliedFiles(const QString& suppliedFolder);
    bool copySuppliedFile(const QString& source, const QString& target);

    QString root_;
    QString lastError_;
};

} // namespace quorvel
