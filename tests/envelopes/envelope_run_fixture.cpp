#include "envelope_run_fixture.h"

#include "design/last_name_design.h"
#include "output/output_test_support.h"
#include "xbase/apollo_env.h"

namespace envelopes_testing {

using namespace envelopes;

void RecordingEnvelopeHost::RunStatus(output::TPrintStatus& status)
{
    jobRun = true;
    status.SetEventPump([this, &status] {
        if (onEvents)
            onEvents(status);
    });
    status.Run();
    endStatus = status.StatusText();
    closesItself = status.ClosesItself();
}

void RecordingEnvelopeHost::ShowPreview(QIODevice& stream)
{
    previewShown = true;
    pages = output::ReadPageStream(stream);
}

TEnvelopeFeedDescription RecordingEnvelopeHost::LoadSettings(output::TRPDevice&)
{
    ++loads;
    return feed;
}

bool RecordingEnvelopeHost::ConfirmPrePrint(TEnvelopeFeedDescription&, int)
{
    ++confirmations;
    return confirm;
}

void RecordingEnvelopeHost::SaveSettings(const output::TRPDevice&, const TEnvelopeFeedDescription&) { ++saves; }

QString Record(int number) { return QStringLiteral("R%1").arg(number, 2, 10, QLatin1Char('0')); }

void EnvelopeRunTest::SetUp()
{
    AddressFileTest::SetUp();
    device = output_testing::MakeOfficeDevice(0.25);
    sysdata = quorvel::store_tests::qs(dir.path());
    layout.description = QStringLiteral("Office");
    layout.sizeCode = 20;
    layout.designFile = QStringLiteral("BIN00001.E");

    ASSERT_TRUE(design_testing::WriteLastNameDesign(sysdata + QStringLiteral("/BIN00001.E"), design::TGClassSet::EnvelopeSurface(),
                                                    QRect(4, 4, 60, 14), 10));
}

void EnvelopeRunTest::AddRecords(int count)
{
    for (int i = 1; i <= count; ++i)
        add({{"LNAME", Record(i).toLatin1().constData()}});
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("!ISDEL")));
}

TEnvelopeRunResult EnvelopeRunTest::Run(const TEnvelopeRunOptions& options)
{
    queryBefore = dataset.Query();
    orderBefore = dataset.Order();
    recordBefore = dataset.RecNo();
    const TEnvelopeRunContext context{dataset, xbase::TApolloEnv::global(), dialogs, host, sysdata, device.get(), 96};
    return TEnvelopeRun(context).Run(layout, options);
}

TEnvelopeRunResult EnvelopeRunTest::Preview(labels::TRecordChoice records, bool startFromCurrent)
{
    TEnvelopeRunOptions options;
    options.preview = true;
    options.records = records;
    options.startFromCurrent = startFromCurrent;
    return Run(options);
}

std::vector<PrintedEnvelope> EnvelopeRunTest::Envelopes() const
{
    std::vector<PrintedEnvelope> envelopes;
    for (std::size_t page = 0; page < host.pages.size(); ++page)
        for (const output::TTextOp& text : output_testing::TextsOf(host.pages[page]))
            envelopes.push_back({static_cast<int>(page) + 1, text.text});
    return envelopes;
}

void EnvelopeRunTest::ExpectRestored(const char* context) const
{
    EXPECT_EQ(dataset.Query(), queryBefore) << context;
    EXPECT_EQ(dataset.Order(), orderBefore) << context;
    EXPECT_EQ(dataset.RecNo(), recordBefore) << context;
    EXPECT_FALSE(dataset.ControlsDisabled()) << context;
}

} // namespace envelopes_testing
