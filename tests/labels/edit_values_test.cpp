// The user-defined layout dialog's values: units that never round through
// what is shown, paper presets, the pitch follow-up and Ok.
#include "labels/label_codes.h"
#include "labels/label_edit_values.h"
#include "labels/label_validation.h"

#include <gtest/gtest.h>

using labels::TLabelEditValues;
using labels::TLabelGeometry;
using labels::TLengthUnit;

namespace {

constexpr auto kWidth = &TLabelGeometry::width;
constexpr auto kHeight = &TLabelGeometry::height;
constexpr auto kHorizPitch = &TLabelGeometry::horizPitch;
constexpr auto kVertPitch = &TLabelGeometry::vertPitch;

int PaperIndex(const char* code)
{
    const auto papers = labels::PaperEntries();
    for (std::size_t i = 0; i < papers.size(); ++i)
        if (papers[i].code == QLatin1String(code))
            return static_cast<int>(i);
    return -1;
}

} // namespace

TEST(LabelEditUnits, MillimetresTypedBecomeInchesWithThreeDecimalsOnOk)
{
    const struct {
        double typedMm;
        double inches;
    } cases[] = {{25.4, 1.0}, {10.0, 0.394}, {66.7, 2.626}, {38.1, 1.5}};
    for (const auto& c : cases) {
        TLabelEditValues values{TLabelGeometry{}};
        values.SetUnit(TLengthUnit::luMillimetres);
        values.Enter(kHeight, c.typedMm);
        values.Enter(kVertPitch, 100.0);
        EXPECT_DOUBLE_EQ(values.Accept().height, c.inches) << c.typedMm << " mm";
    }
}

TEST(LabelEditUnits, SwitchingUnitsBackAndForthChangesNothing)
{
    TLabelGeometry given;
    given.width = 2.625;
    given.horizPitch = 2.75;
    TLabelEditValues values(given);
    EXPECT_EQ(values.ShownDecimals(), 3);
    values.SetUnit(TLengthUnit::luMillimetres);
    EXPECT_EQ(values.ShownDecimals(), 1);
    EXPECT_DOUBLE_EQ(values.Shown(kWidth), 66.7);
    // Passing through the field with what it shows keeps the inches behind it.
    values.Enter(kWidth, 66.7);
    values.SetUnit(TLengthUnit::luInches);
    EXPECT_DOUBLE_EQ(values.Shown(kWidth), 2.625);
    values.SetUnit(TLengthUnit::luMillimetres);
    values.SetUnit(TLengthUnit::luInches);
    EXPECT_DOUBLE_EQ(values.Accept().width, 2.625);
    EXPECT_DOUBLE_EQ(values.Accept().horizPitch, 2.75);
}

TEST(LabelEditUnits, AValueTypedInMillimetresShowsAgainAsTyped)
{
    TLabelEditValues values{TLabelGeometry{}};
    values.SetUnit(TLengthUnit::luMillimetres);
    values.Enter(kHeight, 10.0);
    values.SetUnit(TLengthUnit::luInches);
    EXPECT_DOUBLE_EQ(values.Shown(kHeight), 0.394);
    values.SetUnit(TLengthUnit::luMillimetres);
    EXPECT_DOUBLE_EQ(values.Shown(kHeight), 10.0);
}

TEST(LabelEditPaper, PresetsFillTheSizeAndOtherKeepsIt)
{
    TLabelEditValues values{TLabelGeometry{}};
    values.ChoosePaper(PaperIndex("A4L"));
    EXPECT_DOUBLE_EQ(values.Inches(&TLabelGeometry::sheetWidth), 11.69);
    EXPECT_DOUBLE_EQ(values.Inches(&TLabelGeometry::sheetDepth), 8.27);
    values.SetUnit(TLengthUnit::luMillimetres);
    EXPECT_DOUBLE_EQ(values.Shown(&TLabelGeometry::sheetWidth), 296.9);
    values.ChoosePaper(PaperIndex("USERP"));
    EXPECT_DOUBLE_EQ(values.Inches(&TLabelGeometry::sheetWidth), 11.69);
    EXPECT_EQ(values.Accept().paperSize, QStringLiteral("USERP"));
}

TEST(LabelEditPaper, NoChoiceKeepsThePaperCodeHandedIn)
{
    TLabelGeometry given;
    given.paperSize = QStringLiteral("A5");
    given.shape = QStringLiteral("XX");
    TLabelEditValues values(given);
    EXPECT_EQ(values.PaperIndex(), -1);
    // An unknown shape code preselects the last entry, "Round".
    EXPECT_EQ(values.ShapeIndex(), 2);
    const TLabelGeometry accepted = values.Accept();
    EXPECT_EQ(accepted.paperSize, QStringLiteral("A5"));
    EXPECT_EQ(accepted.shape, QStringLiteral("EL"));
}

TEST(LabelEditPitch, LeavingASizeFieldRaisesASmallerPitch)
{
    TLabelEditValues values{TLabelGeometry{}};
    values.Enter(kWidth, 3.0);
    values.LeaveLabelWidth();
    EXPECT_DOUBLE_EQ(values.Inches(kHorizPitch), 3.0);
    values.Enter(kHeight, 0.5);
    values.LeaveLabelHeight();
    EXPECT_DOUBLE_EQ(values.Inches(kVertPitch), 1.01);
}

TEST(LabelEditOk, ValidLabelKeepsTheDialogOpenWithWhatWasEntered)
{
    TLabelEditValues values{TLabelGeometry{}};
    values.Enter(kHeight, 0.25);
    EXPECT_THROW(values.Accept(), labels::EValid);
    EXPECT_DOUBLE_EQ(values.Inches(kHeight), 0.25);
}
