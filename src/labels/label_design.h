#pragma once

#include "design/file/filer_status.h"
#include "design/model/design_owner.h"
#include "design/model/record_values.h"
#include "design/model/surface_objects.h"
#include "labels/label_objects.h"

#include <QString>

namespace design {
class TGClassSet;
}

namespace labels {

// A layout's design objects read from its design file for one run, without
// a window: they always show the record's values, never the placeholders of
// the designer. Envelope runs read their designs through it too, with the
// classes an envelope surface takes.
class TLabelDesign : public TLabelObjects {
public:
    // Designs are measured in pixels of the screen they were made on.
    explicit TLabelDesign(int pixelsPerInch = 96);
    TLabelDesign(int pixelsPerInch, const design::TGClassSet& classes);

    // Reads the design file in place of any objects read before. A damaged
    // file gives the reader's message and leaves no objects.
    design::TGFilerStatus Load(const QString& path);
    // The record the objects read; none until set.
    void SetRecord(const design::TGRecordSource* record) { context_.Record = record; }
    const design::TGSurfaceObjects& Objects() const { return objects_; }

    void RefreshData() override;
    void PrintObjects(output::TBaseReport& report, double x, double y) override;
    void AdvanceAllCounters() override { objects_.AdvanceAllCounters(); }

private:
    design::TGDesignOwner owner_;
    design::TGSurfaceObjects objects_;
    design::TGRecordContext context_;
};

} // namespace labels
