#include "label_run_fixture.h"

#include "design/last_name_design.h"
#include "output/output_test_support.h"
#include "xbase/apollo_env.h"

#include <cmath>

namespace labels_testing {

using namespace labels;

void RecordingHost::RunStatus(output::TPrintStatus& status)
{
    status.SetEventPump([this, &status] {
        if (onEvents)
            onEvents(status);
    });
    status.Run();
    endStatus = status.StatusText();
}

TPresortResult RecordingHost::RunPresort(quorvel::TDataset& addresses, const QString& presortFile)
{
    ++presortRuns;
    if (realPresort) {
        TSilentPresortProgress silent;
        return RunBulkMailPresort(addresses, presortFile, presortProgress ? *presortProgress : silent);
    }
    TPresortResult result;
    result.outcome = presortAnswer ? TPresortOutcome::Completed : TPresortOutcome::Cancelled;
    return result;
}

void RecordingHost::ShowPreview(QIODevice& stream)
{
    previewShown = true;
    pages = output::ReadPageStream(stream);
}

void LabelRunTest::SetUp()
{
    AddressFileTest::SetUp();
    device = output_testing::MakeOfficeDevice(0.25);
    designFile = WriteDesign();
    presortFile = quorvel::store_tests::qs(dir.file("PRESORT.PSL"));
}

void LabelRunTest::AddRecords(int count, const std::vector<const char*>& zips)
{
    for (int i = 1; i <= count; ++i) {
        const QByteArray name = QStringLiteral("R%1").arg(i, 2, 10, QLatin1Char('0')).toLatin1();
        const std::size_t zip = std::min<std::size_t>(static_cast<std::size_t>(i - 1), zips.size() - 1);
        if (zips.empty())
            add({{"LNAME", name.constData()}});
        else
            add({{"LNAME", name.constData()}, {"ZIP", zips[zip]}});
    }
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("!ISDEL")));
}

QString LabelRunTest::WriteDesign(const char* name)
{
    const QString file = quorvel::store_tests::qs(dir.file(name));
    EXPECT_TRUE(design_testing::WriteLastNameDesign(file, design::TGClassSet::LabelSurface(), QRect(4, 4, 60, 14), 7));
    return file;
}

TLabelRunResult LabelRunTest::Run(const TLabelGeometry& geometry, const TLabelRunOptions& options)
{
    queryBefore = dataset.Query();
    orderBefore = dataset.Order();
    recordBefore = dataset.RecNo();
    const TLabelRunContext context{dataset, xbase::TApolloEnv::global(), dialogs, host, presortFile, device.get(), 96};
    return TLabelRun(context).Run(geometry, designFile, options);
}

std::vector<PrintedLabel> LabelRunTest::Labels(const TLabelGeometry& geometry) const
{
    std::vector<PrintedLabel> labels;
    std::optional<QPointF> offset;
    for (std::size_t page = 0; page < host.pages.size(); ++page) {
        for (const output::TTextOp& text : output_testing::TextsOf(host.pages[page])) {
            for (int position = 0; position < geometry.PositionCount(); ++position) {
                const QPointF corner = geometry.PositionOrigin(position);
                if (!QRectF(corner, QSizeF(geometry.horizPitch, geometry.vertPitch)).contains(text.position))
                    continue;
                labels.push_back({static_cast<int>(page) + 1, position, text.text});
                if (text.text.contains(QStringLiteral("**")))
                    break;
                const QPointF seen = text.position - corner;
                if (!offset)
                    offset = seen;
                EXPECT_NEAR(seen.x(), offset->x(), 1e-9) << text.text.toStdString() << " at " << position;
                EXPECT_NEAR(seen.y(), offset->y(), 1e-9) << text.text.toStdString() << " at " << position;
                break;
            }
        }
    }
    return labels;
}

void LabelRunTest::ExpectRestored(const char* context) const
{
    EXPECT_EQ(dataset.Query(), queryBefore) << context;
    EXPECT_EQ(dataset.Order(), orderBefore) << context;
    EXPECT_EQ(dataset.RecNo(), recordBefore) << context;
    EXPECT_FALSE(dataset.extraFieldsVisible()) << context;
}

TLabelGeometry Sheet5160()
{
    return {.height = 1.0, .width = 2.625, .across = 3, .down = 10, .topMargin = 0.5, .leftMargin = 0.188,
            .horizPitch = 2.75, .vertPitch = 1.0};
}

TLabelGeometry Sheet10x30()
{
    return {.height = 0.3, .width = 0.75, .across = 10, .down = 30, .topMargin = 0.4, .leftMargin = 0.25,
            .horizPitch = 0.8, .vertPitch = 0.34};
}

} // namespace labels_testing
