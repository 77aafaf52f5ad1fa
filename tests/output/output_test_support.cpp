#include "output_test_support.h"

#include <QProcess>
#include <QRegularExpression>

namespace output_testing {

using namespace output;

std::unique_ptr<TRPDevice> MakeOfficeDevice(double unprintable)
{
    TFixedPrinterCatalog::Printer laser;
    laser.entry = {QStringLiteral("Office Laser"), QStringLiteral("LPT1:"), QStringLiteral("PCL Laser"), true};
    laser.sizes = {QPageSize(QPageSize::Letter), QPageSize(QPageSize::A4), QPageSize(QPageSize::A5)};
    laser.bins = {QStringLiteral("Upper Tray"), QStringLiteral("Manual Feed")};
    laser.margins = QMarginsF(unprintable, unprintable, unprintable, unprintable);
    laser.resolution = 600;
    std::vector<TFixedPrinterCatalog::Printer> printers{laser};
    return std::make_unique<TRPDevice>(std::make_unique<TFixedPrinterCatalog>(printers));
}

RecordingJob::RecordingJob() : device(MakeOfficeDevice())
{
    filer.SetDevice(device.get());
    filer.SetDialogs(&dialogs);
    filer.SetStreamMode(smUser);
    filer.SetStream(&stream);
    filer.SetUnitsFactor(1.0);
    filer.SetLineHeightMethod(lhmFont);
    filer.SetMarginLeft(0.5);
    filer.SetMarginRight(0.5);
    filer.SetMarginTop(0.5);
    filer.SetMarginBottom(0.5);
}

std::vector<TPage> RecordingJob::Record(const std::function<void(TBaseReport&)>& body)
{
    filer.OnPrint = body;
    filer.RunJob();
    return ReadPageStream(stream);
}

TPrintJobTexts SampleJobTexts()
{
    TPrintJobTexts texts;
    texts.printCompleted = QStringLiteral("\rJob Print Completed!");
    texts.printCanceled = QStringLiteral("\rJob Print Canceled!");
    texts.previewCanceled = QStringLiteral("\rJob Preview Canceled!");
    texts.cancelQuestion = QStringLiteral("Cancel Job Printing?");
    return texts;
}

std::vector<TTextOp> TextsOf(const TPage& page)
{
    std::vector<TTextOp> texts;
    for (const TPageOp& op : page.ops)
        if (const auto* text = std::get_if<TTextOp>(&op))
            texts.push_back(*text);
    return texts;
}

std::vector<PdfWordBox> ReadPdfWords(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfWordBox> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(5), m.captured(1).toDouble() / 72, m.captured(2).toDouble() / 72,
                         m.captured(3).toDouble() / 72, m.captured(4).toDouble() / 72});
    }
    return words;
}

std::vector<TShapeOp> ShapesOf(const TPage& page)
{
    std::vector<TShapeOp> shapes;
    for (const TPageOp& op : page.ops)
        if (const auto* shape = std::get_if<TShapeOp>(&op))
            shapes.push_back(*shape);
    return shapes;
}

} // namespace output_testing
