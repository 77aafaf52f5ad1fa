// Loads any bytes as a report design file and prints the report over three
// address records into a recorded page stream, as a preview does. A design
// file may come from anywhere: whatever it holds, the job must end, and
// what it recorded must read back as pages.

#include "design/model/address_record.h"
#include "fuzz_application.h"
#include "output/page_stream.h"
#include "output/print_status.h"
#include "output/printer_catalog.h"
#include "output/rp_device.h"
#include "reports/report_design.h"
#include "reports/user_report_print.h"
#include "store/address_dataset.h"
#include "store/address_file.h"
#include "store/field_lengths.h"
#include "xbase/apollo.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// An address file of three records, one with a memo of several lines, and
// a letter-size printer; made once for all inputs.
struct TReportWorld {
    TReportWorld()
    {
        Require(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("add0001.DBF"));
        Require(quorvel::CreateAddressFile(path, addresses, quorvel::TNewFileFieldLengths()).ok);
        Require(quorvel::OpenTableFile(path, addresses).ok);
        const char* const names[] = {"Able", "Baker", "Charlie"};
        for (const char* name : names) {
            Require(addresses.Insert());
            Require(addresses.SetFieldAsString(u"LNAME", QString::fromLatin1(name)));
            Require(addresses.SetFieldAsString(u"FNAME", QStringLiteral("Pat")));
            if (name == names[1])
                Require(addresses.SetMemoText(u"MEMO", QStringLiteral("First line\r\nA second line that is long "
                                                                      "enough to wrap on a narrow page\r\nThird")));
            Require(addresses.Post());
        }
        addresses.SetExtraFields(true);
        output::TFixedPrinterCatalog::Printer laser;
        laser.entry = {QStringLiteral("Office Laser"), QStringLiteral("LPT1:"), QStringLiteral("PCL Laser"), true};
        laser.sizes = {QPageSize(QPageSize::Letter), QPageSize(QPageSize::A4)};
        laser.margins = QMarginsF(0.25, 0.25, 0.25, 0.25);
        device = std::make_unique<output::TRPDevice>(std::make_unique<output::TFixedPrinterCatalog>(
            std::vector<output::TFixedPrinterCatalog::Printer>{laser}));
    }

    QTemporaryDir folder;
    xbase::TApollo engine;
    quorvel::TAddressDataset addresses{engine};
    std::unique_ptr<output::TRPDevice> device;
};

void PrintReport(TReportWorld& world, const QString& designPath)
{
    reports::TReportDesign design(96);
    if (!design.Load(designPath).status)
        return;
    output::TPrintJobTexts texts;
    texts.printCompleted = QStringLiteral("\rReport Print Completed!");
    output::TPrintStatus status(true, texts);
    status.SetDevice(world.device.get());
    status.SetEventPump([] {});
    const design::TGAddressRecord record(world.addresses);
    Require(world.addresses.First());
    reports::TUserDefinedReportPrint producer(design, world.addresses, record, false, status, 96);
    status.OnBeforePrint = [&producer](output::TBaseReport& report) { producer.BeforePrint(report); };
    status.OnPrint = [&producer](output::TBaseReport& report) { producer.Print(report); };
    status.Run();
    Require(status.Ended());
    if (status.Outcome() == output::TPrintOutcome::poCompleted) {
        Require(producer.Records() == 3);
        Require(!output::ReadPageStream(status.PreviewStream().data()).empty());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnsureFuzzApplication("fuzz_report");
    static TReportWorld world;
    const QString path = world.folder.filePath(QStringLiteral("BIN00001.R"));
    {
        QFile file(path);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Require(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) == static_cast<qint64>(size));
    }
    PrintReport(world, path);
    return 0;
}
