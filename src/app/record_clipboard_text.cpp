#include "app/record_clipboard_text.h"

#include <QStringList>

namespace quorvel {

namespace {

QString withoutLeadingBlanks(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start] == QLatin1Char(' '))
        ++start;
    return text.mid(start);
}

// The value and a blank, with leading blanks removed: empty values vanish
// from a line instead of leaving a gap.
QString word(const QString& value) { return withoutLeadingBlanks(value + QLatin1Char(' ')); }

QString nameLine(const TFieldReader& field)
{
    QString middle = field(QStringLiteral("MIDDLE"));
    if (!middle.trimmed().isEmpty())
        middle += QLatin1Char('.');
    return word(field(QStringLiteral("PREFIX"))) + word(field(QStringLiteral("FNAME"))) + word(middle)
           + word(field(QStringLiteral("LNAME")));
}

QString cityLine(const TFieldReader& field)
{
    return word(field(QStringLiteral("CITY"))) + QLatin1Char(' ') + word(field(QStringLiteral("STATE")))
           + withoutLeadingBlanks(field(QStringLiteral("ZIP")));
}

QString labelled(const QString& label, const QString& value) { return value.isEmpty() ? QString() : label + value; }

void addNameGroup(QStringList& lines, const TFieldReader& field)
{
    lines << nameLine(field) << field(QStringLiteral("TITLE")) << field(QStringLiteral("ORG"));
}

void addAddressGroup(QStringList& lines, const TFieldReader& field)
{
    lines << field(QStringLiteral("STREET")) << field(QStringLiteral("STREET2")) << cityLine(field)
          << word(field(QStringLiteral("COUNTRY")));
}

} // namespace

QString recordClipboardText(const TFieldReader& field, const TClipboardGroups& groups)
{
    QStringList lines;
    if (groups.name)
        addNameGroup(lines, field);
    if (groups.address)
        addAddressGroup(lines, field);
    if (groups.phones) {
        lines << labelled(QStringLiteral("Phone  :"), field(QStringLiteral("PHONE")))
              << labelled(QStringLiteral("Phone 2:"), field(QStringLiteral("PHONE2")));
    }
    if (groups.codes)
        lines << labelled(QStringLiteral("Codes :"), field(QStringLiteral("CODES")));
    if (groups.comments) {
        lines << labelled(QStringLiteral("Comment 1 :"), field(QStringLiteral("USER1")))
              << labelled(QStringLiteral("Comment 2 :"), field(QStringLiteral("USER2")));
    }
    QString text;
    for (const QString& line : lines) {
        // A record without city, state and ZIP would otherwise give a line
        // of one blank.
        if (!line.trimmed().isEmpty())
            text += line + QStringLiteral("\r\n");
    }
    return text;
}

} // namespace quorvel
