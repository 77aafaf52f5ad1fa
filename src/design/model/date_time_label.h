#pragma once

#include "design/model/base_label.h"

#include <QDateTime>

namespace design {

// The current date and/or time in the user's formats; the caption is
// composed when the object is drawn.
class TGDateTimeLabel : public TGBaseLabel {
public:
    using TGBaseLabel::TGBaseLabel;
    QByteArray ClassName() const override { return QByteArrayLiteral("TGDateTimeLabel"); }

    TGDateFormat DateFormat() const { return dateFormat_; }
    void SetDateFormat(TGDateFormat format) { dateFormat_ = format; }
    TGTimeFormat TimeFormat() const { return timeFormat_; }
    void SetTimeFormat(TGTimeFormat format) { timeFormat_ = format; }

    // The caption for this moment in the user's formats.
    void ComposeCaption(const QDateTime& moment);

    void Paint(QPainter& painter) override;
    void PrintTo(output::TBaseReport& report, double xOffset, double yOffset) override;
    void DefineProperties(TGPropertyList& list) override;
    // Adds "Date Format" and "Time Format", the current ones checked.
    TGMenuItems MenuItems(TGMenuHost& host) override;

private:
    void SetDateFormatAt(int position);
    void SetTimeFormatAt(int position);

    TGDateFormat dateFormat_ = TGDateFormat::dtfDateShort;
    TGTimeFormat timeFormat_ = TGTimeFormat::dtfTimeNone;
};

} // namespace design
