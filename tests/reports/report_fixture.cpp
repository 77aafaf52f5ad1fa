#include "report_fixture.h"

#include "design/model/address_record.h"
#include "design/model/data_label.h"
#include "design/model/text_labels.h"
#include "output/output_test_support.h"
#include "reports/report_design.h"
#include "reports/user_report_print.h"

namespace reports_testing {

namespace {

design::TGFont Arial()
{
    design::TGFont font;
    font.Name = QStringLiteral("Arial");
    font.Height = design::TGFont::HeightForPoints(10, 96);
    return font;
}

} // namespace

void AddText(design::TGDesignOwner& owner, design::TGSurfaceObjects& band, const QString& text, QPoint at)
{
    auto label = std::make_unique<design::TGPLabel>(owner);
    label->SetBounds(at.x(), at.y(), 80, 16);
    label->SetFont(Arial());
    label->SetCaption(text);
    band.Add(std::move(label));
}

void AddField(design::TGDesignOwner& owner, design::TGSurfaceObjects& band, const QString& fieldName,
              const QString& displayLabel, QPoint at)
{
    auto field = std::make_unique<design::TGPDLabel>(owner);
    field->SetBounds(at.x(), at.y(), 200, 16);
    field->SetFont(Arial());
    field->BindField(fieldName, displayLabel);
    band.Add(std::move(field));
}

bool WriteSampleReport(const QString& path, const reports::TReportSettings& settings, int ppi)
{
    design::TGDesignOwner owner(ppi);
    design::TGSurfaceObjects header(reports::ReportBandClasses()), detail(reports::ReportBandClasses()),
        footer(reports::ReportBandClasses());
    AddText(owner, header, QStringLiteral("HEAD"));
    AddField(owner, detail, QStringLiteral("LNAME"), QStringLiteral("Last Name"));
    AddText(owner, footer, QStringLiteral("FOOT"));
    return reports::SaveReportDesign(path, header, detail, footer, settings, ppi).IsOk();
}

void UserReportRun::SetUp()
{
    AddressFileTest::SetUp();
    device = output_testing::MakeOfficeDevice(0.25);
}

QString UserReportRun::Path(const char* name) const { return quorvel::store_tests::qs(dir.file(name)); }

void UserReportRun::AddRecords(int count, const QString& memo)
{
    for (int i = 1; i <= count; ++i) {
        const QByteArray name = QStringLiteral("R%1").arg(i, 2, 10, QLatin1Char('0')).toLatin1();
        add({{"LNAME", name.constData()}}, memo);
    }
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("!ISDEL")));
}

void UserReportRun::RunSample(const reports::TReportSettings& settings, bool onePerPage)
{
    const QString designPath = Path("BIN00001.R");
    ASSERT_TRUE(WriteSampleReport(designPath, settings));
    RunDesign(designPath, onePerPage);
}

void UserReportRun::RunDesign(const QString& designPath, bool onePerPage)
{
    reports::TReportDesign design(96);
    const reports::TReportDesignLoad load = design.Load(designPath);
    ASSERT_TRUE(load.status.IsOk()) << load.status.Message().toStdString();
    dataset.First();
    const design::TGAddressRecord record(dataset);
    output::TPrintStatus status(true, output_testing::SampleJobTexts());
    status.SetDevice(device.get());
    status.SetDialogs(&dialogs);
    int events = 0;
    status.SetEventPump([this, &events, &status] {
        if (++events == stopAtEvents)
            status.CancelButtonClick();
    });
    reports::TUserDefinedReportPrint producer(design, dataset, record, onePerPage, status, 96);
    status.OnBeforePrint = [&producer](output::TBaseReport& report) { producer.BeforePrint(report); };
    status.OnPrint = [&producer](output::TBaseReport& report) { producer.Print(report); };
    status.Run();
    outcome = status.Outcome();
    records = producer.Records();
    pages = output::ReadPageStream(status.PreviewStream().data());
    EXPECT_EQ(outcome, stopAtEvents > 0 ? output::TPrintOutcome::poStopped : output::TPrintOutcome::poCompleted)
        << status.FailureMessage().toStdString();
}

std::vector<PrintedText> UserReportRun::Texts() const
{
    std::vector<PrintedText> texts;
    for (std::size_t page = 0; page < pages.size(); ++page)
        for (const output::TTextOp& text : output_testing::TextsOf(pages[page]))
            texts.push_back({static_cast<int>(page) + 1, text.text, text.position});
    return texts;
}

QStringList UserReportRun::TextsOn(int page) const
{
    QStringList texts;
    for (const output::TTextOp& text : output_testing::TextsOf(pages.at(static_cast<std::size_t>(page - 1))))
        texts << text.text;
    return texts;
}

std::vector<output::TShapeOp> UserReportRun::Shades(int page) const
{
    std::vector<output::TShapeOp> shades;
    for (const output::TShapeOp& shape : output_testing::ShapesOf(pages.at(static_cast<std::size_t>(page - 1))))
        if (shape.kind == output::skRectangle && shape.brush.style == output::bsSolid)
            shades.push_back(shape);
    return shades;
}

std::vector<output::TShapeOp> UserReportRun::Lines(int page) const
{
    std::vector<output::TShapeOp> lines;
    for (const output::TShapeOp& shape : output_testing::ShapesOf(pages.at(static_cast<std::size_t>(page - 1))))
        if (shape.kind == output::skLine)
            lines.push_back(shape);
    return lines;
}

::testing::AssertionResult Near(QPointF actual, QPointF expected, double tolerance)
{
    if (std::abs(actual.x() - expected.x()) <= tolerance && std::abs(actual.y() - expected.y()) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.x() << ", " << actual.y() << ") is not within " << tolerance
                                         << " of (" << expected.x() << ", " << expected.y() << ")";
}

} // namespace reports_testing
