#include "design/date_time_label.h"

#include "design/date_time_text.h"
#include "design/property_list.h"

namespace design {

void TGDateTimeLabel::ComposeCaption(const QDateTime& moment)
{
    SetCaptionQuietly(ComposeDateTime(dateFormat_, timeFormat_, moment, QLocale::system()));
}

void TGDateTimeLabel::Paint(QPainter& painter)
{
    ComposeCaption(QDateTime::currentDateTime());
    TGBaseLabel::Paint(painter);
}

// A printed date is the date of the moment it is printed.
void TGDateTimeLabel::PrintTo(output::TBaseReport& report, double xOffset, double yOffset)
{
    ComposeCaption(QDateTime::currentDateTime());
    TGBaseLabel::PrintTo(report, xOffset, yOffset);
}

void TGDateTimeLabel::DefineProperties(TGPropertyList& list)
{
    TGBaseLabel::DefineProperties(list);
    list.Enumeration<TGDateFormat>("DateFormat", DateFormatType(), [this] { return DateFormat(); },
                                   [this](TGDateFormat v) { SetDateFormat(v); }, std::nullopt);
    list.Enumeration<TGTimeFormat>("TimeFormat", TimeFormatType(), [this] { return TimeFormat(); },
                                   [this](TGTimeFormat v) { SetTimeFormat(v); }, std::nullopt);
}

} // namespace design
