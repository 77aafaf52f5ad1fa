#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

class QTextDocument;

namespace design {
class TGRecordSource;
}

namespace letters {

// The merge tokens' names in the order "Insert field" offers them; the
// token in a letter is "[" + name + "]".
const QStringList& MergeTokenNames();

// The name line: prefix, first name, middle initial with a period, last
// name, each followed by one blank (so a non-empty line ends with one).
QString LetterNameLine(const design::TGRecordSource& record);
// The address block: each present line followed by CR LF.
QString LetterAddressBlock(const design::TGRecordSource& record);
// What the token of that name (any letter case) is replaced by; nothing for
// a name that is not a token.
std::optional<QString> MergeTokenValue(const QString& name, const design::TGRecordSource& record,
                                       const QDate& today);

// Replaces every token in the document by the record's value, in one pass
// over the letter as written: text a value brings in is never searched
// again, so a record holding "[Phone]" prints it as it is. Each value takes
// the character format of its token; CR LF in a value starts a new paragraph
// in the token's paragraph format; an empty value removes the token. Tokens
// match without regard to letter case; "[Salutation]" and other bracketed
// words stay.
void MergeLetter(QTextDocument& document, const design::TGRecordSource& record,
                 const QDate& today = QDate::currentDate());

} // namespace letters
