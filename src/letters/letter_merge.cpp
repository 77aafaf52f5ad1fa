#include "letters/letter_merge.h"

#include "design/model/record_values.h"
#include "store/address_display_date.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <optional>
#include <vector>

namespace letters {

namespace {

QString field(const design::TGRecordSource& record, const char* name)
{
    return record.FieldText(QLatin1String(name)).value_or(QString());
}

QString withoutLeadingBlanks(QString text)
{
    qsizetype blanks = 0;
    while (blanks < text.size() && text.at(blanks) == u' ')
        ++blanks;
    return text.mid(blanks);
}

QString blanksTrimmed(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

QString cityStateZip(const design::TGRecordSource& record)
{
    return blanksTrimmed(field(record, "CITY") + u' ' + field(record, "STATE") + u' ' + field(record, "ZIP"));
}

// The block's city line has two blanks before the ZIP when there is a state.
QString blockCityLine(const design::TGRecordSource& record)
{
    QString state = field(record, "STATE");
    if (!state.isEmpty())
        state += u' ';
    return blanksTrimmed(field(record, "CITY") + u' ' + state + u' ' + field(record, "ZIP"));
}

QString titleAndOrganization(const design::TGRecordSource& record)
{
    const QString title = field(record, "TITLE");
    const QString organization = field(record, "ORG");
    if (!title.isEmpty() && !organization.isEmpty())
        return title + QStringLiteral(",  ") + organization;
    return title.isEmpty() ? organization : title;
}

QString todayShort(const QDate& today)
{
    return quorvel::displayDate(quorvel::storedDateText(today), quorvel::systemShortDatePattern().toLower());
}

enum class TTokenKind { Field, NameLine, AddressBlock, CityStateZip, TodayShort, TodayLong };

struct TTokenDefinition {
    const char* name;
    TTokenKind kind;
    const char* fieldName = nullptr;
};

const std::vector<TTokenDefinition>& tokenDefinitions()
{
    static const std::vector<TTokenDefinition> tokens = {
        {"Full Name", TTokenKind::NameLine},
        {"Name and Address", TTokenKind::AddressBlock},
        {"First", TTokenKind::Field, "FNAME"},
        {"Last", TTokenKind::Field, "LNAME"},
        {"Middle", TTokenKind::Field, "MIDDLE"},
        {"Prefix", TTokenKind::Field, "PREFIX"},
        {"Title", TTokenKind::Field, "TITLE"},
        {"Organization", TTokenKind::Field, "ORG"},
        {"Street", TTokenKind::Field, "STREET"},
        {"Street 2", TTokenKind::Field, "STREET2"},
        {"City+State+Zip", TTokenKind::CityStateZip},
        {"City", TTokenKind::Field, "CITY"},
        {"State", TTokenKind::Field, "STATE"},
        {"Province", TTokenKind::Field, "STATE"},
        {"Zip", TTokenKind::Field, "ZIP"},
        {"Postal Code", TTokenKind::Field, "ZIP"},
        {"Country", TTokenKind::Field, "COUNTRY"},
        {"Phone", TTokenKind::Field, "PHONE"},
        {"Phone 2", TTokenKind::Field, "PHONE2"},
        {"Fax", TTokenKind::Field, "FAX"},
        {"E-Mail", TTokenKind::Field, "EMAIL"},
        {"Today's Date", TTokenKind::TodayShort},
        {"Long Date", TTokenKind::TodayLong},
        {"Comment 1", TTokenKind::Field, "USER1"},
        {"Comment 2", TTokenKind::Field, "USER2"},
    };
    return tokens;
}

const QHash<QString, const TTokenDefinition*>& tokensByFoldedName()
{
    static const QHash<QString, const TTokenDefinition*> byName = [] {
        QHash<QString, const TTokenDefinition*> map;
        for (const TTokenDefinition& token : tokenDefinitions())
            map.insert(QString::fromLatin1(token.name).toCaseFolded(), &token);
        return map;
    }();
    return byName;
}

QString tokenValue(const TTokenDefinition& token, const design::TGRecordSource& record, const QDate& today)
{
    switch (token.kind) {
    case TTokenKind::Field:
        return field(record, token.fieldName);
    case TTokenKind::NameLine:
        return LetterNameLine(record);
    case TTokenKind::AddressBlock:
        return LetterAddressBlock(record);
    case TTokenKind::CityStateZip:
        return cityStateZip(record);
    case TTokenKind::TodayShort:
        return todayShort(today);
    case TTokenKind::TodayLong:
        return QLocale::c().toString(today, QStringLiteral("MMM d, yyyy"));
    }
    return {};
}

struct TFoundToken {
    int position = 0;
    int length = 0;
    QString value;
};

// Puts the value where the cursor's selection (the token) is. The new
// paragraphs of a value with line breaks repeat the token's paragraph but
// not a page break before it: the break belongs to the letter's paragraph,
// not to every line of an address block.
void replaceToken(QTextCursor& cursor, const QString& value)
{
    QTextCursor first(cursor.document());
    first.setPosition(cursor.selectionStart() + 1);
    const QTextCharFormat format = first.charFormat();
    QTextBlockFormat continued = cursor.blockFormat();
    continued.setPageBreakPolicy(continued.pageBreakPolicy() & ~QTextFormat::PageBreak_AlwaysBefore);

    cursor.removeSelectedText();
    QString text = value;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList paragraphs = text.split(u'\n');
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(continued, format);
        if (!paragraphs.at(i).isEmpty())
            cursor.insertText(paragraphs.at(i), format);
    }
}

} // namespace

const QStringList& MergeTokenNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const TTokenDefinition& token : tokenDefinitions())
            list << QString::fromLatin1(token.name);
        return list;
    }();
    return names;
}

QString LetterNameLine(const design::TGRecordSource& record)
{
    QString middle = field(record, "MIDDLE");
    if (!middle.isEmpty())
        middle += u'.';
    QString line;
    for (const QString& part : {field(record, "PREFIX"), field(record, "FNAME"), middle, field(record, "LNAME")}) {
        const QString kept = withoutLeadingBlanks(part);
        if (!kept.isEmpty())
            line += kept + u' ';
    }
    return line;
}

QString LetterAddressBlock(const design::TGRecordSource& record)
{
    const QString lines[] = {LetterNameLine(record), titleAndOrganization(record), field(record, "STREET"),
                             field(record, "STREET2"),  blockCityLine(record),       field(record, "COUNTRY")};
    QString block;
    for (const QString& line : lines)
        if (!line.isEmpty())
            block += line + QStringLiteral("\r\n");
    return block;
}

std::optional<QString> MergeTokenValue(const QString& name, const design::TGRecordSource& record,
                                       const QDate& today)
{
    const auto found = tokensByFoldedName().constFind(name.toCaseFolded());
    if (found == tokensByFoldedName().cend())
        return std::nullopt;
    return tokenValue(**found, record, today);
}

void MergeLetter(QTextDocument& document, const design::TGRecordSource& record, const QDate& today)
{
    // The raw text's positions are the cursor's: one character a paragraph
    // break, so a token never spans paragraphs.
    static const QRegularExpression bracketed(QStringLiteral("\\[([^\\[\\]\\x{2029}]{1,40})\\]"));
    const QString text = document.toRawText();
    std::vector<TFoundToken> found;
    QHash<QString, QString> values;
    for (QRegularExpressionMatchIterator it = bracketed.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString key = match.captured(1).toCaseFolded();
        auto value = values.constFind(key);
        if (value == values.cend()) {
            const std::optional<QString> computed = MergeTokenValue(match.captured(1), record, today);
            if (!computed)
                continue;
            value = values.insert(key, *computed);
        }
        found.push_back({static_cast<int>(match.capturedStart()), static_cast<int>(match.capturedLength()), *value});
    }
    if (found.empty())
        return;
    // From the end, so that the positions found before stay true.
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (auto token = found.rbegin(); token != found.rend(); ++token) {
        cursor.setPosition(token->position);
        cursor.setPosition(token->position + token->length, QTextCursor::KeepAnchor);
        replaceToken(cursor, token->value);
    }
    cursor.endEditBlock();
}

} // namespace letters
