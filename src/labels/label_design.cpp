#include "labels/label_design.h"

#include "design/file/label_object_filer.h"
#include "design/model/class_set.h"

namespace labels {

TLabelDesign::TLabelDesign(int pixelsPerInch) : TLabelDesign(pixelsPerInch, design::TGClassSet::LabelSurface()) {}

TLabelDesign::TLabelDesign(int pixelsPerInch, const design::TGClassSet& classes)
    : owner_(pixelsPerInch), objects_(classes)
{
    context_.Printing = true;
}

design::TGFilerStatus TLabelDesign::Load(const QString& path)
{
    objects_.Clear();
    const design::TGFilerStatus status = design::TGLabelObjectFiler().LoadSurface(owner_, objects_, path);
    design::BindRecordContext(objects_.Objects(), &context_);
    return status;
}

void TLabelDesign::RefreshData()
{
    if (context_.Record)
        objects_.ShowAllData();
}

void TLabelDesign::PrintObjects(output::TBaseReport& report, double x, double y)
{
    objects_.PrintObjects(report, x, y);
}

} // namespace labels
