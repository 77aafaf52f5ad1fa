// Every class written, read back and written again gives the same bytes.

#include "design_fixtures.h"

#include "design/file/design_reader.h"
#include "design/file/label_object_filer.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/graphic_control.h"
#include "design/model/surface_objects.h"

#include <gtest/gtest.h>

#include <QByteArrayList>

#include <algorithm>
#include <map>
#include <string>

using namespace design;
using design_test::Encode;

namespace {

// Per record "Class: Property,Property,..." in file order.
std::vector<std::string> StoredNames(const QByteArray& file)
{
    TGDesignOwner owner;
    TGDesignReader reader(file, owner, false);
    reader.ReadObjectList(TGClassSet::AllClasses());
    std::vector<std::string> result;
    for (const TGStoredRecord& record : reader.Records()) {
        QByteArrayList names;
        for (const auto& property : record.properties)
            names << property.first;
        result.push_back((record.className + ": " + names.join(',')).toStdString());
    }
    return result;
}

std::string Describe(const QByteArray& className, const std::vector<QByteArray>& names)
{
    QByteArrayList list(names.begin(), names.end());
    return (className + ": " + list.join(',')).toStdString();
}

TEST(RoundTrip, EveryClassAwayFromItsDefaultsWritesTheSameBytesAgain)
{
    TGDesignOwner owner;
    TGSurfaceObjects surface(TGClassSet::AllClasses());
    design_test::AddEveryClass(owner, surface);
    const QByteArray first = Encode(surface);

    TGSurfaceObjects reread(TGClassSet::AllClasses());
    const TGFilerStatus status = TGLabelObjectFiler().DecodeObjects(first, owner, reread);
    ASSERT_TRUE(status) << status.Message().toStdString() << " at " << status.Offset();
    ASSERT_EQ(reread.Count(), surface.Count());
    // The copies carry new names; give them the originals' to compare bytes.
    for (int i = 0; i < surface.Count(); ++i) {
        EXPECT_EQ(reread.At(i)->ClassName(), surface.At(i)->ClassName());
        const QString name = surface.At(i)->Name();
        surface.At(i)->SetName(QString());
        reread.At(i)->SetName(name);
    }
    EXPECT_EQ(Encode(reread).toHex(' '), first.toHex(' '));
}

const std::vector<QByteArray> kBase = {"Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint", "Locked",
                                       "Unselectable"};
const std::vector<QByteArray> kFont = {"Font.Color", "Font.Height", "Font.Name", "Font.Pitch", "Font.Style"};

std::vector<QByteArray> Join(std::initializer_list<std::vector<QByteArray>> parts)
{
    std::vector<QByteArray> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(RoundTrip, PropertiesAreStoredInTheOrderOfTheirClass)
{
    const auto allOfLabel = Join({kBase,
                                  {"Alignment", "DepthHighlight", "DepthShadow", "DirectionHighlight",
                                   "DirectionShadow", "colorHighlight", "colorShadow", "Angle", "Caption"},
                                  kFont,
                                  {"Transparent", "BackColor", "BorderStyle"}});
    const auto without = [](std::vector<QByteArray> names, const QByteArray& name) {
        names.erase(std::find(names.begin(), names.end(), name));
        return names;
    };
    // Unturned text stores no Angle; turned text is always left aligned.
    const auto label = without(allOfLabel, "Angle");
    const auto rotated = without(allOfLabel, "Alignment");
    const auto multiLine = Join({kBase, {"Items.Strings", "AutoSize", "Alignment"}, kFont, {"WordWrap"}});
    const auto shapes = Join({kBase, {"Transparent", "Brush.Color", "Brush.Style", "Pen.Color", "Pen.Mode",
                                      "Pen.Style", "Pen.Width", "RoundPerc", "Shape"}});
    const auto image = Join({kBase, {"AutoSize", "BorderStyle", "Picture.Data", "Stretch"}});
    const std::vector<std::pair<QByteArray, std::vector<QByteArray>>> records = {
        {"TGPLabel", label},
        {"TGPLabel", rotated},
        {"TGPDLabel", Join({label, {"DataFieldName", "DataFieldDescript", "LengthOfText"}})},
        {"TGCounterLabel", Join({label, {"TextBefore", "TextAfter", "Startingnumber", "RepeatEach", "LeadingZeros"}})},
        {"TGSymbolLabel", label},
        {"TGDateTimeLabel", Join({label, {"DateFormat", "TimeFormat"}})},
        {"TGPageNumberLabel", label},
        {"TGMultiLineLabel", multiLine},
        {"TGDMultiLineLabel", Join({multiLine, {"DataFieldName", "DataFieldDescript"}})},
        {"TGDMultiLineAddressLabel",
         Join({multiLine, {"UseName", "UseTitle", "UseCompany", "UseStreet", "UseStreet2", "UseCityState", "UseZip",
                           "UsePhone", "UseCountry", "ZipOptions", "UpperCase"}})},
        {"TGPostNetBarCode", Join({kBase, {"ZipCodeField", "AddressField", "BarCodeType"}})},
        {"TGFIMBarCode", Join({kBase, {"FIMType"}})},
        {"TGImage", image},
        {"TGImage", image},
        {"TGImage", image},
        {"TGImage", image},
        {"TGLabelShapes", shapes},
        {"Trpshapes", shapes},
        {"TGLineShape", Join({kBase, {"LineStyle", "Pen.Color", "Pen.Mode", "Pen.Style", "Pen.Width"}})},
    };

    std::vector<std::string> expected;
    for (const auto& [className, names] : records)
        expected.push_back(Describe(className, names));

    TGDesignOwner owner;
    TGSurfaceObjects surface(TGClassSet::AllClasses());
    design_test::AddEveryClass(owner, surface);
    const std::vector<std::string> stored = StoredNames(Encode(surface));
    ASSERT_EQ(stored.size(), expected.size());
    for (std::size_t i = 0; i < stored.size(); ++i)
        EXPECT_EQ(stored[i], expected[i]);
}

TEST(RoundTrip, NewObjectsStoreOnlyWhatIsAlwaysStoredOrAwayFromDefault)
{
    TGDesignOwner owner;
    const TGClassSet& classes = TGClassSet::AllClasses();
    TGSurfaceObjects surface(classes);
    for (const TGClassEntry& entry : classes.Entries())
        surface.Add(entry.create(owner));
    const std::vector<QByteArray> geometry = {"Left", "Top", "Width", "Height", "Locked", "Unselectable"};
    const auto label = Join({geometry, {"Caption"}, {"Font.Color", "Font.Height", "Font.Name", "Font.Style"},
                             {"Transparent", "BackColor", "BorderStyle"}});
    const auto multiLine =
        Join({geometry, {"AutoSize", "Font.Color", "Font.Height", "Font.Name", "Font.Style"}});
    const std::map<QByteArray, std::vector<QByteArray>> expected = {
        {"TGPLabel", label},
        {"TGPDLabel", Join({label, {"LengthOfText"}})},
        {"TGCounterLabel", Join({label, {"Startingnumber", "RepeatEach", "LeadingZeros"}})},
        {"TGSymbolLabel", label},
        {"TGDateTimeLabel", Join({label, {"DateFormat", "TimeFormat"}})},
        {"TGPageNumberLabel", label},
        {"TGMultiLineLabel", multiLine},
        {"TGDMultiLineLabel", multiLine},
        {"TGDMultiLineAddressLabel",
         Join({multiLine, {"UseName", "UseTitle", "UseCompany", "UseStreet", "UseStreet2", "UseCityState", "UseZip",
                           "UsePhone", "UseCountry", "ZipOptions", "UpperCase"}})},
        {"TGPostNetBarCode", Join({geometry, {"BarCodeType"}})},
        {"TGFIMBarCode", Join({geometry, {"FIMType"}})},
        {"TGImage", Join({geometry, {"BorderStyle"}})},
        {"TGLabelShapes", Join({geometry, {"Transparent"}})},
        {"Trpshapes", Join({geometry, {"Transparent"}})},
        {"TGLineShape", geometry},
    };
    const std::vector<std::string> stored = StoredNames(Encode(surface));
    ASSERT_EQ(stored.size(), classes.Entries().size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const QByteArray className = classes.Entries()[i].name;
        EXPECT_EQ(stored[i], Describe(className, expected.at(className)));
    }
}

} // namespace
