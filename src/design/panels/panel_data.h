#pragma once

#include "design/model/record_values.h"
#include "design/panels/panel_base.h"

namespace design {

// A surface whose objects show the current record of the open address
// file: labels and envelopes. The designer window gives it the record.
class TGDataPanel : public TGBasePanel {
    Q_OBJECT

public:
    using TGBasePanel::TGBasePanel;

    // True: data objects show the record's values; false: placeholders.
    bool DisplayDataValues() const { return context_.DisplayDataValues; }
    void SetDisplayDataValues(bool display);
    const TGRecordSource* RecordSource() const { return context_.Record; }
    // The record, and whether the address file behind it is open.
    void SetRecordSource(const TGRecordSource* source, bool active = true);
    void SetRecordSourceActive(bool active) { active_ = active; }

    void SetPrinting(bool printing) override;
    // Refreshes the objects when there is an open record to read.
    void RefreshData() override;
    // Refreshes the objects whether or not the file is open.
    void ShowAllData();
    // Objects read or made straight into Objects() (a design file, a new
    // layout's address block) take the surface's zoom and record here, like
    // objects drawn with a tool.
    void AdoptObjects();

protected:
    void HookObject(TGGraphicControl& object) override;

private:
    TGRecordContext context_;
    bool active_ = false;
};

} // namespace design
