#pragma once

#include "labels/label_geometry.h"

namespace labels {

enum class TLengthUnit { luInches, luMillimetres };

inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kInchesPerMillimetre = 0.039370078740157480314;

// What the "User Defined Label Layout" dialog holds behind its fields.
//
// Lengths are held in inches whatever unit is shown, and only a value the
// user types is converted. Switching units therefore never rounds anything:
// inches -> millimetres -> inches shows what it showed before. Inches are
// shown with three decimals, millimetres with one (A4 stocks have pitches
// like 38.1 mm). On Ok every length is rounded to the three decimals a
// layout row keeps.
class TLabelEditValues {
public:
    using TLength = double TLabelGeometry::*;

    // The geometry, paper code and shape code handed in; inches shown, no
    // paper entry chosen, the shape list preselected from the code.
    explicit TLabelEditValues(const TLabelGeometry& geometry);

    TLengthUnit Unit() const { return unit_; }
    void SetUnit(TLengthUnit unit) { unit_ = unit; }
    int ShownDecimals() const;
    // The length in the unit shown, rounded as the field shows it.
    double Shown(TLength length) const;
    // The user typed `shown` (in the unit shown) into a length field. The
    // value the field already showed changes nothing, so that passing
    // through a field keeps the precise value behind it.
    void Enter(TLength length, double shown);
    double Inches(TLength length) const { return held_.*length; }

    void SetAcross(int across) { held_.across = across; }
    void SetDown(int down) { held_.down = down; }

    // Leaving the width (height) field: a pitch smaller than the label
    // becomes the label's size.
    void LeaveLabelWidth();
    void LeaveLabelHeight();

    // Choosing a paper list entry writes its preset size, if it has one.
    void ChoosePaper(int listIndex);
    // -1 until the user chooses one; the code handed in is then kept.
    int PaperIndex() const { return paperIndex_; }
    void ChooseShape(int listIndex) { shapeIndex_ = listIndex; }
    int ShapeIndex() const { return shapeIndex_; }

    // Ok: the geometry in inches, rounded to three decimals, with the
    // chosen paper and shape codes. Throws EValid when ValidLabel refuses
    // it (the dialog then stays open with what was entered).
    TLabelGeometry Accept() const;

private:
    TLabelGeometry held_;
    TLengthUnit unit_ = TLengthUnit::luInches;
    int paperIndex_ = -1;
    int shapeIndex_ = 0;
};

} // namespace labels
