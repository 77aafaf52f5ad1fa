#include "envelopes/envelope_settings.h"

#include "output/rp_device.h"
#include "store/ini_file.h"

namespace envelopes {

namespace {

const QString kFeed = QStringLiteral("Envelope Feed");
const QString kPrinter = QStringLiteral("Envelope Printer");
const QString kOrientation = QStringLiteral("Orientation");
const QString kFacing = QStringLiteral("Facing");
const QString kPosition = QStringLiteral("Position");
const QString kClockwise = QStringLiteral("ClockWiseRotation");
const QString kPrinterName = QStringLiteral("Printer");
const QString kBin = QStringLiteral("Bin");
const QString kPaper = QStringLiteral("Paper");

// The stored value when it is one of 0..last, else the default.
int ReadChoice(const quorvel::TIniFile& ini, const QString& key, int last, int defaultValue)
{
    const int value = ini.readInteger(kFeed, key, defaultValue);
    return value >= 0 && value <= last ? value : defaultValue;
}

// The name as the device lists it at `index`, empty when there is none.
QString NameAt(const QStringList& names, int index)
{
    return index >= 0 && index < names.size() ? names.at(index) : QString();
}

void SelectPrinterNamed(const QString& stored, output::TRPDevice& device)
{
    const qsizetype on = stored.indexOf(QStringLiteral(" on "));
    const QString name = on < 0 ? stored : stored.left(on);
    const QStringList printers = device.PrinterNames();
    for (qsizetype i = 0; i < printers.size(); ++i) {
        if (printers.at(i).compare(name, Qt::CaseInsensitive) == 0) {
            // Selecting a printer anew resets its source and paper; the one
            // in use keeps what was chosen on it.
            if (printers.at(i) != device.DeviceName())
                device.SelectPrinterIndex(static_cast<int>(i));
            return;
        }
    }
}

} // namespace

TEnvelopeFeedDescription ReadEnvelopeFeed(const quorvel::TIniFile& ini)
{
    const TEnvelopeFeedDescription defaults;
    TEnvelopeFeedDescription feed;
    feed.orientation = static_cast<TFeedOrientation>(ReadChoice(ini, kOrientation, foLandscape, defaults.orientation));
    feed.facing = static_cast<TFeedFacing>(ReadChoice(ini, kFacing, ffDown, defaults.facing));
    feed.position = static_cast<TFeedPosition>(ReadChoice(ini, kPosition, fpCenter, defaults.position));
    feed.clockwise = ini.readBool(kFeed, kClockwise, defaults.clockwise);
    return feed;
}

TEnvelopePrinterSettings ReadEnvelopePrinter(const quorvel::TIniFile& ini)
{
    TEnvelopePrinterSettings settings;
    settings.printer = ini.readString(kPrinter, kPrinterName);
    settings.bin = ini.readString(kPrinter, kBin);
    settings.paper = ini.readString(kPrinter, kPaper);
    // A value that is no number is as good as none: the device keeps its own.
    bool isNumber = false;
    const int orientation = ini.readString(kPrinter, kOrientation).trimmed().toInt(&isNumber);
    if (isNumber)
        settings.orientation = orientation;
    return settings;
}

void ApplyEnvelopePrinter(const TEnvelopePrinterSettings& settings, output::TRPDevice& device)
{
    if (!device.HasPrinters())
        return;
    if (!settings.printer.isEmpty())
        SelectPrinterNamed(settings.printer, device);
    if (!settings.bin.isEmpty())
        device.SelectBinByName(settings.bin);
    if (!settings.paper.isEmpty())
        device.SelectPaperByName(settings.paper);
    if (settings.orientation)
        device.SetOrientation(*settings.orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

quorvel::TTableResult SaveEnvelopeSettings(quorvel::TIniFile& ini, const output::TRPDevice& device,
                                           const TEnvelopeFeedDescription& feed)
{
    QList<quorvel::TIniEntry> entries;
    if (device.HasPrinters()) {
        const bool landscape = device.Orientation() == QPageLayout::Landscape;
        entries << quorvel::TIniEntry{kPrinter, kPrinterName, device.DeviceName() + QStringLiteral(" on ") + device.Port()}
                << quorvel::TIniEntry{kPrinter, kBin, NameAt(device.BinNames(), device.CurrentBinIndex())}
                << quorvel::TIniEntry{kPrinter, kPaper, NameAt(device.PaperNames(), device.CurrentPaperIndex())}
                << quorvel::TIniEntry{kPrinter, kOrientation, QString::number(landscape ? 1 : 0)};
    }
    entries << quorvel::TIniEntry{kFeed, kOrientation, QString::number(feed.orientation)}
            << quorvel::TIniEntry{kFeed, kFacing, QString::number(feed.facing)}
            << quorvel::TIniEntry{kFeed, kPosition, QString::number(feed.position)}
            << quorvel::TIniEntry{kFeed, kClockwise, feed.clockwise ? QStringLiteral("1") : QStringLiteral("0")};
    if (ini.write(entries))
        return quorvel::TTableResult::success();
    return quorvel::TTableResult::failure(
        {QStringLiteral("The envelope printer settings could not be saved: ") + ini.lastError()}, ini.lastError());
}

} // namespace envelopes
