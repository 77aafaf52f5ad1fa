// Feeds any bytes to the check of a label layout row, laid out as a record
// of LABEL.DBF (each column its width, in table order, Windows-1252). A row
// the check accepts must be usable as it stands: counts within the sheet
// limits, lengths from 0 to 99.999 inches, and the texts a save writes must
// fit their columns and read back to the same texts.

#include "labels/label_rows.h"
#include "store/cp1252.h"
#include "store/system_tables.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>

namespace {

using TRow = std::map<QString, QString>;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

QString WithoutTrailingBlanks(QString text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

// The record's columns as the dataset would give them.
TRow SplitRecord(QByteArrayView record)
{
    TRow row;
    qsizetype at = 0;
    for (const quorvel::TFieldDef& field : quorvel::systemTableFields(quorvel::TSystemTable::stLabel)) {
        const qsizetype length = std::clamp<qsizetype>(record.size() - at, 0, field.width);
        const QByteArrayView bytes = length > 0 ? record.sliced(at, length) : QByteArrayView();
        row[field.name] = WithoutTrailingBlanks(quorvel::fromCp1252(bytes));
        at += field.width;
    }
    return row;
}

labels::TLayoutRead Read(const TRow& row)
{
    return labels::ReadLayoutRow([&row](const QString& column) {
        const auto found = row.find(column);
        return found == row.end() ? QString() : found->second;
    });
}

TRow Written(const labels::TLabelLayout& layout)
{
    TRow row;
    for (const labels::TColumnText& text : labels::LayoutRowTexts(layout))
        row[text.column] = text.text;
    return row;
}

void RequireFitsItsColumns(const TRow& written)
{
    for (const quorvel::TFieldDef& field : quorvel::systemTableFields(quorvel::TSystemTable::stLabel)) {
        const auto text = written.find(field.name);
        Require(text == written.end() || text->second.size() <= field.width);
    }
}

void CheckAccepted(const labels::TLabelLayout& layout)
{
    const labels::TLabelGeometry& g = layout.stock.geometry;
    Require(g.HasValidCounts());
    for (double length : {g.height, g.width, g.topMargin, g.leftMargin, g.horizPitch, g.vertPitch, g.sheetWidth,
                          g.sheetDepth, g.midExtraX, g.midExtraY})
        Require(length >= 0.0 && length <= 99.999);
    const TRow written = Written(layout);
    RequireFitsItsColumns(written);
    const labels::TLayoutRead again = Read(written);
    Require(again.layout.has_value());
    Require(Written(*again.layout) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView record(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const labels::TLayoutRead read = Read(SplitRecord(record));
    if (read.layout)
        CheckAccepted(*read.layout);
    else
        Require(!read.message.isEmpty());
    return 0;
}
