#pragma once

#include "design/multi_line_label.h"

namespace design {

// The memo field of the current record, bound by the field's display label.
class TGDMultiLineLabel : public TGMultiLineBaseLabel {
public:
    using TGMultiLineBaseLabel::TGMultiLineBaseLabel;
    QByteArray ClassName() const override { return QByteArrayLiteral("TGDMultiLineLabel"); }

    const QString& DataFieldName() const { return dataFieldName_; }
    void SetDataFieldName(const QString& name) { dataFieldName_ = name; }
    const QString& DataFieldDescript() const { return dataFieldDescript_; }
    void SetDataFieldDescript(const QString& descript) { dataFieldDescript_ = descript; }

    // Memo text of a record never goes into a design file.
    void ClearData() override;
    void DefineProperties(TGPropertyList& list) override;

private:
    QString dataFieldName_;
    QString dataFieldDescript_;
};

} // namespace design
