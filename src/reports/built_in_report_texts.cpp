#include "reports/built_in_report_texts.h"

namespace reports {

namespace {

QString WithoutLeadingBlanks(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == QLatin1Char(' '))
        ++start;
    return text.mid(start);
}

QString MiddleInitial(const QString& middle)
{
    return middle.isEmpty() ? QString() : middle + QLatin1Char('.');
}

} // namespace

TBuiltInRecord BuiltInRecordOf(const std::function<QString(const QString& field)>& field)
{
    TBuiltInRecord record;
    record.lname = field(QStringLiteral("LNAME"));
    record.fname = field(QStringLiteral("FNAME"));
    record.middle = field(QStringLiteral("MIDDLE"));
    record.prefix = field(QStringLiteral("PREFIX"));
    record.title = field(QStringLiteral("TITLE"));
    record.org = field(QStringLiteral("ORG"));
    record.street = field(QStringLiteral("STREET"));
    record.city = field(QStringLiteral("CITY"));
    record.state = field(QStringLiteral("STATE"));
    record.zip = field(QStringLiteral("ZIP"));
    record.country = field(QStringLiteral("COUNTRY"));
    record.phone = field(QStringLiteral("PHONE"));
    record.fax = field(QStringLiteral("FAX"));
    record.email = field(QStringLiteral("EMAIL"));
    record.date = field(QStringLiteral("DATE"));
    return record;
}

// Each piece loses its leading blanks on its own, so a blank-padded last
// name does not push the whole name right.
QString ListName(const TBuiltInRecord& record)
{
    return WithoutLeadingBlanks(record.lname + QStringLiteral(", ")) +
           WithoutLeadingBlanks(record.fname + QLatin1Char(' ')) + WithoutLeadingBlanks(MiddleInitial(record.middle));
}

QString ListCityLine(const TBuiltInRecord& record)
{
    QString line;
    if (!record.city.isEmpty())
        line += record.city + QStringLiteral(", ");
    if (!record.state.isEmpty())
        line += record.state + QStringLiteral("  ");
    if (!record.zip.isEmpty())
        line += record.zip + QLatin1Char(' ');
    return line;
}

QString FullReportName(const TBuiltInRecord& record)
{
    if (record.lname.isEmpty())
        return {};
    QString name = WithoutLeadingBlanks(record.lname);
    if (!(record.lname + record.fname).isEmpty())
        name += QStringLiteral(", ");
    if (!(record.prefix + record.fname).isEmpty())
        name += record.prefix + QLatin1Char(' ');
    name += WithoutLeadingBlanks(record.fname + QLatin1Char(' '));
    return name + MiddleInitial(record.middle);
}

QString TitleAndOrganization(const TBuiltInRecord& record)
{
    if (!record.org.isEmpty() && !record.title.isEmpty())
        return record.title + QStringLiteral(", ") + record.org;
    return record.org;
}

QString FullReportCityLine(const TBuiltInRecord& record)
{
    QString line = record.city;
    if (!record.state.isEmpty())
        line += QStringLiteral(", ") + record.state;
    if (!record.zip.isEmpty())
        line += QStringLiteral(", ") + record.zip;
    return line;
}

QString PhoneLine(const TBuiltInRecord& record)
{
    QString line;
    if (!record.phone.isEmpty())
        line += QStringLiteral("Ph: ") + record.phone + QStringLiteral("  ");
    if (!record.fax.isEmpty())
        line += QStringLiteral("Fax: ") + record.fax + QStringLiteral("  ");
    return line;
}

} // namespace reports
