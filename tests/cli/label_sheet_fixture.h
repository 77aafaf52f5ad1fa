#pragma once

// What the label command tests share: the sheet they print on and an
// address file of named records (pdf_text.h reads the PDFs back).
#include "pdf_text.h"
#include "store/address_dataset.h"
#include "store/address_file.h"
#include "store/field_lengths.h"
#include "xbase/apollo.h"

#include <QString>

#include <gtest/gtest.h>

#include <string>
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

} // namespace quorvel::cli_tests
