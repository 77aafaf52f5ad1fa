#pragma once

#include "design/model/base_label.h"

namespace design {

// What the "Counter" dialog sets.
struct TCounterSettings {
    int Startingnumber = 1;
    int RepeatEach = 1;
    QString TextBefore;
    QString TextAfter;
    int LeadingZeros = 0;
};

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

    // The dialog's confirmed settings: the counter restarts, and a
    // horizontal counter is sized afresh to its caption.
    void ApplySettings(const TCounterSettings& settings);
    TCounterSettings Settings() const;

    void AdvanceCounter() override;
    void Paint(QPainter& painter) override;
    void PrintTo(output::TBaseReport& report, double xOffset, double yOffset) override;
    void ResetCounter() override;
    void Loaded() override;
    void DefineProperties(TGPropertyList& list) override;
    // Adds "Counter Settings" and "Rotation".
    TGMenuItems MenuItems(TGMenuHost& host) override;

private:
    void RestartCount();

    QString textBefore_;
    QString textAfter_;
    int startingNumber_ = 1;
    int repeatEach_ = 1;
    int leadingZeros_ = 0;
    int currentValue_ = 1;
    int repeatCount_ = 0;
};

} // namespace design
