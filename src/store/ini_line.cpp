#include "store/ini_line.h"

namespace quorvel {

namespace {

QString unquoted(QStringView value)
{
    const bool quoted = value.size() >= 2 && value.front() == u'"' && value.back() == u'"';
    return (quoted ? value.sliced(1, value.size() - 2) : value).toString();
}

TIniLine sectionLine(QStringView text)
{
    const qsizetype close = text.indexOf(u']');
    if (close < 0)
        return {TIniLine::Kind::Unreadable, {}, {}};
    return {TIniLine::Kind::Section, text.sliced(1, close - 1).trimmed().toString(), {}};
}

TIniLine keyLine(QStringView text)
{
    const qsizetype equals = text.indexOf(u'=');
    const QStringView key = equals < 0 ? QStringView() : text.first(equals).trimmed();
    if (key.isEmpty())
        return {TIniLine::Kind::Unreadable, {}, {}};
    return {TIniLine::Kind::Key, key.toString(), unquoted(text.sliced(equals + 1).trimmed())};
}

} // namespace

QStringView withoutTerminator(QStringView line)
{
    if (line.endsWith(u'\n'))
        line.chop(1);
    if (line.endsWith(u'\r'))
        line.chop(1);
    return line;
}

TIniLine parseIniLine(QStringView line)
{
    const QStringView text = withoutTerminator(line).trimmed();
    if (text.isEmpty())
        return {};
    if (text.front() == u';')
        return {TIniLine::Kind::Comment, {}, {}};
    if (text.front() == u'[')
        return sectionLine(text);
    return keyLine(text);
}

} // namespace quorvel
