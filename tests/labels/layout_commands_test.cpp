// New, Modify's Save, Delete and Clone on a real LABEL.DBF and sysdata
// folder: rows and design files stay in step, and only plain BIN#####.L
// names in the folder are ever touched.
#include "design/file/label_object_filer.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/graphic_control.h"
#include "design/model/surface_objects.h"
#include "labels/label_design_files.h"
#include "labels/label_fixture.h"
#include "labels/label_layout_commands.h"
#include "labels/label_layout_table.h"
#include "labels/new_label_design.h"

#include <QDir>
#include <QFile>

#include <fstream>

using labels::TLabelLayout;
using labels::TLayoutSave;
using labels_tests::ExpectOk;

namespace {

class LayoutCommands : public labels_tests::LabelFolder {
protected:
    void SetUp() override
    {
        ExpectOk(labels::OpenLabelLayoutTable(dataset, Sysdata()));
        labels::AddNewLabelAddressBlock(owner, objects, QSize(252, 96), design::TGFont{});
    }

    labels::TDesignWriter Writer()
    {
        return [this](const QString& path) { return design::TGLabelObjectFiler().SaveSurface(objects, path); };
    }

    // A layout saved as New saves it, with a fresh design file.
    TLabelLayout SaveNew(const QString& description)
    {
        TLabelLayout layout = labels::NewLabelLayout();
        layout.description = description;
        ExpectOk(labels::ReserveLabelDesignName(Sysdata(), &layout.designFile));
        ExpectOk(labels::SaveLabelLayout(dataset, Sysdata(), layout, TLayoutSave::lsNew, Writer()));
        return layout;
    }

    // A row as a table copied from elsewhere could have it.
    void AppendRowNaming(const QString& description, const QString& designFile)
    {
        ASSERT_TRUE(dataset.Insert());
        ASSERT_TRUE(dataset.SetFieldAsString(u"DESCRIPT", description));
        ASSERT_TRUE(dataset.SetFieldAsString(u"NBRACROSS", QStringLiteral("3")));
        ASSERT_TRUE(dataset.SetFieldAsString(u"NBRDOWN", QStringLiteral("10")));
        ASSERT_TRUE(dataset.SetFieldAsString(u"BINARY", designFile));
        ASSERT_TRUE(dataset.Post()) << dataset.lastError().toStdString();
    }

    // The rows as "DESCRIPT=BINARY", in description order.
    QStringList Rows()
    {
        QStringList rows;
        labels::VisitRows(dataset, [&] {
            rows << dataset.FieldAsString(u"DESCRIPT") + u'=' + dataset.FieldAsString(u"BINARY");
            return true;
        });
        return rows;
    }

    QByteArray Bytes(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    design::TGDesignOwner owner;
    design::TGSurfaceObjects objects{design::TGClassSet::LabelSurface()};
};

} // namespace

TEST_F(LayoutCommands, NewWritesTheRowAndItsDesignFile)
{
    const TLabelLayout saved = SaveNew(QStringLiteral("Office"));
    EXPECT_EQ(saved.designFile, QStringLiteral("BIN00001.L"));
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Office=BIN00001.L")});
    ASSERT_TRUE(labels::FindLabelLayout(dataset, QStringLiteral("OFFICE")));
    const labels::TLayoutRead read = labels::ReadCurrentLayout(dataset);
    ASSERT_TRUE(read.layout) << read.message.toStdString();
    EXPECT_EQ(read.layout->stock.templateDescription, QStringLiteral("Avery 5160  Address"));
    EXPECT_DOUBLE_EQ(read.layout->stock.geometry.horizPitch, 2.765);
    EXPECT_EQ(dataset.FieldAsString(u"LBLHEIGHT"), QStringLiteral("1.000"));

    design::TGDesignOwner readOwner;
    design::TGSurfaceObjects read_back(design::TGClassSet::LabelSurface());
    const labels::TLabelDesignLoad load = labels::LoadLabelDesign(Sysdata(), saved.designFile, readOwner, read_back);
    EXPECT_TRUE(load.found);
    EXPECT_TRUE(load.status.IsOk());
    ASSERT_EQ(read_back.Count(), 1);
    EXPECT_EQ(read_back.At(0)->ClassName(), QByteArray("TGDMultiLineAddressLabel"));
}

TEST_F(LayoutCommands, ModifyKeepsFiftyCharactersAndStoredLengths)
{
    TLabelLayout layout = SaveNew(QStringLiteral("Office"));
    ASSERT_TRUE(labels::FindLabelLayout(dataset, QStringLiteral("Office")));
    layout.description = QString(60, QLatin1Char('m'));
    layout.stock.geometry.vertPitch = 1.0 / 3.0 + 1.0;
    ExpectOk(labels::SaveLabelLayout(dataset, Sysdata(), layout, TLayoutSave::lsExisting, Writer()));
    EXPECT_EQ(layout.description, QString(50, QLatin1Char('m')));
    EXPECT_DOUBLE_EQ(layout.stock.geometry.vertPitch, 1.333);
    EXPECT_EQ(Rows(), QStringList{QString(50, QLatin1Char('m')) + QStringLiteral("=BIN00001.L")});
}

TEST_F(LayoutCommands, ADesignFileThatCannotBeWrittenLeavesNoRowNamingIt)
{
    // A folder where the file should go: it cannot be written, yet the name
    // is the first one free for files.
    QDir().mkpath(PathOf("BIN00001.L"));
    TLabelLayout layout = labels::NewLabelLayout();
    ExpectOk(labels::ReserveLabelDesignName(Sysdata(), &layout.designFile));
    ASSERT_EQ(layout.designFile, QStringLiteral("BIN00001.L"));
    const quorvel::TTableResult saved = labels::SaveLabelLayout(dataset, Sysdata(), layout, TLayoutSave::lsNew, Writer());
    EXPECT_FALSE(saved.ok);
    ASSERT_EQ(saved.messages.size(), 1);
    EXPECT_TRUE(saved.messages[0].startsWith(QStringLiteral("The label layout could not be saved: ")));
    EXPECT_TRUE(Rows().isEmpty());

    // Modify: the row keeps what it had.
    QDir(PathOf("BIN00001.L")).removeRecursively();
    TLabelLayout kept = SaveNew(QStringLiteral("Kept"));
    ASSERT_TRUE(labels::FindLabelLayout(dataset, QStringLiteral("Kept")));
    kept.description = QStringLiteral("Changed");
    const auto failing = [](const QString&) { return design::TGFilerStatus::Error(QStringLiteral("disk full")); };
    EXPECT_FALSE(labels::SaveLabelLayout(dataset, Sysdata(), kept, TLayoutSave::lsExisting, failing).ok);
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Kept=BIN00001.L")});
}

TEST_F(LayoutCommands, AGeometryTheTableWouldRefuseIsNotSaved)
{
    TLabelLayout layout = labels::NewLabelLayout();
    layout.description = QStringLiteral("Wide");
    layout.stock.geometry.across = 12;
    const quorvel::TTableResult saved = labels::SaveLabelLayout(dataset, Sysdata(), layout, TLayoutSave::lsNew, Writer());
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.messages.join(QString()).contains(QStringLiteral("(NBRACROSS)")));
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_FALSE(Exists(QStringLiteral("BIN00001.L")));
}

TEST_F(LayoutCommands, OnlyPlainNamesInSysdataAreTouched)
{
    const struct {
        const char* name;
        bool plain;
    } names[] = {{"../outside.L", false}, {"sub/BIN00001.L", false}, {"BIN1.L", false},   {"BIN00001.LX", false},
                 {"/tmp/BIN00001.L", false}, {"BIN00001.R", false},   {"bin00001.l", true}, {"BIN99999.L", true}};
    for (const auto& n : names)
        EXPECT_EQ(labels::IsPlainLabelDesignName(QString::fromLatin1(n.name)), n.plain) << n.name;

    // Files a foreign row could reach: beside sysdata, and in a folder in it.
    const QString outside = QString::fromStdString(dir.file("o.L"));
    QFile(outside).open(QIODevice::WriteOnly);
    QDir().mkpath(PathOf("s"));
    WriteFile(QStringLiteral("s/BIN00001.L"), "keep");
    for (const QString& name : {QStringLiteral("../o.L"), QStringLiteral("..\\o.L"), QStringLiteral("s/BIN00001.L")}) {
        AppendRowNaming(QStringLiteral("Foreign"), name);
        ASSERT_TRUE(labels::FindLabelLayout(dataset, QStringLiteral("Foreign")));
        design::TGDesignOwner readOwner;
        design::TGSurfaceObjects none(design::TGClassSet::LabelSurface());
        EXPECT_FALSE(labels::LoadLabelDesign(Sysdata(), name, readOwner, none).found) << name.toStdString();
        const quorvel::TTableResult cloned = labels::CloneLabelLayout(dataset, Sysdata());
        EXPECT_EQ(cloned.messages,
                  QStringList{QStringLiteral("Label definition file has been removed from the sysdata directory")});
        // Modify's Save gives the layout a file of its own in sysdata.
        TLabelLayout layout = *labels::ReadCurrentLayout(dataset).layout;
        ExpectOk(labels::SaveLabelLayout(dataset, Sysdata(), layout, TLayoutSave::lsExisting, Writer()));
        EXPECT_EQ(layout.designFile, QStringLiteral("BIN00001.L"));
        ASSERT_TRUE(labels::FindLabelLayout(dataset, QStringLiteral("Foreign")));
        ASSERT_TRUE(dataset.Edit());
        ASSERT_TRUE(dataset.SetFieldAsString(u"BINARY", name));
        ASSERT_TRUE(dataset.Post());
        // Delete removes the row only.
        ExpectOk(labels::DeleteLabelLayout(dataset, Sysdata()));
        EXPECT_TRUE(Rows().isEmpty());
        ASSERT_TRUE(QFile::remove(PathOf("BIN00001.L")));
    }
    EXPECT_TRUE(QFile::exists(outside));
    EXPECT_EQ(Bytes(PathOf("s/BIN00001.L")), QByteArray("keep"));
}

TEST_F(LayoutCommands, DeleteRemovesTheRowAndItsFile)
{
    SaveNew(QStringLiteral("Office"));
    SaveNew(QStringLiteral("Home"));
    ASSERT_TRUE(labels::FindLabelLayout(dataset, QStringLiteral("Office")));
    EXPECT_EQ(labels::DeleteQuestion(*labels::ReadCurrentLayout(dataset).layout), QStringLiteral("Delete \"Office\"?"));
    ExpectOk(labels::DeleteLabelLayout(dataset, Sysdata()));
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Home=BIN00002.L")});
    EXPECT_FALSE(Exists(QStringLiteral("BIN00001.L")));
    EXPECT_TRUE(Exists(QStringLiteral("BIN00002.L")));
    // A row whose file is already gone still goes.
    ASSERT_TRUE(QFile::remove(PathOf("BIN00002.L")));
    ASSERT_TRUE(labels::FindLabelLayout(dataset, QStringLiteral("Home")));
    ExpectOk(labels::DeleteLabelLayout(dataset, Sysdata()));
    EXPECT_TRUE(Rows().isEmpty());
}

TEST_F(LayoutCommands, CloningTwiceGivesTwoRowsWithFilesOfTheirOwn)
{
    SaveNew(QStringLiteral("Office"));
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(labels::FindLabelLayout(dataset, QStringLiteral("Office")));
        EXPECT_EQ(labels::CloneQuestion(*labels::ReadCurrentLayout(dataset).layout), QStringLiteral("Clone \"Office\"?"));
        ExpectOk(labels::CloneLabelLayout(dataset, Sysdata()));
    }
    EXPECT_EQ(Rows(), (QStringList{QStringLiteral("Clone of :Office=BIN00002.L"),
                                   QStringLiteral("Clone of :Office=BIN00003.L"), QStringLiteral("Office=BIN00001.L")}));
    // Each clone holds the objects of the original (read and written
    // again, so under the names reading gave them).
    EXPECT_FALSE(Bytes(PathOf("BIN00002.L")).isEmpty());
    EXPECT_EQ(Bytes(PathOf("BIN00002.L")), Bytes(PathOf("BIN00003.L")));
    design::TGDesignOwner readOwner;
    design::TGSurfaceObjects clone(design::TGClassSet::LabelSurface());
    ASSERT_TRUE(labels::LoadLabelDesign(Sysdata(), QStringLiteral("BIN00003.L"), readOwner, clone).status.IsOk());
    ASSERT_EQ(clone.Count(), 1);
    EXPECT_EQ(clone.At(0)->Bounds(), objects.At(0)->Bounds());
}

TEST_F(LayoutCommands, ACloneOfALongNameIsCutToFifty)
{
    SaveNew(QString(50, QLatin1Char('n')));
    ASSERT_TRUE(labels::FindLabelLayout(dataset, QString(50, QLatin1Char('n'))));
    ExpectOk(labels::CloneLabelLayout(dataset, Sysdata()));
    EXPECT_TRUE(labels::FindLabelLayout(dataset, (QStringLiteral("Clone of :") + QString(40, QLatin1Char('n')))));
}

TEST_F(LayoutCommands, ADamagedOrMissingDesignIsNotCloned)
{
    SaveNew(QStringLiteral("Office"));
    WriteFile(QStringLiteral("BIN00001.L"), "TPF0 not a design");
    ASSERT_TRUE(labels::FindLabelLayout(dataset, QStringLiteral("Office")));
    const quorvel::TTableResult damaged = labels::CloneLabelLayout(dataset, Sysdata());
    EXPECT_FALSE(damaged.ok);
    EXPECT_FALSE(damaged.messages.isEmpty());
    ASSERT_TRUE(QFile::remove(PathOf("BIN00001.L")));
    ASSERT_TRUE(labels::FindLabelLayout(dataset, QStringLiteral("Office")));
    const quorvel::TTableResult missing = labels::CloneLabelLayout(dataset, Sysdata());
    EXPECT_EQ(missing.messages,
              QStringList{QStringLiteral("Label definition file has been removed from the sysdata directory")});
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Office=BIN00001.L")});
    EXPECT_FALSE(Exists(QStringLiteral("BIN00002.L")));
}

// A row whose design file has gone keeps its name: a new or cloned layout
// taking it would make that row print another layout's design.
TEST_F(LayoutCommands, ANameStillNamedByARowIsNotGivenAgain)
{
    SaveNew(QStringLiteral("Office"));
    SaveNew(QStringLiteral("Home"));
    ASSERT_TRUE(QFile::remove(PathOf("BIN00001.L")));
    ASSERT_TRUE(labels::FindLabelLayout(dataset, QStringLiteral("Home")));
    const std::uint32_t home = dataset.RecNo();
    TLabelLayout layout = labels::NewLabelLayout();
    ExpectOk(labels::ReserveLayoutDesignName(dataset, Sysdata(), &layout.designFile));
    EXPECT_EQ(layout.designFile, QStringLiteral("BIN00003.L"));
    EXPECT_EQ(dataset.RecNo(), home) << "the current row is kept";
    layout.description = QStringLiteral("Club");
    ExpectOk(labels::SaveLabelLayout(dataset, Sysdata(), layout, TLayoutSave::lsNew, Writer()));
    EXPECT_EQ(Rows(), (QStringList{QStringLiteral("Club=BIN00003.L"), QStringLiteral("Home=BIN00002.L"),
                                   QStringLiteral("Office=BIN00001.L")}));
}

TEST_F(LayoutCommands, WithEveryNameTakenNothingIsSaved)
{
    SaveNew(QStringLiteral("Office"));
    for (int number = 2; number <= 99999; ++number)
        std::ofstream(dir.path() + "/sysdata/" + QStringLiteral("BIN%1.L").arg(number, 5, 10, QLatin1Char('0')).toStdString());
    TLabelLayout layout = labels::NewLabelLayout();
    const quorvel::TTableResult reserved = labels::ReserveLabelDesignName(Sysdata(), &layout.designFile);
    EXPECT_FALSE(reserved.ok);
    ASSERT_EQ(reserved.messages.size(), 1);
    EXPECT_TRUE(reserved.messages[0].startsWith(QStringLiteral("All 99999 label design file names")));
    // A layout without a usable name asks for one on Save, and gets none.
    layout.designFile = QStringLiteral("../elsewhere.L");
    EXPECT_EQ(labels::SaveLabelLayout(dataset, Sysdata(), layout, TLayoutSave::lsNew, Writer()).messages,
              reserved.messages);
    ASSERT_TRUE(labels::FindLabelLayout(dataset, QStringLiteral("Office")));
    EXPECT_EQ(labels::CloneLabelLayout(dataset, Sysdata()).messages, reserved.messages);
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Office=BIN00001.L")});
}
