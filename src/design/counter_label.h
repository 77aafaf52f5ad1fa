#pragma once

#include "design/base_label.h"

namespace design {

// A running number that steps after every RepeatEach printed labels.
class TGCounterLabel : public TGBaseLabel {
public:
    explicit TGCounterLabel(TGDesignOwner& owner);
    QByteArray ClassName() const override { return QByteArrayLiteral("TGCounterLabel"); }

    const QString& TextBefore() const { return textBefore_; }
    void SetTextBefore(const QString& text) { textBefore_ = text; }
    const QString& TextAfter() const { return textAfter_; }
    void SetTextAfter(const QString& text) { textAfter_ = text; }
    int Startingnumber() const { return startingNumber_; }
    // Also resets the counter to the new starting number.
    void SetStartingnumber(int number);
    int RepeatEach() const { return repeatEach_; }
    void SetRepeatEach(int count) { repeatEach_ = count; }
    int LeadingZeros() const { return leadingZeros_; }
    void SetLeadingZeros(int digits) { leadingZeros_ = digits; }

    int CurrentValue() const { return currentValue_; }
    // TextBefore + the current value (padded to LeadingZeros digits) + TextAfter.
    QString ComposedCaption() const;

    void AdvanceCounter() override;
    void ResetCounter() override;
    void Loaded() override;
    void DefineProperties(TGPropertyList& list) override;

private:
    QString textBefore_;
    QString textAfter_;
    int startingNumber_ = 1;
    int repeatEach_ = 1;
    int leadingZeros_ = 0;
    int currentValue_ = 1;
    int repeatCount_ = 0;
};

} // namespace design
