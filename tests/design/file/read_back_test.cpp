// Values equal to their persistence default on objects that do not start
// at that default (a new text says "Text", a new font is Arial, a shape's
// brush follows its transparency): they are written after all and read back
// as they were, while files without such values keep their bytes.

#include "design_fixtures.h"

#include "design/file/design_reader.h"
#include "design/file/design_writer.h"
#include "design/file/label_object_filer.h"
#include "design/file/property_binding.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/property_list.h"
#include "design/model/surface_objects.h"
#include "design/model/windows1252.h"
#include "support/temp_dir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace design;
using design_test::Encode;

namespace {

struct Assignment {
    const char* property;
    TGStreamValue value;
};

struct ReadBackCase {
    const char* className;
    std::vector<Assignment> assignments; // applied in order, as a reader would
};

TGStreamValue Empty() { return TGStreamValue::String({}); }

const std::vector<ReadBackCase> kCases = {
    {"TGPLabel", {{"Caption", Empty()}}},
    {"TGCounterLabel", {{"Caption", Empty()}}},
    {"TGDateTimeLabel", {{"Caption", Empty()}}},
    {"TGPageNumberLabel", {{"Caption", Empty()}}},
    {"TGSymbolLabel", {{"Caption", Empty()}}},
    {"TGPLabel", {{"Font.Name", Empty()}}},
    {"TGPDLabel", {{"Font.Name", Empty()}}},
    {"TGSymbolLabel", {{"Font.Name", Empty()}}},
    {"TGMultiLineLabel", {{"Font.Name", Empty()}}},
    {"TGDMultiLineLabel", {{"Font.Name", Empty()}}},
    {"TGDMultiLineAddressLabel", {{"Font.Name", Empty()}}},
    // Transparency clears the brush as it is read; a solid brush stored
    // after it must win.
    {"TGLabelShapes", {{"Transparent", TGStreamValue::Boolean(true)}, {"Brush.Style", TGStreamValue::Ident("bsSolid")}}},
    {"Trpshapes", {{"Transparent", TGStreamValue::Boolean(true)}, {"Brush.Style", TGStreamValue::Ident("bsSolid")}}},
};

std::string Shown(const TGProperty& property)
{
    switch (property.kind) {
    case TGPropertyKind::String: return '"' + property.getText().toStdString() + '"';
    case TGPropertyKind::Strings: return property.getLines().join(QLatin1Char('|')).toStdString();
    case TGPropertyKind::Picture: return property.getPicture().HasGraphic() ? "a picture" : "no picture";
    default: return std::to_string(property.getOrdinal());
    }
}

// The assigned properties of the object, "name=value".
std::vector<std::string> Values(TGGraphicControl& object, const std::vector<Assignment>& assignments)
{
    TGPropertyList properties;
    object.DefineProperties(properties);
    std::vector<std::string> values;
    for (const Assignment& assignment : assignments)
        values.push_back(std::string(assignment.property) + '=' + Shown(*properties.Find(assignment.property)));
    return values;
}

TEST(ReadBack, ValuesAtTheirDefaultOnObjectsThatStartElsewhereReadBackUnchanged)
{
    for (const ReadBackCase& c : kCases) {
        std::string description = c.className;
        for (const Assignment& assignment : c.assignments)
            description += std::string(" ") + assignment.property;
        SCOPED_TRACE(description);
        TGDesignOwner owner;
        TGSurfaceObjects surface(TGClassSet::AllClasses());
        TGGraphicControl* object = surface.Add(TGClassSet::AllClasses().Find(c.className)->create(owner));
        object->SetName(QStringLiteral("Component0")); // the name it reads back with
        TGPropertyList properties;
        object->DefineProperties(properties);
        for (const Assignment& assignment : c.assignments)
            ApplyStoredValue(*properties.Find(assignment.property), assignment.value, 0);
        // Saved as the program saves: record text discarded first.
        surface.ClearAllData();
        const QByteArray bytes = Encode(surface);

        TGDesignOwner readerOwner;
        TGSurfaceObjects reread(TGClassSet::AllClasses());
        ASSERT_TRUE(TGLabelObjectFiler().DecodeObjects(bytes, readerOwner, reread));
        ASSERT_EQ(reread.Count(), 1);
        EXPECT_EQ(Values(*reread.At(0), c.assignments), Values(*object, c.assignments));
        reread.ClearAllData();
        EXPECT_EQ(Encode(reread).toHex(' ').toStdString(), bytes.toHex(' ').toStdString());
    }
}

TEST(ReadBack, SavedFieldTextStoresNoCaptionThoughANewFieldSaysText)
{
    TGDesignOwner owner;
    TGSurfaceObjects surface(TGClassSet::AllClasses());
    surface.Add(TGClassSet::AllClasses().Find("TGPDLabel")->create(owner));
    surface.ClearAllData();
    EXPECT_FALSE(Encode(surface).contains("Caption"));
}

QByteArray CorpusFile(const char* name)
{
    QFile file(QString::fromStdString(testing_support::sourceDir() + "/fuzz/corpus/design/" + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Reads the file's objects and saves them again as the program saves
// (record text discarded), each under the name it has in the file.
QByteArray Rewritten(const QByteArray& file)
{
    TGDesignOwner owner;
    TGDesignReader reader(file, owner, false);
    const auto objects = reader.ReadObjectList(TGClassSet::AllClasses());
    std::vector<TGGraphicControl*> list;
    for (const auto& object : objects) {
        object->SetName(QString());
        object->ClearData();
        list.push_back(object.get());
    }
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i]->SetName(fromWindows1252(reader.Records()[i].objectName));
    TGDesignWriter writer;
    writer.WriteObjectList(list);
    return writer.Bytes();
}

TEST(ReadBack, FilesWithoutSuchValuesKeepTheirBytes)
{
    // Written before these values were stored, as the program saves: the
    // text objects took from a record discarded (every_class.L still holds
    // such text, which never reads back the same).
    for (const char* name : {"saved_every_class.L", "static_text_initial.L", "worked_example_line.L", "empty_surface.L"}) {
        SCOPED_TRACE(name);
        const QByteArray file = CorpusFile(name);
        ASSERT_FALSE(file.isEmpty());
        EXPECT_EQ(Rewritten(file).toHex(' ').toStdString(), file.toHex(' ').toStdString());
    }
}

} // namespace
