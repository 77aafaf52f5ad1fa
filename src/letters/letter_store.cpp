#include "letters/letter_store.h"

#include "design/model/windows1252.h"
#include "labels/layout_store.h"
#include "letters/rtf_reader.h"
#include "letters/rtf_writer.h"
#include "store/address_records.h"
#include "store/dataset.h"
#include "store/system_tables.h"

#include <QTextDocument>

namespace letters {

namespace {

const QString kDescription = QStringLiteral("DESCRIPT");
const QString kRtf = QStringLiteral("RTF");

quorvel::TTableResult saveFailure(quorvel::TDataset& table, const QString& action)
{
    const QString why = table.lastError();
    table.Cancel();
    const QString message = QStringLiteral("The letter could not be ") + action + QStringLiteral(": ") + why;
    return quorvel::TTableResult::failure({message}, why);
}

} // namespace

quorvel::TTableResult OpenLetterTable(quorvel::TDataset& table, const QString& sysdataFolder)
{
    return labels::OpenDescribedRows(quorvel::TSystemTable::stLetter, table, sysdataFolder);
}

bool FindLetterNamed(quorvel::TDataset& table, const QString& name)
{
    return labels::FindLayoutNamed(table, name.trimmed(), kLetterDescriptionWidth);
}

QByteArray LetterRtf(const quorvel::TDataset& table)
{
    const QString memo = table.MemoText(kRtf);
    // A memo from elsewhere may hold what Windows-1252 cannot say; the
    // reader then sees it as Latin-1 rather than not at all.
    return design::toWindows1252(memo).value_or(memo.toLatin1());
}

TLetterLoad LoadLetter(QByteArrayView rtf, QTextDocument& document)
{
    const TRtfReadResult read = ReadRtf(rtf, document);
    TLetterLoad load;
    load.ok = read.ok;
    load.error = read.error;
    load.page = IsUsablePage(read.page) ? read.page : TLetterPage();
    return load;
}

QString LetterMemo(const QTextDocument& document, const TLetterPage& page)
{
    return LetterMemo(WriteRtf(document, page));
}

QString LetterMemo(const QByteArray& rtf) { return quorvel::memoForStorage(QString::fromLatin1(rtf)); }

quorvel::TTableResult SaveLetterRow(quorvel::TDataset& table, TLetterSave mode, const QString& description,
                                    const QString& memo)
{
    const bool editing = mode == TLetterSave::lsNew ? table.Insert() : table.Edit();
    if (!editing)
        return saveFailure(table, QStringLiteral("saved"));
    if (!table.SetFieldAsString(kDescription, description.left(kLetterDescriptionWidth)) ||
        !table.SetMemoText(kRtf, memo) || !table.Post())
        return saveFailure(table, QStringLiteral("saved"));
    return quorvel::TTableResult::success();
}

quorvel::TTableResult DeleteLetterRow(quorvel::TDataset& table)
{
    if (!table.Delete())
        return saveFailure(table, QStringLiteral("deleted"));
    return quorvel::TTableResult::success();
}

QString CloneDescription(const QString& description)
{
    return (QStringLiteral("Clone of ") + description).left(kLetterDescriptionWidth);
}

quorvel::TTableResult CloneLetterRow(quorvel::TDataset& table)
{
    const QString description = CloneDescription(table.FieldAsString(kDescription));
    const QString memo = table.MemoText(kRtf);
    return SaveLetterRow(table, TLetterSave::lsNew, description, memo);
}

} // namespace letters
