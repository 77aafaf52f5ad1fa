#include "design/model/data_label.h"

#include "design/model/property_list.h"

namespace design {

void TGPDLabel::ShowData()
{
    const TGRecordContext& context = RecordContext();
    std::optional<QString> fieldName;
    if (!dataFieldDescript_.isEmpty() && context.Record)
        fieldName = context.Record->FieldNameForDisplayLabel(dataFieldDescript_);
    QString caption = Caption();
    if (fieldName) {
        if (context.ShowsValues()) {
            caption = context.Record->FieldText(*fieldName).value_or(QString());
            if (TrimBlanks(caption).isEmpty() && !context.Printing)
                caption = QStringLiteral("<blank field>");
        } else {
            caption = QLatin1Char('[') + dataFieldDescript_ + QLatin1Char(']');
        }
    } else if (!context.Printing) {
        caption = QStringLiteral("<undefined field>");
    }
    SetCaptionQuietly(TrimTrailingBlanks(caption));
    MarkLayoutNeeded();
}

void TGPDLabel::BindField(const QString& fieldName, const QString& displayLabel)
{
    dataFieldName_ = fieldName;
    dataFieldDescript_ = displayLabel;
    Changed();
}

TGMenuItems TGPDLabel::MenuItems(TGMenuHost& host)
{
    TGMenuItems items = TGBaseLabel::MenuItems(host);
    AppendMenuItems(items, {TGMenuItem::Separator(), TGMenuItem::Command(QStringLiteral("Field"), [this, &host] {
                                host.OpenObjectDialog(*this, TGObjectDialog::DataField);
                            })});
    return items;
}

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
