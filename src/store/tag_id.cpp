#include "store/tag_id.h"

#include <algorithm>

namespace quorvel {

QString toBase36(quint64 value)
{
    static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QString text;
    for (; value > 0; value /= 36)
        text.prepend(QLatin1Char(digits[value % 36]));
    return text;
}

QString tagIdAt(const QDateTime& moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    const quint64 years = static_cast<quint64>(std::max(0, date.year() - 1995));
    const quint64 stamp = static_cast<quint64>(date.month()) * 100000000ULL + date.day() * 1000000ULL
        + time.hour() * 10000ULL + time.minute() * 100ULL + static_cast<quint64>(time.second());
    return toBase36(years) + toBase36(stamp);
}

QString newTagId(const QDateTime& now, const QString& idInForce)
{
    QDateTime moment = now;
    QString id = tagIdAt(moment);
    while (id == idInForce) {
        moment = moment.addSecs(1);
        id = tagIdAt(moment);
    }
    return id;
}

} // namespace quorvel
