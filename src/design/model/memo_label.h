#pragma once

#include "design/model/multi_line_label.h"
#include "design/model/record_values.h"

namespace design {

// The memo field of the current record, bound by the field's display label.
class TGDMultiLineLabel : public TGMultiLineBaseLabel, public TGRecordBinding {
public:
    using TGMultiLineBaseLabel::TGMultiLineBaseLabel;
    QByteArray ClassName() const override { return QByteArrayLiteral("TGDMultiLineLabel"); }

    const QString& DataFieldName() const { return dataFieldName_; }
    void SetDataFieldName(const QString& name) { dataFieldName_ = name; }
    const QString& DataFieldDescript() const { return dataFieldDescript_; }
    void SetDataFieldDescript(const QString& descript) { dataFieldDescript_ = descript; }
    // The memo field chosen in "Select Field", as a change of the design.
    void BindField(const QString& fieldName, const QString& displayLabel);

    QString BlankPlaceholder() const override { return QStringLiteral("<blank memo>"); }
    // The memo's lines (wrapped to the object when word wrap is on), or a
    // placeholder on the screen: "[Label]" in design view, "<undefined memo>"
    // when the record has no such memo field.
    void ShowData() override;
    // The memo is wrapped while it is loaded, so rewrapping loads it again.
    void Rewrap() override;
    // Memo text of a record never goes into a design file.
    void ClearData() override;
    void DefineProperties(TGPropertyList& list) override;
    // Adds "Memo Field" and "Word Wrap".
    TGMenuItems MenuItems(TGMenuHost& host) override;

private:
    QString dataFieldName_;
    QString dataFieldDescript_;
};

} // namespace design
