// The envelope layout store on a real ENVELOPE.DBF and sysdata folder: New,
// Modify's Save, Delete, Clone and reading a row, with the rows and the
// BIN#####.E design files kept in step, and what a foreign or damaged row
// or a full folder does.
#include "design/file/label_object_filer.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/graphic_control.h"
#include "design/model/surface_objects.h"
#include "envelopes/envelope_layouts.h"
#include "labels/label_fixture.h"
#include "labels/new_label_design.h"

#include <QDir>
#include <QFile>

#include <fstream>

using envelopes::TEnvelopeLayout;
using envelopes::TLayoutSave;
using labels_tests::ExpectOk;

namespace {

const QString kRemoved = QStringLiteral("Envelope definition file has been removed from the sysdata directory");

class EnvelopeLayouts : public labels_tests::LabelFolder {
protected:
    void SetUp() override
    {
        ExpectOk(envelopes::OpenEnvelopeLayoutTable(dataset, Sysdata()));
        labels::AddNewLabelAddressBlock(owner, objects, QSize(912, 396), design::TGFont{});
    }

    envelopes::TDesignWriter Writer()
    {
        return [this](const QString& path) { return design::TGLabelObjectFiler().SaveSurface(objects, path); };
    }

    TEnvelopeLayout SaveNew(const QString& description, int sizeCode = 20)
    {
        TEnvelopeLayout layout = envelopes::NewEnvelopeLayout();
        layout.description = description;
        layout.sizeCode = sizeCode;
        ExpectOk(envelopes::ReserveEnvelopeDesignName(dataset, Sysdata(), &layout.designFile));
        ExpectOk(envelopes::SaveEnvelopeLayout(dataset, Sysdata(), layout, TLayoutSave::lsNew, Writer()));
        return layout;
    }

    // A row as a table copied from elsewhere could have it.
    void AppendRow(const QString& description, const QString& number, const QString& designFile)
    {
        ASSERT_TRUE(dataset.Insert());
        ASSERT_TRUE(dataset.SetFieldAsString(u"DESCRIPT", description));
        ASSERT_TRUE(dataset.SetFieldAsString(u"NUMBER", number));
        ASSERT_TRUE(dataset.SetFieldAsString(u"BINARY", designFile));
        ASSERT_TRUE(dataset.Post()) << dataset.lastError().toStdString();
    }

    // The rows as "DESCRIPT=NUMBER=BINARY", in description order.
    QStringList Rows()
    {
        QStringList rows;
        labels::VisitRows(dataset, [&] {
            rows << dataset.FieldAsString(u"DESCRIPT") + u'=' + dataset.FieldAsString(u"NUMBER").trimmed() + u'='
                        + dataset.FieldAsString(u"BINARY");
            return true;
        });
        return rows;
    }

    void Find(const QString& name) { ASSERT_TRUE(envelopes::FindEnvelopeLayout(dataset, name)) << name.toStdString(); }

    QByteArray Bytes(const QString& name) const
    {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    design::TGDesignOwner owner;
    design::TGSurfaceObjects objects{design::TGClassSet::EnvelopeSurface()};
};

} // namespace

TEST_F(EnvelopeLayouts, NewWritesTheRowAndItsDesignFile)
{
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_TRUE(Exists(QStringLiteral("ENVELOPE.DBF")));
    EXPECT_EQ(envelopes::NewEnvelopeLayout().description, QStringLiteral("<New envelope>"));
    const TEnvelopeLayout saved = SaveNew(QStringLiteral("Office"), 33);
    EXPECT_EQ(saved.designFile, QStringLiteral("BIN00001.E"));
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Office=33=BIN00001.E")});

    Find(QStringLiteral("OFFICE"));
    const TEnvelopeLayout read = envelopes::ReadCurrentEnvelopeLayout(dataset);
    EXPECT_EQ(read.description, QStringLiteral("Office"));
    EXPECT_EQ(read.sizeCode, 33);
    EXPECT_EQ(read.designFile, QStringLiteral("BIN00001.E"));
    design::TGDesignOwner readOwner;
    design::TGSurfaceObjects readBack(design::TGClassSet::EnvelopeSurface());
    const envelopes::TEnvelopeDesignLoad load = envelopes::LoadEnvelopeDesign(Sysdata(), read.designFile, readOwner, readBack);
    EXPECT_TRUE(load.found);
    EXPECT_TRUE(load.status.IsOk()) << load.status.Message().toStdString();
    ASSERT_EQ(readBack.Count(), 1);
    EXPECT_EQ(readBack.At(0)->Bounds(), objects.At(0)->Bounds());
}

TEST_F(EnvelopeLayouts, ModifyKeepsFiftyCharactersAndTheChangedSize)
{
    TEnvelopeLayout layout = SaveNew(QStringLiteral("Office"));
    Find(QStringLiteral("Office"));
    layout.description = QString(60, QLatin1Char('m'));
    layout.sizeCode = 38;
    ExpectOk(envelopes::SaveEnvelopeLayout(dataset, Sysdata(), layout, TLayoutSave::lsExisting, Writer()));
    EXPECT_EQ(layout.description, QString(50, QLatin1Char('m')));
    EXPECT_EQ(Rows(), QStringList{QString(50, QLatin1Char('m')) + QStringLiteral("=38=BIN00001.E")});
}

// A size code none of the 16 would make a surface and offsets of -1 inch;
// such a row reads as #10 and keeps its code until it is saved.
TEST_F(EnvelopeLayouts, AnUnknownSizeCodeReadsAsNumberTen)
{
    SaveNew(QStringLiteral("Home"));
    for (const char* number : {"99", "-1", "", "24"}) {
        AppendRow(QStringLiteral("Foreign"), QString::fromLatin1(number), QStringLiteral("BIN00001.E"));
        Find(QStringLiteral("Foreign"));
        EXPECT_EQ(envelopes::ReadCurrentEnvelopeLayout(dataset).sizeCode, 20) << number;
        EXPECT_EQ(dataset.FieldAsString(u"NUMBER").trimmed(), QString::fromLatin1(number));
        ASSERT_TRUE(dataset.Delete());
    }
    AppendRow(QStringLiteral("Foreign"), QStringLiteral("99"), QStringLiteral("BIN00001.E"));
    Find(QStringLiteral("Foreign"));
    TEnvelopeLayout layout = envelopes::ReadCurrentEnvelopeLayout(dataset);
    ExpectOk(envelopes::SaveEnvelopeLayout(dataset, Sysdata(), layout, TLayoutSave::lsExisting, Writer()));
    EXPECT_EQ(Rows(), (QStringList{QStringLiteral("Foreign=20=BIN00001.E"), QStringLiteral("Home=20=BIN00001.E")}));
}

TEST_F(EnvelopeLayouts, ADesignFileThatCannotBeWrittenChangesNoRow)
{
    // A folder where the file should go: it cannot be written.
    QDir().mkpath(PathOf("BIN00001.E"));
    TEnvelopeLayout layout = envelopes::NewEnvelopeLayout();
    layout.designFile = QStringLiteral("BIN00001.E");
    const quorvel::TTableResult saved =
        envelopes::SaveEnvelopeLayout(dataset, Sysdata(), layout, TLayoutSave::lsNew, Writer());
    EXPECT_FALSE(saved.ok);
    ASSERT_EQ(saved.messages.size(), 1);
    EXPECT_TRUE(saved.messages[0].startsWith(QStringLiteral("The envelope layout could not be saved: ")))
        << saved.messages[0].toStdString();
    EXPECT_TRUE(Rows().isEmpty());

    QDir(PathOf("BIN00001.E")).removeRecursively();
    TEnvelopeLayout kept = SaveNew(QStringLiteral("Kept"), 27);
    Find(QStringLiteral("Kept"));
    kept.description = QStringLiteral("Changed");
    kept.sizeCode = 30;
    const auto failing = [](const QString&) { return design::TGFilerStatus::Error(QStringLiteral("disk full")); };
    const quorvel::TTableResult modified =
        envelopes::SaveEnvelopeLayout(dataset, Sysdata(), kept, TLayoutSave::lsExisting, failing);
    EXPECT_EQ(modified.messages, QStringList{QStringLiteral("The envelope layout could not be saved: disk full")});
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Kept=27=BIN00001.E")});
    EXPECT_EQ(kept.description, QStringLiteral("Changed")) << "the screen keeps what the user made";
}

TEST_F(EnvelopeLayouts, OnlyPlainEnvelopeNamesInSysdataAreUsed)
{
    const struct {
        const char* name;
        bool plain;
    } names[] = {{"../outside.E", false}, {"sub/BIN00001.E", false}, {"BIN1.E", false},    {"BIN00001.L", false},
                 {"/tmp/BIN00001.E", false}, {"..\\BIN00001.E", false}, {"bin00001.e", true}, {"BIN99999.E", true}};
    for (const auto& n : names)
        EXPECT_EQ(!envelopes::EnvelopeDesignPath(Sysdata(), QString::fromLatin1(n.name)).isEmpty(), n.plain) << n.name;

    const QString outside = QString::fromStdString(dir.file("o.E"));
    QFile(outside).open(QIODevice::WriteOnly);
    WriteFile(QStringLiteral("BIN00007.L"), "a label's design");
    for (const QString& name : {QStringLiteral("../o.E"), QStringLiteral("BIN00007.L")}) {
        AppendRow(QStringLiteral("Foreign"), QStringLiteral("20"), name);
        Find(QStringLiteral("Foreign"));
        design::TGDesignOwner readOwner;
        design::TGSurfaceObjects none(design::TGClassSet::EnvelopeSurface());
        EXPECT_FALSE(envelopes::LoadEnvelopeDesign(Sysdata(), name, readOwner, none).found) << name.toStdString();
        EXPECT_EQ(envelopes::CloneEnvelopeLayout(dataset, Sysdata()).messages, QStringList{kRemoved});
        EXPECT_EQ(Rows().size(), 1) << "nothing cloned";
        Find(QStringLiteral("Foreign"));
        ExpectOk(envelopes::DeleteEnvelopeLayout(dataset, Sysdata()));
        EXPECT_TRUE(Rows().isEmpty());
    }
    EXPECT_TRUE(QFile::exists(outside));
    EXPECT_EQ(Bytes(QStringLiteral("BIN00007.L")), QByteArray("a label's design"));
    EXPECT_EQ(QDir(Sysdata()).entryList({QStringLiteral("*.E")}, QDir::Files), QStringList{});
}

TEST_F(EnvelopeLayouts, DeleteRemovesTheRowAndItsFile)
{
    SaveNew(QStringLiteral("Office"));
    SaveNew(QStringLiteral("Home"));
    Find(QStringLiteral("Office"));
    EXPECT_EQ(envelopes::DeleteQuestion(envelopes::ReadCurrentEnvelopeLayout(dataset)),
              QStringLiteral("Delete \"Office\"?"));
    ExpectOk(envelopes::DeleteEnvelopeLayout(dataset, Sysdata()));
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Home=20=BIN00002.E")});
    EXPECT_FALSE(Exists(QStringLiteral("BIN00001.E")));
    ASSERT_TRUE(QFile::remove(PathOf("BIN00002.E")));
    Find(QStringLiteral("Home"));
    ExpectOk(envelopes::DeleteEnvelopeLayout(dataset, Sysdata()));
    EXPECT_TRUE(Rows().isEmpty()) << "a row whose file is gone still goes";
}

TEST_F(EnvelopeLayouts, CloneCopiesNameSizeAndDesign)
{
    SaveNew(QStringLiteral("Office"), 37);
    Find(QStringLiteral("Office"));
    EXPECT_EQ(envelopes::CloneQuestion(envelopes::ReadCurrentEnvelopeLayout(dataset)), QStringLiteral("Clone \"Office\"?"));
    ExpectOk(envelopes::CloneEnvelopeLayout(dataset, Sysdata()));
    EXPECT_EQ(Rows(), (QStringList{QStringLiteral("Clone of Office=37=BIN00002.E"), QStringLiteral("Office=37=BIN00001.E")}));
    EXPECT_FALSE(Bytes(QStringLiteral("BIN00002.E")).isEmpty());
    design::TGDesignOwner readOwner;
    design::TGSurfaceObjects clone(design::TGClassSet::EnvelopeSurface());
    ASSERT_TRUE(envelopes::LoadEnvelopeDesign(Sysdata(), QStringLiteral("BIN00002.E"), readOwner, clone).status.IsOk());
    ASSERT_EQ(clone.Count(), 1);
    EXPECT_EQ(clone.At(0)->Bounds(), objects.At(0)->Bounds());

    SaveNew(QString(50, QLatin1Char('n')));
    Find(QString(50, QLatin1Char('n')));
    ExpectOk(envelopes::CloneEnvelopeLayout(dataset, Sysdata()));
    EXPECT_TRUE(envelopes::FindEnvelopeLayout(dataset, QStringLiteral("Clone of ") + QString(41, QLatin1Char('n'))));
}

TEST_F(EnvelopeLayouts, AMissingOrDamagedDesignIsNotCloned)
{
    SaveNew(QStringLiteral("Office"));
    WriteFile(QStringLiteral("BIN00001.E"), "TPF0 not a design");
    Find(QStringLiteral("Office"));
    const quorvel::TTableResult damaged = envelopes::CloneEnvelopeLayout(dataset, Sysdata());
    EXPECT_FALSE(damaged.ok);
    ASSERT_EQ(damaged.messages.size(), 1);
    EXPECT_NE(damaged.messages[0], kRemoved) << "the reader's own message";
    ASSERT_TRUE(QFile::remove(PathOf("BIN00001.E")));
    Find(QStringLiteral("Office"));
    EXPECT_EQ(envelopes::CloneEnvelopeLayout(dataset, Sysdata()).messages, QStringList{kRemoved});
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Office=20=BIN00001.E")});
    EXPECT_FALSE(Exists(QStringLiteral("BIN00002.E")));
}

TEST_F(EnvelopeLayouts, WithEveryNameTakenNothingIsCreated)
{
    SaveNew(QStringLiteral("Office"));
    for (int number = 2; number <= 99999; ++number)
        std::ofstream(dir.path() + "/sysdata/" + QStringLiteral("BIN%1.E").arg(number, 5, 10, QLatin1Char('0')).toStdString());
    const QStringList full{QStringLiteral("No free design file name is left in the sysdata folder")};
    QString name;
    EXPECT_EQ(envelopes::ReserveEnvelopeDesignName(dataset, Sysdata(), &name).messages, full);
    TEnvelopeLayout layout = envelopes::NewEnvelopeLayout();
    EXPECT_EQ(envelopes::SaveEnvelopeLayout(dataset, Sysdata(), layout, TLayoutSave::lsNew, Writer()).messages, full);
    Find(QStringLiteral("Office"));
    EXPECT_EQ(envelopes::CloneEnvelopeLayout(dataset, Sysdata()).messages, full);
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Office=20=BIN00001.E")});
}

TEST_F(EnvelopeLayouts, AnUnopenableTableIsReported)
{
    dataset.Close();
    QFile::remove(PathOf("ENVELOPE.DBF"));
    QFile::remove(PathOf("ENVELOPE.CDX"));
    QDir().mkpath(PathOf("ENVELOPE.DBF"));
    const quorvel::TTableResult opened = envelopes::OpenEnvelopeLayoutTable(dataset, Sysdata());
    EXPECT_FALSE(opened.ok);
    EXPECT_EQ(opened.messages, QStringList{QStringLiteral("Unable to Open or Create ENVELOPE.DBF")});
}
