#pragma once

namespace output {
class TBaseReport;
}

namespace labels {

// What a label run does with a layout's design objects for each label:
// read the current record, print at the label's corner, count on. A design
// loaded for the run (TLabelDesign) is one; a designer's surface switched to
// printing can be another.
class TLabelObjects {
public:
    virtual ~TLabelObjects() = default;

    virtual void RefreshData() = 0;
    // Every object at the label whose top-left corner is (x, y) inches.
    virtual void PrintObjects(output::TBaseReport& report, double x, double y) = 0;
    virtual void AdvanceAllCounters() = 0;
};

} // namespace labels
