#include "store/address_display_date.h"

#include <QLocale>

namespace quorvel {

QString programDatePattern() { return QStringLiteral("mm/dd/yyyy"); }

namespace {

// The separator of a pattern: its first character that is not a letter of
// the date, "/" when there is none.
QChar dateSeparator(const QString& pattern)
{
    for (const QChar c : pattern) {
        if (!QStringLiteral("MDY").contains(c))
            return c;
    }
    return u'/';
}

} // namespace

QString displayDateFormat(const QString& shortDatePattern)
{
    QString pattern = (shortDatePattern.isEmpty() ? programDatePattern() : shortDatePattern).toUpper();
    if (pattern.contains(QStringLiteral("YYYY")))
        return pattern.toLower();
    if (pattern.contains(QStringLiteral("YYY")))
        pattern.insert(pattern.indexOf(QStringLiteral("YYY")), u'Y');
    else if (pattern.contains(QStringLiteral("YY")))
        pattern.insert(pattern.indexOf(QStringLiteral("YY")), QStringLiteral("YY"));
    else if (pattern.contains(u'Y'))
        pattern.insert(pattern.indexOf(u'Y'), QStringLiteral("YYY"));
    else
        pattern += dateSeparator(pattern) + QStringLiteral("YYYY");
    return pattern.toLower();
}

QString systemShortDatePattern() { return QLocale::system().dateFormat(QLocale::ShortFormat).toUpper(); }

std::optional<QDate> parseStoredDate(const QString& stored)
{
    if (stored.size() < 8)
        return std::nullopt;
    for (int i = 0; i < 8; ++i) {
        if (!stored.at(i).isDigit() || stored.at(i).unicode() > 127)
            return std::nullopt;
    }
    const QDate date(stored.left(4).toInt(), stored.mid(4, 2).toInt(), stored.mid(6, 2).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString storedDateText(const QDate& date) { return date.toString(QStringLiteral("yyyyMMdd")); }

QString displayDate(const QString& stored, const QString& format)
{
    const std::optional<QDate> date = parseStoredDate(stored);
    if (!date)
        return {};
    // Our format's "m" is the month; Qt's month is "M" ("m" would be minutes).
    QString qtFormat = format;
    qtFormat.replace(u'm', u'M');
    return QLocale::c().toString(*date, qtFormat);
}

} // namespace quorvel
