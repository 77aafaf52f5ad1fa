#include "design/model/date_time_label.h"

#include "design/model/date_time_text.h"
#include "design/model/property_list.h"

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

TGMenuItems TGDateTimeLabel::MenuItems(TGMenuHost& host)
{
    // The items set the formats by position: none, short, long.
    const auto formatMenu = [this, &host](const char* caption, const char* const (&captions)[3], int current,
                                          void (TGDateTimeLabel::*set)(int)) {
        TGMenuItems choices;
        for (int position = 0; position < 3; ++position)
            choices.push_back(TGMenuItem::Toggle(QString::fromLatin1(captions[position]), position == current,
                                                 [this, &host, set, position] {
                                                     Changed();
                                                     (this->*set)(position);
                                                     host.Repaint();
                                                 }));
        return TGMenuItem::Submenu(QString::fromLatin1(caption), std::move(choices));
    };
    static const char* const kDates[3] = {"No Date", "Windows Short Date", "Windows Long Date"};
    static const char* const kTimes[3] = {"No Time", "Windows Short Time", "Windows Long Time"};
    TGMenuItems items = TGBaseLabel::MenuItems(host);
    AppendMenuItems(items, {TGMenuItem::Separator(),
                            formatMenu("Date Format", kDates, static_cast<int>(dateFormat_),
                                       &TGDateTimeLabel::SetDateFormatAt),
                            formatMenu("Time Format", kTimes, static_cast<int>(timeFormat_),
                                       &TGDateTimeLabel::SetTimeFormatAt)});
    return items;
}

void TGDateTimeLabel::SetDateFormatAt(int position) { dateFormat_ = static_cast<TGDateFormat>(position); }

void TGDateTimeLabel::SetTimeFormatAt(int position) { timeFormat_ = static_cast<TGTimeFormat>(position); }

void TGDateTimeLabel::DefineProperties(TGPropertyList& list)
{
    TGBaseLabel::DefineProperties(list);
    list.Enumeration<TGDateFormat>("DateFormat", DateFormatType(), [this] { return DateFormat(); },
                                   [this](TGDateFormat v) { SetDateFormat(v); }, std::nullopt);
    list.Enumeration<TGTimeFormat>("TimeFormat", TimeFormatType(), [this] { return TimeFormat(); },
                                   [this](TGTimeFormat v) { SetTimeFormat(v); }, std::nullopt);
}

} // namespace design
