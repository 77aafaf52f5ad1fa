// Report design files: the three bands and the settings list written and
// read back at the screen's resolution; a missing file changes nothing, a
// damaged one leaves empty bands and the settings as they were.
#include "design/file/design_error.h"
#include "design/file/label_object_filer.h"
#include "design/model/graphic_control.h"
#include "report_fixture.h"
#include "reports/report_design.h"
#include "support/temp_dir.h"

#include <QFile>

#include <gtest/gtest.h>

using reports::TReportSettings;

namespace {

class ReportDesignFile : public ::testing::Test {
protected:
    QString Path(const char* name) const { return QString::fromStdString(dir.file(name)); }

    QByteArray Bytes(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    testing_support::TempDir dir;
};

QByteArray Int16(int value)
{
    return QByteArray("\x03", 1) + char(value & 0xFF) + char((value >> 8) & 0xFF);
}

// A new report saved at once on a 96 pixel screen: after three empty object
// lists, the list of settings starts with the nine lengths in thousandths.
TEST_F(ReportDesignFile, NewReportAt96StoresItsLengthsInThousandths)
{
    design::TGSurfaceObjects empty(reports::ReportBandClasses());
    const QString path = Path("BIN00001.R");
    ASSERT_TRUE(reports::SaveReportDesign(path, empty, empty, empty, reports::NewReportSettings(96), 96).IsOk());
    QByteArray expected("\x01\x00\x01\x00\x01\x00\x01", 7);
    for (int value : {8500, 11000, 500, 500, 500, 500, 343, 343, 343})
        expected += Int16(value);
    EXPECT_EQ(Bytes(path).left(expected.size()).toHex(' '), expected.toHex(' '));
}

TEST_F(ReportDesignFile, BandsAndSettingsRoundTripAt96And120)
{
    for (int ppi : {96, 120}) {
        SCOPED_TRACE(ppi);
        TReportSettings settings = reports::NewReportSettings(ppi);
        reports::SetPaper(settings, reports::rpA4Landscape, ppi);
        settings.leftMargin = 71;
        settings.detailHeight = 150;
        settings.useMemo = settings.useFooter = true;
        settings.memoFontName = QStringLiteral("Courier New");
        settings.memoAlignment = 1;
        settings.defaultBold = true;
        settings.borders[reports::rbFooter] = reports::TBandBorder{true, false, true, false, 3, 80, qRgb(1, 2, 3)};
        const QString path = Path("BIN00002.R");
        ASSERT_TRUE(reports_testing::WriteSampleReport(path, settings, ppi));

        reports::TReportDesign design(ppi);
        const reports::TReportDesignLoad load = design.Load(path);
        EXPECT_TRUE(load.found);
        ASSERT_TRUE(load.status.IsOk()) << load.status.Message().toStdString();
        EXPECT_EQ(design.Settings(), settings);
        EXPECT_EQ(design.Band(reports::rbHeader).Count(), 1);
        EXPECT_EQ(design.Band(reports::rbDetail).Count(), 1);
        EXPECT_EQ(design.Band(reports::rbFooter).Count(), 1);
        EXPECT_EQ(design.Band(reports::rbDetail).At(0)->ClassName(), QByteArray("TGPDLabel"));
        EXPECT_EQ(design.Band(reports::rbMemo).Count(), 0);
    }
}

TEST_F(ReportDesignFile, AMissingFileChangesNothing)
{
    design::TGDesignOwner owner;
    design::TGSurfaceObjects header(reports::ReportBandClasses()), detail(reports::ReportBandClasses()),
        footer(reports::ReportBandClasses());
    reports_testing::AddText(owner, header, QStringLiteral("kept"));
    TReportSettings settings = reports::NewReportSettings(96);
    settings.useFooter = true;
    const TReportSettings before = settings;
    for (const QString& path : {Path("BIN00003.R"), QString()}) {
        const reports::TReportDesignLoad load =
            reports::LoadReportDesign(path, owner, header, detail, footer, settings, 96);
        EXPECT_FALSE(load.found);
        EXPECT_TRUE(load.status.IsOk());
        EXPECT_EQ(header.Count(), 1);
        EXPECT_EQ(settings, before);
    }

    // A run of a report whose file is gone prints empty bands.
    reports::TReportDesign design(96);
    EXPECT_FALSE(design.Load(Path("BIN00003.R")).found);
    EXPECT_EQ(design.Settings(), reports::NewReportSettings(96));
}

TEST_F(ReportDesignFile, ADamagedFileLeavesEmptyBandsAndTheSettings)
{
    design::TGDesignOwner sampleOwner;
    design::TGSurfaceObjects sample(reports::ReportBandClasses());
    reports_testing::AddText(sampleOwner, sample, QStringLiteral("text"));
    const design::TGReportData full = reports::ReportDataOf(reports::NewReportSettings(96), 96);
    QByteArray cut;
    ASSERT_TRUE(design::TGLabelObjectFiler::EncodeReport(sample, sample, sample,
                                                         design::TGReportData(full.begin(), full.begin() + 20), cut)
                    .IsOk());
    const struct {
        const char* name;
        QByteArray bytes;
        QString message;
    } cases[] = {
        {"settings cut short", cut, design::messages::invalidStreamFormat()},
        {"not a design", QByteArray("not a design file"), QString()},
        {"no settings list", cut.left(cut.indexOf(QByteArray("\x00\x01", 2), cut.size() - 100)), QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Path("BIN00004.R");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();

        design::TGDesignOwner owner;
        design::TGSurfaceObjects header(reports::ReportBandClasses()), detail(reports::ReportBandClasses()),
            footer(reports::ReportBandClasses());
        reports_testing::AddText(owner, header, QStringLiteral("old"));
        TReportSettings settings = reports::NewReportSettings(96);
        settings.useMemo = true;
        const TReportSettings before = settings;
        const reports::TReportDesignLoad load =
            reports::LoadReportDesign(path, owner, header, detail, footer, settings, 96);
        EXPECT_TRUE(load.found);
        EXPECT_FALSE(load.status.IsOk());
        if (!c.message.isEmpty()) {
            EXPECT_EQ(load.status.Message(), c.message);
        }
        EXPECT_EQ(header.Count() + detail.Count() + footer.Count(), 0);
        EXPECT_EQ(settings, before);
    }
}

TEST_F(ReportDesignFile, AFontNameTheFileCannotHoldWritesNothing)
{
    design::TGSurfaceObjects empty(reports::ReportBandClasses());
    TReportSettings settings = reports::NewReportSettings(96);
    settings.memoFontName = QStringLiteral("Schrift \u4E2D");
    const QString path = Path("BIN00005.R");
    const design::TGFilerStatus saved = reports::SaveReportDesign(path, empty, empty, empty, settings, 96);
    EXPECT_EQ(saved.Message(), design::messages::textNotStorable(settings.memoFontName));
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
