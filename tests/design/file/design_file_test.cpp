// Design files on disk: saving, loading, the object clipboard, report
// files, new file names and the whole-file tools.

#include "design_fixtures.h"

#include "design/file/design_file_name.h"
#include "design/file/design_file_tools.h"
#include "design/file/label_object_filer.h"
#include "design/file/object_clipboard.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/line_shape.h"
#include "design/model/surface_objects.h"
#include "design/model/text_labels.h"
#include "support/temp_dir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace design;

namespace {

QString Path(const testing_support::TempDir& dir, const char* name)
{
    return QString::fromStdString(dir.file(name));
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class DesignFileTest : public ::testing::Test {
protected:
    TGLineShape* AddLine(TGSurfaceObjects& surface, int left, int top)
    {
        auto* line = static_cast<TGLineShape*>(surface.Add(std::make_unique<TGLineShape>(owner_)));
        line->SetBounds(left, top, 100, 10);
        return line;
    }

    testing_support::TempDir dir_;
    TGDesignOwner owner_;
    TGLabelObjectFiler filer_;
};

TEST_F(DesignFileTest, SavedSurfaceLoadsBackInPaintingOrder)
{
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    AddLine(surface, 1, 2);
    surface.Add(std::make_unique<TGPLabel>(owner_));
    const QString path = Path(dir_, "BIN00001.L");
    ASSERT_TRUE(filer_.SaveSurface(surface, path));

    TGSurfaceObjects loaded(TGClassSet::LabelSurface());
    ASSERT_TRUE(filer_.LoadSurface(owner_, loaded, path));
    ASSERT_EQ(loaded.Count(), 2);
    EXPECT_EQ(loaded.At(0)->ClassName(), QByteArray("TGLineShape"));
    EXPECT_EQ(loaded.At(1)->ClassName(), QByteArray("TGPLabel"));
}

TEST_F(DesignFileTest, MissingFileLoadsNothingWithoutError)
{
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    EXPECT_TRUE(filer_.LoadSurface(owner_, surface, Path(dir_, "BIN00009.L")));
    EXPECT_TRUE(filer_.PasteFromFile(owner_, surface, Path(dir_, "Clipbrd.tmp")));
    EXPECT_EQ(surface.Count(), 0);
}

TEST_F(DesignFileTest, FilesThatCannotBeOpenedOrCreatedAreNamed)
{
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    const QString folder = QString::fromStdString(dir_.path());
    EXPECT_EQ(filer_.LoadSurface(owner_, surface, folder).Message(), QStringLiteral("Cannot open file ") + folder);
    const QString nowhere = folder + QStringLiteral("/missing/BIN00001.L");
    EXPECT_EQ(filer_.SaveSurface(surface, nowhere).Message(), QStringLiteral("Cannot create file ") + nowhere);
}

TEST_F(DesignFileTest, TextThatCannotBeStoredLeavesThePreviousFile)
{
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    auto* text = static_cast<TGPLabel*>(surface.Add(std::make_unique<TGPLabel>(owner_)));
    const QString path = Path(dir_, "BIN00001.L");
    ASSERT_TRUE(filer_.SaveSurface(surface, path));
    const QByteArray saved = FileBytes(path);

    text->SetCaption(QStringLiteral("\u65e5\u672c"));
    const TGFilerStatus status = filer_.SaveSurface(surface, path);
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.Message().contains(QStringLiteral("cannot be stored")));
    EXPECT_EQ(FileBytes(path), saved);
}

TEST_F(DesignFileTest, ClipboardCopiesInSelectionOrderAndPastesOffset)
{
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    auto* first = AddLine(surface, 10, 20);
    auto* second = AddLine(surface, 50, 60);
    TGObjectClipboard clipboard(QString::fromStdString(dir_.path()));
    EXPECT_TRUE(clipboard.Path().endsWith(QStringLiteral("/Clipbrd.tmp")));
    EXPECT_FALSE(clipboard.HasContent());
    ASSERT_TRUE(clipboard.Copy({}));
    EXPECT_FALSE(clipboard.HasContent());

    ASSERT_TRUE(clipboard.Copy({second, first}));
    ASSERT_TRUE(clipboard.HasContent());
    ASSERT_TRUE(clipboard.Paste(owner_, surface));
    ASSERT_EQ(surface.Count(), 4);
    EXPECT_EQ(surface.At(2)->Bounds(), (TGBounds{65, 75, 100, 10}));
    EXPECT_EQ(surface.At(3)->Bounds(), (TGBounds{25, 35, 100, 10}));

    clipboard.Discard();
    EXPECT_FALSE(clipboard.HasContent());
}

TEST_F(DesignFileTest, ReportFileCarriesThreeBandsAndItsData)
{
    TGSurfaceObjects header(TGClassSet::ReportBand());
    TGSurfaceObjects detail(TGClassSet::ReportBand());
    TGSurfaceObjects footer(TGClassSet::ReportBand());
    AddLine(header, 1, 1);
    AddLine(footer, 3, 3);
    AddLine(footer, 4, 4);
    TGReportDataBuilder builder;
    builder.AddInteger(8500);
    builder.AddBoolean(true);
    ASSERT_TRUE(builder.AddString(QStringLiteral("Arial")));
    const QString path = Path(dir_, "BIN00001.R");
    ASSERT_TRUE(filer_.SaveReportFile(header, detail, footer, builder.Data(), path));

    TGSurfaceObjects a(TGClassSet::ReportBand()), b(TGClassSet::ReportBand()), c(TGClassSet::ReportBand());
    TGReportData data;
    ASSERT_TRUE(filer_.LoadReportFile(owner_, a, b, c, data, path));
    EXPECT_EQ(a.Count(), 1);
    EXPECT_EQ(b.Count(), 0);
    EXPECT_EQ(c.Count(), 2);
    TGReportDataCursor cursor(data);
    EXPECT_EQ(cursor.ReadInteger(), 8500);
    EXPECT_EQ(cursor.ReadString(), std::nullopt); // a Boolean comes next
    EXPECT_EQ(cursor.ReadBoolean(), true);
    EXPECT_EQ(cursor.ReadString(), QStringLiteral("Arial"));
    EXPECT_TRUE(cursor.AtEnd());

    QByteArray bytes = FileBytes(path);
    bytes.chop(2); // the data list loses its end
    WriteBytes(path, bytes);
    TGSurfaceObjects d(TGClassSet::ReportBand());
    EXPECT_FALSE(filer_.LoadReportFile(owner_, d, d, d, data, path));
    EXPECT_EQ(d.Count(), 0);
}

TEST_F(DesignFileTest, NewDesignTakesTheFirstFreeNumber)
{
    const QString folder = QString::fromStdString(dir_.path());
    EXPECT_EQ(NextDesignFileName(folder, QStringLiteral(".L")), QStringLiteral("BIN00001.L"));
    WriteBytes(Path(dir_, "BIN00001.L"), "x");
    WriteBytes(Path(dir_, "bin00002.l"), "x");
    WriteBytes(Path(dir_, "BIN00003.E"), "x");
    EXPECT_EQ(NextDesignFileName(folder, QStringLiteral(".L")), QStringLiteral("BIN00003.L"));
    EXPECT_EQ(NextDesignFileName(folder, QStringLiteral(".E")), QStringLiteral("BIN00001.E"));
}

TEST_F(DesignFileTest, DescribeListsRecordsAndPropertiesInFileOrder)
{
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    auto* line = AddLine(surface, 10, 20);
    line->SetName(QStringLiteral("Component0"));
    line->SetPen({ColorValue(0x000000FF), TPenMode::pmCopy, TPenStyle::psSolid, 1});
    const QString path = Path(dir_, "BIN00001.L");
    ASSERT_TRUE(filer_.SaveSurface(surface, path));

    QStringList lines;
    ASSERT_TRUE(DescribeDesignFile(path, lines));
    EXPECT_EQ(lines.join(QLatin1Char('\n')), QStringLiteral("TGLineShape Component0\nLeft=10\nTop=20\nWidth=100\n"
                                                            "Height=10\nLocked=False\nUnselectable=False\n"
                                                            "Pen.Color=clRed"));
    EXPECT_FALSE(DescribeDesignFile(Path(dir_, "none.L"), lines));
}

TEST_F(DesignFileTest, CopyWritesTheSameBytes)
{
    TGSurfaceObjects surface(TGClassSet::AllClasses());
    design_test::AddEveryClass(owner_, surface);
    const QString in = Path(dir_, "in.L");
    const QString out = Path(dir_, "out.L");
    WriteBytes(in, design_test::Encode(surface));
    ASSERT_TRUE(CopyDesignFile(in, out));
    // Names come back renumbered; everything else is identical.
    QStringList before, after;
    ASSERT_TRUE(DescribeDesignFile(in, before));
    ASSERT_TRUE(DescribeDesignFile(out, after));
    ASSERT_EQ(before.size(), after.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (!before[i].contains(QLatin1Char('=')))
            continue;
        EXPECT_EQ(before[i], after[i]);
    }

    WriteBytes(in, "\x01\x05");
    EXPECT_EQ(CopyDesignFile(in, out).Message(), QStringLiteral("Invalid stream format"));
}

} // namespace
