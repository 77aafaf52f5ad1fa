#include "design/counter_label.h"

#include "design/property_list.h"

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
    ++repeatCount_;
    if (repeatCount_ == repeatEach_) {
        // Wraps like the 32-bit counter it is rather than overflowing.
        currentValue_ = static_cast<int>(static_cast<unsigned>(currentValue_) + 1u);
        repeatCount_ = 0;
    }
}

void TGCounterLabel::ResetCounter()
{
    currentValue_ = startingNumber_;
    repeatCount_ = 0;
}

void TGCounterLabel::Loaded()
{
    TGBaseLabel::Loaded();
    ResetCounter();
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
