#include "design/record_values.h"

#include "design/graphic_control.h"

namespace design {

const TGRecordContext& TGRecordBinding::RecordContext() const
{
    // An object not yet placed on a data surface behaves as in design view
    // without a record.
    static const TGRecordContext kNoRecord;
    return context_ ? *context_ : kNoRecord;
}

void BindRecordContext(const std::vector<TGGraphicControl*>& objects, const TGRecordContext* context)
{
    for (TGGraphicControl* object : objects)
        if (auto* binding = dynamic_cast<TGRecordBinding*>(object))
            binding->SetRecordContext(context);
}

} // namespace design
