#include "design/file/read_back_object.h"

#include "design/model/class_set.h"
#include "design/model/graphic_control.h"

namespace design {

TGReadBackObject::TGReadBackObject(const TGGraphicControl& written) : owner_(written.PixelsPerInch())
{
    const TGClassEntry* entry = TGClassSet::AllClasses().Find(written.ClassName());
    if (!entry)
        return;
    object_ = entry->create(owner_);
    object_->SetReading(true);
    // Text that came from a record is never written, so a reader does not
    // expect it back: the object to compare with has none either.
    object_->ClearData();
    object_->DefineProperties(properties_);
}

TGReadBackObject::~TGReadBackObject() = default;

const TGProperty* TGReadBackObject::Find(const TGProperty& property) const
{
    const TGProperty* found = properties_.Find(property.name);
    return found && found->kind == property.kind ? found : nullptr;
}

} // namespace design
