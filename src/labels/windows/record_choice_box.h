#pragma once

#include "labels/label_run_options.h"

#include <QGroupBox>

#include <functional>

class QCheckBox;
class QRadioButton;
class QVBoxLayout;

namespace labels {

// "What to Print" of the print windows: "All records", "Records matching
// filter", "Only current record" and "Start from current record" (the
// controls rbQAll, rbQFilter, rbOnlyThis and StartCurrentCheck). The
// window keeps the choice; the box shows it and tells the window what the
// user clicked.
class TRecordChoiceBox : public QGroupBox {
public:
    explicit TRecordChoiceBox(QWidget* parent);

    void Show(TRecordChoice records, bool startFromCurrent);
    // Without a filter there is nothing to match.
    void SetFilterChoiceEnabled(bool enabled);
    // A window's own option, under the common ones.
    void AddOption(QWidget* option);

    std::function<void(TRecordChoice)> OnChoose;
    std::function<void(bool)> OnStartFromCurrent;

private:
    QRadioButton* rbQAll;
    QRadioButton* rbQFilter;
    QRadioButton* rbOnlyThis;
    QCheckBox* StartCurrentCheck;
    QVBoxLayout* choices_;
};

} // namespace labels
