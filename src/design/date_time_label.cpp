#include "design/date_time_label.h"

#include "design/property_list.h"

namespace design {

void TGDateTimeLabel::DefineProperties(TGPropertyList& list)
{
    TGBaseLabel::DefineProperties(list);
    list.Enumeration<TGDateFormat>("DateFormat", DateFormatType(), [this] { return DateFormat(); },
                                   [this](TGDateFormat v) { SetDateFormat(v); }, std::nullopt);
    list.Enumeration<TGTimeFormat>("TimeFormat", TimeFormatType(), [this] { return TimeFormat(); },
                                   [this](TGTimeFormat v) { SetTimeFormat(v); }, std::nullopt);
}

} // namespace design
