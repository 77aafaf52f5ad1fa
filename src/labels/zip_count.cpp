#include "labels/zip_count.h"

#include "store/cp1252.h"
#include "store/dataset.h"
#include "xbase/apollo.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>

namespace labels {

namespace {

constexpr int kCodeLength = 5;

// The test on the code's bytes (Windows-1252). Only the bounds' ASCII
// characters take part in the comparison, so any character beyond ASCII
// compares above them in every encoding.
bool CountedBytes(std::string_view code)
{
    static constexpr std::string_view low = "00000";
    static constexpr std::string_view high = "99999-999";
    if (code.size() != kCodeLength || code.front() < '0' || code.front() > '9')
        return false;
    return code.compare(low) >= 0 && code.compare(high) <= 0;
}

bool AllDigits(const unsigned char* code)
{
    return std::all_of(code, code + kCodeLength, [](unsigned char c) { return c >= '0' && c <= '9'; });
}

int DigitValue(const unsigned char* code)
{
    int value = 0;
    for (int i = 0; i < kCodeLength; ++i)
        value = value * 10 + (code[i] - '0');
    return value;
}

using TByteTallies = std::unordered_map<std::string, std::int64_t>;

std::vector<TZipTally> SortedTallies(const TByteTallies& tallies)
{
    std::vector<std::pair<std::string, std::int64_t>> sorted(tallies.begin(), tallies.end());
    // std::string orders by unsigned bytes, which is the order of the
    // Windows-1252 character codes; converting first would not be.
    std::sort(sorted.begin(), sorted.end());
    std::vector<TZipTally> result;
    result.reserve(sorted.size());
    for (const auto& [code, count] : sorted)
        result.push_back(TZipTally{quorvel::fromCp1252(QByteArrayView(code.data(), qsizetype(code.size()))), count});
    return result;
}

// The tallies of one count. Nearly every code in a real list is five
// digits, which go straight into a table indexed by their value; the rare
// others (ZIP+4 cut short, letters, foreign codes) go into maps.
class TZipTallies {
public:
    TZipTallies() : digitCodes_(100000, 0) {}

    // `field` is the whole ZIP field as stored, blank padded.
    void Add(const unsigned char* field, int width)
    {
        int length = width;
        while (length > 0 && field[length - 1] == ' ')
            --length;
        length = std::min(length, kCodeLength);
        if (length == 0) {
            ++blank_;
            return;
        }
        if (length == kCodeLength && AllDigits(field)) {
            ++digitCodes_[static_cast<std::size_t>(DigitValue(field))];
            return;
        }
        std::string code(reinterpret_cast<const char*>(field), static_cast<std::size_t>(length));
        ++(CountedBytes(code) ? otherPostal_ : others_)[code];
    }

    TZipCount Sorted() const
    {
        TByteTallies postal = otherPostal_;
        for (std::size_t value = 0; value < digitCodes_.size(); ++value) {
            if (digitCodes_[value] == 0)
                continue;
            std::string code = std::to_string(value);
            code.insert(0, kCodeLength - code.size(), '0');
            postal[code] += digitCodes_[value];
        }
        return TZipCount{SortedTallies(postal), SortedTallies(others_), blank_};
    }

private:
    std::vector<std::int64_t> digitCodes_;
    TByteTallies otherPostal_; // postal by the test, but not all digits ("1ABCD")
    TByteTallies others_;
    std::int64_t blank_ = 0;
};

} // namespace

bool IsCountedZipCode(QStringView code)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(code.size()));
    for (QChar c : code)
        bytes.push_back(static_cast<char>(std::min<char16_t>(c.unicode(), 0xFF)));
    return CountedBytes(bytes);
}

std::optional<TZipCount> CountZipCodes(quorvel::TDataset& addresses, TZipCountProgress& progress)
{
    if (!addresses.Active())
        return TZipCount();
    const TZipScanCursorKeeper keeper(addresses);
    // Record number order reads the file front to back, which the engine
    // serves from its read-ahead buffer; the engine is driven directly so
    // that no record is converted to text or announced to the controls.
    addresses.SetOrder(QString());
    xbase::TApollo& engine = addresses.engine();
    // Without a ZIP field the width is 0: every record counts as blank.
    const int offset = engine.sx_FieldOffset("ZIP");
    const int width = engine.sx_FieldWidth("ZIP");
    TZipTallies tallies;
    progress.ShowStatus(QStringLiteral("Reading database records..."));
    for (engine.sx_GoTop(); !engine.sx_Eof(); engine.sx_Skip(1)) {
        const xbase::WorkArea* area = engine.workArea();
        const unsigned char* record = area->record().recordBuffer();
        // The query keeps deleted records out; a dataset without one must
        // not count them either.
        if (record[0] != '*')
            tallies.Add(record + offset, width);
        const std::uint32_t recno = area->recNo();
        if (recno % 100 == 0) {
            progress.ShowStatus(QStringLiteral("Reading record ") + QString::number(recno));
            if (progress.CancelRequested())
                return std::nullopt;
            // The window let pending messages run; should another window
            // have read a record meanwhile, the count goes on from its own.
            if (engine.sx_RecNo() != recno)
                engine.sx_Go(recno);
        }
    }
    progress.ShowStatus(QStringLiteral("Sorting Zip Codes..."));
    return tallies.Sorted();
}

TZipCount GroupZipCodes(const TZipCount& counts, int characters)
{
    TZipCount grouped{{}, counts.others, counts.blank};
    // The codes are sorted, so codes that share their first characters
    // stand together.
    for (const TZipTally& tally : counts.codes) {
        const QString prefix = tally.code.left(characters);
        if (!grouped.codes.empty() && grouped.codes.back().code == prefix)
            grouped.codes.back().count += tally.count;
        else
            grouped.codes.push_back(TZipTally{prefix, tally.count});
    }
    return grouped;
}

QString FormatZipCount(std::int64_t count)
{
    const QString digits = QString::number(count < 0 ? -count : count);
    QString text;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += QLatin1Char(',');
        text += digits.at(i);
    }
    return count < 0 ? QStringLiteral("-") + text : text;
}

namespace {

QString ReportLine(const QString& code, std::int64_t count)
{
    return code.left(10).leftJustified(10, QLatin1Char(' ')) + FormatZipCount(count);
}

} // namespace

QStringList ZipReportLines(const TZipCount& counts)
{
    QStringList lines;
    for (const TZipTally& tally : counts.codes)
        lines << ReportLine(tally.code, tally.count);
    lines << QString() << QString();
    for (const TZipTally& tally : counts.others)
        lines << ReportLine(tally.code, tally.count);
    lines << ReportLine(QStringLiteral("BLANK"), counts.blank);
    return lines;
}

QString ZipReportLineCode(const QString& line)
{
    QString code = line.left(kCodeLength);
    while (code.endsWith(QLatin1Char(' ')))
        code.chop(1);
    return code;
}

QString ZipReportLineCount(const QString& line) { return line.mid(kCodeLength).trimmed(); }

} // namespace labels
