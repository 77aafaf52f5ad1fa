#pragma once

#include "letters/letter_page.h"
#include "store/dataset_result.h"

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace quorvel {
class TDataset;
}

// Letters are rows of LETTER.DBF: a description (DESCRIPT, 50 characters)
// and the letter's whole RTF text in the memo RTF. The RTF moves between
// the memo and a document in memory, never through a file on disk.
namespace letters {

inline constexpr int kLetterDescriptionWidth = 50;

// LETTER.DBF (made when missing) as the letters list shows it: rows not
// deleted, in DESCRIPT order, on the first. "Unable to Open or Create
// LETTER.DBF" when it cannot be.
quorvel::TTableResult OpenLetterTable(quorvel::TDataset& table, const QString& sysdataFolder);

// Goes to the first letter, in the table's order, whose description is the
// name trimmed, without regard to letter case; false when there is none.
bool FindLetterNamed(quorvel::TDataset& table, const QString& name);

// The memo of the current row as the bytes of its RTF text.
QByteArray LetterRtf(const quorvel::TDataset& table);

struct TLetterLoad {
    bool ok = false;
    QString error; // the reader's, when the memo is no RTF
    TLetterPage page;
};
// Reads the letter's RTF into the document. A page setting the letter
// cannot be printed on (margins leaving less than half an inch, a size of
// 0) gives way to the default page.
TLetterLoad LoadLetter(QByteArrayView rtf, QTextDocument& document);

// The memo text a document is stored as: the writer's RTF with CR LF line
// ends, kept to the rule every memo writer keeps.
QString LetterMemo(const QTextDocument& document, const TLetterPage& page);
QString LetterMemo(const QByteArray& rtf);

enum class TLetterSave { lsNew, lsExisting };

// Appends a row (lsNew) or changes the current one; the row is posted only
// when both values were taken, else it is cancelled and the failure
// reported.
quorvel::TTableResult SaveLetterRow(quorvel::TDataset& table, TLetterSave mode, const QString& description,
                                    const QString& memo);
quorvel::TTableResult DeleteLetterRow(quorvel::TDataset& table);
// A new row "Clone of " + the current row's description (cut to the
// field's width) holding the same RTF; it becomes current.
quorvel::TTableResult CloneLetterRow(quorvel::TDataset& table);
QString CloneDescription(const QString& description);

} // namespace letters
