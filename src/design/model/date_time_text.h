#pragma once

#include "design/model/design_enums.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace design {

// The caption of a date/time object: the date in the locale's short or long
// format, then one blank and the time in its short or long format. With no
// date and a time the caption starts with the blank.
QString ComposeDateTime(TGDateFormat dateFormat, TGTimeFormat timeFormat, const QDateTime& moment,
                        const QLocale& locale);

} // namespace design
