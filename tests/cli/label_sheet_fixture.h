#pragma once

// What the label command tests share: the sheet they print on, an address
// file of named records, and the words pdftotext -bbox finds in a PDF.
#include "store/address_dataset.h"
#include "store/address_file.h"
#include "store/field_lengths.h"
#include "xbase/apollo.h"

#include <QFile>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace quorvel::cli_tests {

// Letter sheets of 3 x 10 labels, 2.625 x 1 inch.
constexpr double kLeftMargin = 0.188;
constexpr double kTopMargin = 0.5;
constexpr double kHorizPitch = 2.75;
constexpr double kVertPitch = 1.0;
constexpr int kAcross = 3;
const std::string kGeometry = "1,2.625,3,10,0.5,0.188,2.75,1,8.5,11";

struct AddressRow {
    std::string name; // LNAME
    std::string zip;
    bool deleted = false; // ISDEL, as the main window's Delete leaves it
};

// A new address file with its 26 tags holding `rows` in order.
inline void MakeAddressFile(const std::string& file, const std::vector<AddressRow>& rows)
{
    xbase::TApollo engine;
    quorvel::TAddressDataset dataset(engine);
    const QString path = QString::fromStdString(file);
    ASSERT_TRUE(quorvel::CreateAddressFile(path, dataset, quorvel::TNewFileFieldLengths()).ok);
    ASSERT_TRUE(quorvel::OpenTableFile(path, dataset).ok);
    for (const AddressRow& row : rows) {
        ASSERT_TRUE(dataset.Insert());
        ASSERT_TRUE(dataset.SetFieldAsString(u"LNAME", QString::fromStdString(row.name)));
        ASSERT_TRUE(dataset.SetFieldAsString(u"ZIP", QString::fromStdString(row.zip)));
        ASSERT_TRUE(dataset.SetFieldAsBoolean(u"ISDEL", row.deleted));
        ASSERT_TRUE(dataset.Post()) << dataset.lastError().toStdString();
    }
    dataset.Close();
}

struct PdfWord {
    int page = 0; // 1-based
    double x = 0; // inches from the page's top-left corner
    double y = 0;
    std::string text;
};

struct PdfText {
    std::vector<std::pair<double, double>> pageSizes; // inches
    std::vector<PdfWord> words;
};

// What pdftotext -bbox finds in the file: each page's size and each word's
// box, converted from points to inches.
inline PdfText ReadPdf(const std::string& pdf, const std::string& scratch)
{
    PdfText read;
    const std::string html = scratch + "/bbox.html";
    if (std::system(("pdftotext -bbox '" + pdf + "' '" + html + "' 2>/dev/null").c_str()) != 0)
        return read;
    QFile file(QString::fromStdString(html));
    if (!file.open(QIODevice::ReadOnly))
        return read;
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression item(
        QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">|<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>"
                       "([^<]*)</word>"));
    for (auto match = item.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        if (!m.captured(1).isEmpty())
            read.pageSizes.emplace_back(m.captured(1).toDouble() / 72, m.captured(2).toDouble() / 72);
        else
            read.words.push_back({static_cast<int>(read.pageSizes.size()), m.captured(3).toDouble() / 72,
                                  m.captured(4).toDouble() / 72, m.captured(5).toStdString()});
    }
    return read;
}

} // namespace quorvel::cli_tests
