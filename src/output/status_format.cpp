#include "output/status_format.h"

namespace output {

static QString expandCode(QChar code, const TStatusContext& context)
{
    if (code == QLatin1Char('%'))
        return QStringLiteral("%");
    if (code.unicode() >= u'0' && code.unicode() <= u'9') {
        const int index = code.unicode() - u'0';
        return index < context.lines.size() ? context.lines.at(index) : QString();
    }
    switch (code.toUpper().unicode()) {
    case 'D': return context.driverName;
    case 'F': return QString::number(context.firstPage);
    case 'L': return QString::number(context.lastPage);
    case 'P': return QString::number(context.currentPage);
    case 'R': return context.printerName;
    case 'T': return context.port;
    default: return QString();
    }
}

QString ExpandStatusFormat(const QString& format, const TStatusContext& context)
{
    QString result;
    result.reserve(format.size() + 16);
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format.at(i) != QLatin1Char('%')) {
            result.append(format.at(i));
            continue;
        }
        if (i + 1 < format.size())
            result.append(expandCode(format.at(i + 1), context));
        ++i;
    }
    return result;
}

} // namespace output
