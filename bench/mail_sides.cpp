#include "mail_sides.h"

#include "output/page_stream.h"
#include "side_process.h"
#include "store/address_file.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPicture>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace quorvel::bench {

namespace {

constexpr int kResolution = 1200; // what the runs' PDF printer uses

} // namespace

MailRunPlace::MailRunPlace(const std::string& addressFile, const QString& pdf)
    : device(std::make_unique<output::TFixedPrinterCatalog>())
{
    const TAddressOpenResult opened = OpenQVWFile(QString::fromStdString(addressFile), addresses);
    if (!opened.ok || !addresses.SetQuery(QStringLiteral("!ISDEL")))
        throw std::runtime_error("cannot open the address file");
    device.SelectPrinterByName(output::TRPDevice::PdfPrinterName());
    dialogs.pdfFileNames.push_back(pdf);
}

std::string MailRunPlace::Said() const
{
    return (dialogs.errors + dialogs.notices).join(u' ').toStdString();
}

std::vector<PhaseResult> runOurMailSide(const std::string& folder, const char* pdfPhase,
                                        const std::function<int(bool preview, const QString& pdf)>& run,
                                        const QByteArray& previewBytes)
{
    const QString pdf = QString::fromStdString(folder) + QStringLiteral("/ours.pdf");
    std::vector<PhaseResult> log;
    PhaseClock clock(log);
    clock.run(pdfPhase, [&] { return run(false, pdf); });
    clock.run(kPhasePreview, [&] { return run(true, QString()); });
    clock.run(kPhaseTexts, [&] {
        TextHash hash;
        const std::vector<output::TPage> pages = output::ReadPageStream(previewBytes);
        for (std::size_t page = 0; page < pages.size(); ++page)
            for (const output::TPageOp& op : pages[page].ops)
                if (const auto* text = std::get_if<output::TTextOp>(&op))
                    hash.add(static_cast<int>(page) + 1, text->text.toStdString());
        return hash.value();
    });
    return log;
}

std::vector<PhaseResult> runDirectMailSide(const std::string& folder, const std::string& addressFile,
                                           const char* pdfPhase, const QPageLayout& page, const DirectMailDraw& draw)
{
    TextHash hash;
    std::vector<PhaseResult> log;
    PhaseClock clock(log);
    clock.run(pdfPhase, [&] {
        QPdfWriter writer(QString::fromStdString(folder) + QStringLiteral("/direct.pdf"));
        writer.setResolution(kResolution);
        writer.setPageLayout(page);
        QPainter painter;
        DirectAddressPiece piece(writer, kResolution, &hash);
        const int pages = draw(addressFile, piece, pdfPages(writer, painter));
        painter.end();
        return pages;
    });
    clock.run(kPhasePreview, [&] {
        QPdfWriter metrics(QString::fromStdString(folder) + QStringLiteral("/unused.pdf"));
        metrics.setResolution(kResolution);
        std::vector<std::unique_ptr<QPicture>> pictures;
        QPainter painter;
        DirectAddressPiece piece(metrics, kResolution, nullptr);
        return draw(addressFile, piece, picturePages(pictures, painter));
    });
    clock.run(kPhaseTexts, [&] { return hash.value(); });
    return log;
}

std::function<QPainter&()> pdfPages(QPdfWriter& writer, QPainter& painter)
{
    return [&writer, &painter]() -> QPainter& {
        if (!painter.isActive()) {
            if (!painter.begin(&writer))
                throw std::runtime_error("cannot start the PDF");
        } else {
            writer.newPage();
        }
        return painter;
    };
}

std::function<QPainter&()> picturePages(std::vector<std::unique_ptr<QPicture>>& pictures, QPainter& painter)
{
    return [&pictures, &painter]() -> QPainter& {
        if (painter.isActive())
            painter.end();
        pictures.push_back(std::make_unique<QPicture>());
        painter.begin(pictures.back().get());
        return painter;
    };
}

bool printMailSides(const std::vector<PhaseResult>& ours, const std::vector<PhaseResult>& direct,
                    std::uint32_t count, const char* pieces, const std::string& headline)
{
    std::printf("%u %s, %s\n\n", count, pieces, headline.c_str());
    const bool agree = printSideBySide(ours, direct, "direct");
    for (const auto* side : {&ours, &direct}) {
        const PhaseResult& pdf = side->front();
        std::printf("%-10s %9.0f %s/s to PDF\n", side == &ours ? "ours:" : "direct:",
                    pdf.seconds > 0 ? count / pdf.seconds : 0.0, pieces);
    }
    std::printf("n = pages (the hash of every text, in page order, on the last line); ratio = ours / direct; "
                "MB = peak resident memory of that side's process so far\n\n");
    if (!agree)
        std::printf("the two sides DISAGREE on the pages or their texts\n");
    return agree;
}

} // namespace quorvel::bench
