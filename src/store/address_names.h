#pragma once

#include <QString>

namespace quorvel {

// Names and texts around choosing, creating and opening address files.

// The base name proposed for a new file in `dataFolder`: "ADD" and the
// first four digits 0001..9999 whose ".DBF" does not exist there (letter
// case ignored); "ADD0001" when all do.
QString proposedAddressFileName(const QString& dataFolder);
// A name typed for a new file: 1 to 8 characters, a letter or "_" first,
// then letters, digits or "_".
bool isValidAddressFileName(const QString& name);
// Shown while the typed name is not valid.
QString invalidAddressFileNameText();
inline constexpr int kMaxAddressFileNameLength = 8;
// dataFolder + name + ".DBF".
QString newAddressFilePath(const QString& dataFolder, const QString& name);
QString fileAlreadyExistsText(); // "That file already exists.Please select another name"

// Whether a chosen file has the extension ".DBF" (any letter case).
bool hasDbfExtension(const QString& path);
QString mustBeDbfText(); // "Must be a DBF file"

// The file opened at start: the most recent entry when there is one, else
// "add0001.DBF" in the data folder, to be created when it does not exist.
struct TStartupAddressFile {
    QString path;
    bool create = false;
};
TStartupAddressFile startupAddressFile(const QString& mostRecent, const QString& dataFolder);

// The texts of opening a file in the main window.
QString unableToOpenText(const QString& path);
QString indexRebuildQuestion(const QString& path); // caption "Warning"
// A file whose last session ended without closing it (a crash, a power cut,
// a killed program): its tags may miss changes. Every front end says this
// in these words and adds what it does about it.
QString notClosedProperlyText(const QString& path);
QString noDataPanelText();
QString mainWindowCaption(const QString& path); // "Quorvel - " + path

} // namespace quorvel
