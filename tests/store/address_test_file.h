#pragma once

#include "store/address_dataset.h"
#include "store/address_file.h"
#include "store/field_lengths.h"
#include "support/temp_dir.h"
#include "xbase/apollo.h"

#include <QString>

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace quorvel::store_tests {

using TValues = std::initializer_list<std::pair<const char*, const char*>>;

inline QString qs(const std::string& text) { return QString::fromStdString(text); }

// A new address file in a temporary folder, opened through an address
// dataset, with helpers to add records.
class AddressFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = qs(dir.file("add0001.DBF"));
        const TTableResult created = CreateAddressFile(path, dataset, TNewFileFieldLengths());
        ASSERT_TRUE(created.ok) << created.detail.toStdString();
        const TTableResult opened = OpenTableFile(path, dataset);
        ASSERT_TRUE(opened.ok) << opened.detail.toStdString();
    }

    void add(TValues values, const QString& memo = {})
    {
        ASSERT_TRUE(dataset.Insert());
        for (const auto& [field, value] : values) {
            ASSERT_TRUE(dataset.SetFieldAsString(QString::fromLatin1(field), QString::fromUtf8(value)))
                << dataset.lastError().toStdString();
        }
        if (!memo.isEmpty()) {
            ASSERT_TRUE(dataset.SetMemoText(u"MEMO", memo));
        }
        ASSERT_TRUE(dataset.Post()) << dataset.lastError().toStdString();
    }

    // Last names in the dataset's current order.
    QStringList lastNames()
    {
        QStringList names;
        for (bool more = dataset.First(); more; more = dataset.Next())
            names << dataset.FieldAsString(u"LNAME");
        return names;
    }

    testing_support::TempDir dir;
    QString path;
    xbase::TApollo engine;
    TAddressDataset dataset{engine};
};

} // namespace quorvel::store_tests
