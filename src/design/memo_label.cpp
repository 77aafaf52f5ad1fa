#include "design/memo_label.h"

#include "design/property_list.h"

namespace design {

void TGDMultiLineLabel::ClearData() { SetItems({}); }

void TGDMultiLineLabel::DefineProperties(TGPropertyList& list)
{
    TGMultiLineBaseLabel::DefineProperties(list);
    list.String("DataFieldName", [this] { return DataFieldName(); }, [this](const QString& v) { SetDataFieldName(v); });
    list.String("DataFieldDescript", [this] { return DataFieldDescript(); },
                [this](const QString& v) { SetDataFieldDescript(v); });
}

} // namespace design
