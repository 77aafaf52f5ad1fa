#include "design/model/counter_label.h"

#include "design/model/property_list.h"

#include <algorithm>
#include <cstdlib>

namespace design {

namespace {

// A design file may ask for any number of leading zeros; padding is capped so
// that a damaged value cannot make a caption of gigabytes.
constexpr int kMaxPaddedDigits = 255;

} // namespace

TGCounterLabel::TGCounterLabel(TGDesignOwner& owner) : TGBaseLabel(owner) {}

void TGCounterLabel::SetStartingnumber(int number)
{
    startingNumber_ = number;
    ResetCounter();
}

QString TGCounterLabel::ComposedCaption() const
{
    QString number = QString::number(currentValue_);
    if (leadingZeros_ > 0) {
        // The sign goes in front of the padded digits.
        const qint64 magnitude = std::llabs(static_cast<qint64>(currentValue_));
        number = QStringLiteral("%1").arg(magnitude, std::min(leadingZeros_, kMaxPaddedDigits), 10, QLatin1Char('0'));
        if (currentValue_ < 0)
            number.prepend(QLatin1Char('-'));
    }
    return textBefore_ + number + textAfter_;
}

void TGCounterLabel::AdvanceCounter()
{
    // A design file may hold no repeat at all; such a counter never steps
    // (and the count must not run over).
    if (repeatEach_ <= 0)
        return;
    ++repeatCount_;
    if (repeatCount_ == repeatEach_) {
        // Wraps like the 32-bit counter it is rather than overflowing.
        currentValue_ = static_cast<int>(static_cast<unsigned>(currentValue_) + 1u);
        repeatCount_ = 0;
        SetCaptionQuietly(ComposedCaption());
    }
}

void TGCounterLabel::ApplySettings(const TCounterSettings& settings)
{
    SetStartingnumber(settings.Startingnumber);
    repeatEach_ = settings.RepeatEach;
    textBefore_ = settings.TextBefore;
    textAfter_ = settings.TextAfter;
    leadingZeros_ = settings.LeadingZeros;
    SetCaptionQuietly(textBefore_ + QString::number(currentValue_) + textAfter_);
    if (Angle() == 0) {
        SetWidth(10);
        GrowToFit();
    }
    Changed();
}

TGMenuItems TGCounterLabel::MenuItems(TGMenuHost& host)
{
    TGMenuItems items = TGBaseLabel::MenuItems(host);
    AppendMenuItems(items, {TGMenuItem::Separator(),
                            TGMenuItem::Command(QStringLiteral("Counter Settings"),
                                                [this, &host] {
                                                    if (host.OpenObjectDialog(*this, TGObjectDialog::Counter))
                                                        host.Repaint();
                                                }),
                            TGMenuItem::Separator(), RotationMenu()});
    return items;
}

TCounterSettings TGCounterLabel::Settings() const
{
    return {startingNumber_, repeatEach_, textBefore_, textAfter_, leadingZeros_};
}

void TGCounterLabel::Paint(QPainter& painter)
{
    SetCaptionQuietly(ComposedCaption());
    TGBaseLabel::Paint(painter);
}

// The caption is composed after every step already; composing once more
// covers a caption the dialog left unpadded.
void TGCounterLabel::PrintTo(output::TBaseReport& report, double xOffset, double yOffset)
{
    SetCaptionQuietly(ComposedCaption());
    TGBaseLabel::PrintTo(report, xOffset, yOffset);
}

void TGCounterLabel::ResetCounter()
{
    RestartCount();
    // A counter being read keeps the caption of its file, so that a design
    // copies byte for byte; it is composed when drawn.
    if (!IsReading())
        SetCaptionQuietly(ComposedCaption());
}

void TGCounterLabel::RestartCount()
{
    currentValue_ = startingNumber_;
    repeatCount_ = 0;
}

void TGCounterLabel::Loaded()
{
    TGBaseLabel::Loaded();
    RestartCount();
}

void TGCounterLabel::DefineProperties(TGPropertyList& list)
{
    TGBaseLabel::DefineProperties(list);
    list.String("TextBefore", [this] { return TextBefore(); }, [this](const QString& v) { SetTextBefore(v); });
    list.String("TextAfter", [this] { return TextAfter(); }, [this](const QString& v) { SetTextAfter(v); });
    list.Integer("Startingnumber", [this] { return Startingnumber(); },
                 [this](std::int32_t v) { SetStartingnumber(v); }, std::nullopt);
    list.Integer("RepeatEach", [this] { return RepeatEach(); }, [this](std::int32_t v) { SetRepeatEach(v); },
                 std::nullopt);
    list.Integer("LeadingZeros", [this] { return LeadingZeros(); }, [this](std::int32_t v) { SetLeadingZeros(v); },
                 std::nullopt);
}

} // namespace design
