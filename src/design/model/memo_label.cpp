#include "design/model/memo_label.h"

#include "design/model/property_list.h"
#include "design/model/text_metrics.h"

namespace design {

namespace {

QStringList MemoLines(const QString& memo)
{
    QString text = memo;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'));
}

} // namespace

void TGDMultiLineLabel::ShowData()
{
    const TGRecordContext& context = RecordContext();
    std::optional<QString> fieldName;
    if (!dataFieldDescript_.isEmpty() && context.Record)
        fieldName = context.Record->MemoFieldForDisplayLabel(dataFieldDescript_);
    QStringList lines;
    if (fieldName && context.ShowsValues()) {
        const QString memo = context.Record->MemoText(*fieldName);
        if (!memo.isEmpty()) {
            lines = MemoLines(memo);
            if (WordWrap())
                lines = WrapToWidth(lines, design::ScreenFont(Font(), PixelsPerInch(), 1.0f));
        }
    } else if (fieldName) {
        lines.append(QLatin1Char('[') + dataFieldDescript_ + QLatin1Char(']'));
    } else if (!context.Printing) {
        lines.append(QStringLiteral("<undefined memo>"));
    }
    SetItems(lines);
    SetWrappedLines(WordWrap() ? lines : QStringList());
}

void TGDMultiLineLabel::BindField(const QString& fieldName, const QString& displayLabel)
{
    dataFieldName_ = fieldName;
    dataFieldDescript_ = displayLabel;
    Changed();
}

TGMenuItems TGDMultiLineLabel::MenuItems(TGMenuHost& host)
{
    TGMenuItems items = TGMultiLineBaseLabel::MenuItems(host);
    AppendMenuItems(items, {TGMenuItem::Separator(),
                            TGMenuItem::Command(QStringLiteral("Memo Field"),
                                                [this, &host] {
                                                    host.OpenObjectDialog(*this, TGObjectDialog::MemoField);
                                                }),
                            WordWrapItem(host)});
    return items;
}

void TGDMultiLineLabel::Rewrap() { ShowData(); }

void TGDMultiLineLabel::ClearData() { SetItems({}); }

void TGDMultiLineLabel::DefineProperties(TGPropertyList& list)
{
    TGMultiLineBaseLabel::DefineProperties(list);
    list.String("DataFieldName", [this] { return DataFieldName(); }, [this](const QString& v) { SetDataFieldName(v); });
    list.String("DataFieldDescript", [this] { return DataFieldDescript(); },
                [this](const QString& v) { SetDataFieldDescript(v); });
}

} // namespace design
