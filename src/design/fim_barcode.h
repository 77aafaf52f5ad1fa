#pragma once

#include "design/graphic_control.h"

namespace design {

// A Facing Identification Mark for envelopes.
class TGFIMBarCode : public TGGraphicControl {
public:
    explicit TGFIMBarCode(TGDesignOwner& owner);
    QByteArray ClassName() const override { return QByteArrayLiteral("TGFIMBarCode"); }

    TFIMBarCodeType FIMType() const { return fimType_; }
    void SetFIMType(TFIMBarCodeType type) { fimType_ = type; }

    void DefineProperties(TGPropertyList& list) override;

private:
    TFIMBarCodeType fimType_ = TFIMBarCodeType::fimTypeA;
};

} // namespace design
