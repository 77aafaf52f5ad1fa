#include "store/address_names.h"

#include "store/path_lookup.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace quorvel {

namespace {

bool isAsciiLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QString candidateName(int number) { return QStringLiteral("ADD") + QString::number(number + 10000).right(4); }

} // namespace

QString proposedAddressFileName(const QString& dataFolder)
{
    // One listing of the folder instead of up to 9999 look-ups.
    QSet<QString> present;
    for (const QString& entry : QDir(dataFolder).entryList(QDir::Files))
        present.insert(entry.toUpper());
    for (int i = 1; i <= 9999; ++i) {
        if (!present.contains(candidateName(i) + QStringLiteral(".DBF")))
            return candidateName(i);
    }
    return candidateName(1);
}

bool isValidAddressFileName(const QString& name)
{
    if (name.isEmpty() || name.size() > kMaxAddressFileNameLength)
        return false;
    if (!isAsciiLetter(name.front()) && name.front() != u'_')
        return false;
    for (const QChar c : name) {
        if (!isAsciiLetter(c) && !isAsciiDigit(c) && c != u'_')
            return false;
    }
    return true;
}

QString invalidAddressFileNameText()
{
    return QStringLiteral("Invalid name. Must start with A..Z, followed by A..Z,0..9 or \"_\" (underscore)");
}

QString newAddressFilePath(const QString& dataFolder, const QString& name)
{
    QString folder = dataFolder;
    if (!folder.isEmpty() && !folder.endsWith(u'/'))
        folder += u'/';
    return folder + name + QStringLiteral(".DBF");
}

QString fileAlreadyExistsText() { return QStringLiteral("That file already exists.Please select another name"); }

bool hasDbfExtension(const QString& path) { return path.toUpper().endsWith(QStringLiteral(".DBF")); }

QString mustBeDbfText() { return QStringLiteral("Must be a DBF file"); }

TStartupAddressFile startupAddressFile(const QString& mostRecent, const QString& dataFolder)
{
    if (!mostRecent.isEmpty())
        return {mostRecent, false};
    const QString first = resolvePathIgnoringCase(dataFolder, u"add0001.DBF");
    return {first, !QFileInfo::exists(first)};
}

QString unableToOpenText(const QString& path)
{
    return QStringLiteral("Unable to open ") + path + QStringLiteral("\r\n\r\n * May not be ") +
           QStringLiteral("a Quorvel") + QStringLiteral(" file.") +
           QStringLiteral("\r\n * May be in use by another program or user");
}

QString indexRebuildQuestion(const QString& path)
{
    return QStringLiteral("The index file for ") + path + QStringLiteral("\r\nis missing or invalid. Rebuild now?");
}

QString notClosedProperlyText(const QString& path)
{
    return QStringLiteral("The file ") + path +
           QStringLiteral(" was not closed properly, so its indexes may not match its records.");
}

QString noDataPanelText() { return QStringLiteral("Please Open or Create a Quorvel Address file"); }

QString mainWindowCaption(const QString& path) { return QStringLiteral("Quorvel - ") + path; }

} // namespace quorvel
