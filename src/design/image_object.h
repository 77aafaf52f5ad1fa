#pragma once

#include "design/design_picture.h"
#include "design/graphic_control.h"

namespace design {

// A picture. Stretch and AutoSize exclude each other: setting one sets the
// other to its opposite.
class TGImage : public TGGraphicControl {
public:
    explicit TGImage(TGDesignOwner& owner);
    QByteArray ClassName() const override { return QByteArrayLiteral("TGImage"); }

    const TGPicture& Picture() const { return picture_; }
    void SetPicture(const TGPicture& picture) { picture_ = picture; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Stretch() const { return !autoSize_; }
    void SetStretch(bool stretch);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style) { borderStyle_ = style; }

    void DefineProperties(TGPropertyList& list) override;

private:
    TGPicture picture_;
    bool autoSize_ = false;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
};

} // namespace design
