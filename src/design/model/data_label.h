#pragma once

#include "design/model/base_label.h"
#include "design/model/record_values.h"

namespace design {

// One field of the current record, bound by the field's display label.
class TGPDLabel : public TGBaseLabel, public TGRecordBinding {
public:
    using TGBaseLabel::TGBaseLabel;
    QByteArray ClassName() const override { return QByteArrayLiteral("TGPDLabel"); }

    const QString& DataFieldName() const { return dataFieldName_; }
    void SetDataFieldName(const QString& name) { dataFieldName_ = name; }
    const QString& DataFieldDescript() const { return dataFieldDescript_; }
    void SetDataFieldDescript(const QString& descript) { dataFieldDescript_ = descript; }
    // The field chosen in "Select Field": both names at once, as a change
    // of the design.
    void BindField(const QString& fieldName, const QString& displayLabel);
    // Kept and stored, without effect.
    int LengthOfText() const { return lengthOfText_; }
    void SetLengthOfText(int length) { lengthOfText_ = length; }

    // The field's value (trailing blanks removed), or a placeholder on the
    // screen: "[Label]" in design view, "<blank field>" for a blank value,
    // "<undefined field>" when the record has no such field.
    void ShowData() override;
    // Record values never go into a design file.
    void ClearData() override;
    void DefineProperties(TGPropertyList& list) override;
    // Adds "Field".
    TGMenuItems MenuItems(TGMenuHost& host) override;

private:
    QString dataFieldName_;
    QString dataFieldDescript_;
    int lengthOfText_ = 0;
};

} // namespace design
