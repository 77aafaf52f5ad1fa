#include "design/model/date_time_text.h"

namespace design {

QString ComposeDateTime(TGDateFormat dateFormat, TGTimeFormat timeFormat, const QDateTime& moment,
                        const QLocale& locale)
{
    QString caption;
    if (dateFormat == TGDateFormat::dtfDateShort)
        caption = locale.toString(moment.date(), QLocale::ShortFormat);
    else if (dateFormat == TGDateFormat::dtfDateLong)
        caption = locale.toString(moment.date(), QLocale::LongFormat);
    if (timeFormat == TGTimeFormat::dtfTimeShort)
        caption += QLatin1Char(' ') + locale.toString(moment.time(), QLocale::ShortFormat);
    else if (timeFormat == TGTimeFormat::dtfTimeLong)
        caption += QLatin1Char(' ') + locale.toString(moment.time(), QLocale::LongFormat);
    return caption;
}

} // namespace design
