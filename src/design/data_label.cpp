#include "design/data_label.h"

#include "design/property_list.h"

namespace design {

void TGPDLabel::ClearData() { SetCaption(QString()); }

void TGPDLabel::DefineProperties(TGPropertyList& list)
{
    TGBaseLabel::DefineProperties(list);
    list.String("DataFieldName", [this] { return DataFieldName(); }, [this](const QString& v) { SetDataFieldName(v); });
    list.String("DataFieldDescript", [this] { return DataFieldDescript(); },
                [this](const QString& v) { SetDataFieldDescript(v); });
    list.Integer("LengthOfText", [this] { return LengthOfText(); }, [this](std::int32_t v) { SetLengthOfText(v); },
                 std::nullopt);
}

} // namespace design
