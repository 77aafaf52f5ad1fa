#include "labels/presort_count.h"

#include "labels/presort_zip.h"
#include "store/cp1252.h"
#include "store/dataset.h"
#include "xbase/apollo.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace labels {

bool TByCharacterCodes::operator()(const QString& left, const QString& right) const
{
    // Texts read from the files always encode; anything else sorts by Unicode.
    const quorvel::TCp1252Encoding a = quorvel::toCp1252(left);
    const quorvel::TCp1252Encoding b = quorvel::toCp1252(right);
    if (!a.ok() || !b.ok())
        return left < right;
    return a.bytes < b.bytes;
}


namespace {

constexpr std::uint32_t kStatusStride = 100;

// Tallies ZIP fields as raw bytes: a plain 5-digit ZIP, nearly every record
// of a real list, is one array slot; anything else goes by its text. Texts
// are made only once per distinct ZIP, when the tally is handed out.
class TZipTally {
public:
    TZipTally() : fiveDigits_(100000, 0) {}

    void Add(std::string_view field)
    {
        const std::string_view five = field.substr(0, std::min<std::size_t>(field.size(), kPresortZipLength));
        const auto* bytes = reinterpret_cast<const unsigned char*>(five.data());
        if (five.size() == kPresortZipLength && allDigits(five)) {
            ++fiveDigits_[static_cast<std::size_t>(number(five))];
        } else if (CountsForPresort(bytes, five.size())) {
            ++others_[std::string(withoutTrailingBlanks(five))];
        } else {
            ++notPresorted_[std::string(withoutTrailingBlanks(field))];
        }
    }

    TPresortCount Take() const
    {
        TPresortCount count;
        for (std::size_t zip = 0; zip < fiveDigits_.size(); ++zip) {
            if (fiveDigits_[zip] != 0)
                count.piecesByZip.emplace(QStringLiteral("%1").arg(zip, 5, 10, QLatin1Char('0')), fiveDigits_[zip]);
        }
        for (const auto& [zip, pieces] : others_)
            count.piecesByZip[quorvel::fromCp1252(QByteArrayView(zip.data(), qsizetype(zip.size())))] += pieces;
        for (const auto& [zip, pieces] : notPresorted_)
            count.notPresortedByZip[quorvel::fromCp1252(QByteArrayView(zip.data(), qsizetype(zip.size())))] += pieces;
        return count;
    }

private:
    static bool allDigits(std::string_view text)
    {
        for (const char c : text) {
            if (c < '0' || c > '9')
                return false;
        }
        return true;
    }
    static int number(std::string_view digits)
    {
        int value = 0;
        for (const char c : digits)
            value = value * 10 + (c - '0');
        return value;
    }
    static std::string_view withoutTrailingBlanks(std::string_view text)
    {
        while (!text.empty() && text.back() == ' ')
            text.remove_suffix(1);
        return text;
    }

    std::vector<std::uint32_t> fiveDigits_;
    std::map<std::string, std::uint32_t> others_;
    std::map<std::string, std::uint32_t> notPresorted_;
};

} // namespace

std::optional<TPresortCount> CountPresortPieces(quorvel::TDataset& addresses, TPresortProgress& progress)
{
    const TZipScanCursorKeeper keeper(addresses);
    progress.ShowStatus(QStringLiteral("Reading database records..."));
    if (progress.CancelRequested())
        return std::nullopt;
    // Record number order reads the file front to back, which the engine
    // serves from its read-ahead buffer; the record buffer is read in place.
    addresses.SetOrder(QString());
    xbase::TApollo& table = addresses.engine();
    const int width = table.sx_FieldType("ZIP") == 'C' ? table.sx_FieldWidth("ZIP") : 0;
    const int offset = width > 0 ? table.sx_FieldOffset("ZIP") : 0;
    TZipTally tally;
    for (bool moved = table.sx_GoTop(); moved && !table.sx_Eof(); moved = table.sx_Skip(1)) {
        const unsigned char* record = table.workArea()->record().recordBuffer();
        tally.Add(std::string_view(reinterpret_cast<const char*>(record) + offset, static_cast<std::size_t>(width)));
        const std::uint32_t recno = table.sx_RecNo();
        if (recno % kStatusStride == 0) {
            progress.ShowStatus(QStringLiteral("Reading record ") + QString::number(recno));
            if (progress.CancelRequested())
                return std::nullopt;
        }
    }
    progress.ShowStatus(QStringLiteral("Sorting Zip Codes..."));
    return tally.Take();
}

} // namespace labels
