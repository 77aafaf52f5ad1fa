// A new label's address block, and the default font it is made in.
#include "design/model/address_label.h"
#include "design/model/design_owner.h"
#include "design/model/surface_objects.h"
#include "design/model/class_set.h"
#include "labels/label_font_preferences.h"
#include "labels/new_label_design.h"
#include "store/ini_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using design::TGBounds;

namespace {

labels::TLabelGeometry Label(double width, double height)
{
    labels::TLabelGeometry g;
    g.width = width;
    g.height = height;
    return g;
}

} // namespace

TEST(NewLabelDesign, TheAddressBlockCoversTheLabelLessItsMargins)
{
    const struct {
        labels::TLabelGeometry geometry;
        int pixelsPerInch;
        QSize size;
        TGBounds block;
    } cases[] = {
        {Label(2.625, 1.0), 96, {252, 96}, {5, 5, 237, 81}},
        {Label(4.0, 1.333), 96, {384, 128}, {5, 5, 369, 113}},
        {Label(2.625, 1.0), 120, {315, 120}, {5, 5, 300, 105}},
        // 0.5 x 0.3 inch: the block keeps the smallest size a placed object has.
        {Label(0.5, 0.3), 96, {48, 29}, {5, 5, 33, 15}},
    };
    for (const auto& c : cases) {
        const QSize size = labels::LabelSizeInPixels(c.geometry, c.pixelsPerInch);
        EXPECT_EQ(size, c.size);
        design::TGDesignOwner owner(c.pixelsPerInch);
        design::TGSurfaceObjects surface(design::TGClassSet::LabelSurface());
        const labels::TLabelFontPreferences prefs;
        auto* block = labels::AddNewLabelAddressBlock(owner, surface, size, prefs.DesignFont(c.pixelsPerInch));
        ASSERT_EQ(surface.Count(), 1);
        EXPECT_EQ(block->Bounds(), c.block) << c.size.width() << " x " << c.size.height();
        EXPECT_EQ(block->Name(), QStringLiteral("Special1"));
        auto* address = dynamic_cast<design::TGDMultiLineAddressLabel*>(block);
        ASSERT_NE(address, nullptr);
        EXPECT_EQ(address->Font().Name, QStringLiteral("Arial"));
        EXPECT_EQ(address->Font().PointSize(c.pixelsPerInch), 10);
    }
}

TEST(LabelFontPreferences, DefaultsAndWhatIsSavedReadBack)
{
    testing_support::TempDir dir;
    quorvel::TIniFile ini(QString::fromStdString(dir.file("QUORVL.ini")));
    const labels::TLabelFontPreferences defaults = labels::TLabelFontPreferences::Load(ini);
    EXPECT_EQ(defaults.name, QStringLiteral("Arial"));
    EXPECT_EQ(defaults.size, 10);
    EXPECT_FALSE(defaults.bold || defaults.italic);
    labels::TLabelFontPreferences chosen{QStringLiteral("Times New Roman"), 12, true, true};
    ASSERT_TRUE(chosen.Save(ini));
    const labels::TLabelFontPreferences read = labels::TLabelFontPreferences::Load(ini);
    EXPECT_EQ(read.name, chosen.name);
    EXPECT_EQ(read.size, 12);
    EXPECT_TRUE(read.bold && read.italic);
    EXPECT_EQ(ini.readString(QStringLiteral("Label"), QStringLiteral("DefaultFontBold")), QStringLiteral("1"));
    const design::TGFont font = read.DesignFont(96);
    EXPECT_EQ(font.Height, -16);
    EXPECT_TRUE(font.Style.Has(design::TFontStyle::fsBold));
    EXPECT_TRUE(font.Style.Has(design::TFontStyle::fsItalic));
}
