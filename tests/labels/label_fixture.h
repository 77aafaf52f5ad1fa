#pragma once

#include "store/dataset.h"
#include "store/dataset_result.h"
#include "support/temp_dir.h"
#include "xbase/apollo.h"

#include <QString>
#include <QStringList>

#include <vector>

#include <gtest/gtest.h>

namespace labels_tests {

// A temporary sysdata folder with a dataset to open its tables through.
class LabelFolder : public ::testing::Test {
protected:
    QString Sysdata() const;
    QString PathOf(const QString& name) const { return Sysdata() + name; }
    QString PathOf(const char* name) const { return PathOf(QString::fromLatin1(name)); }
    // LBLTPL.DBF built from the supplied catalogue.
    void BuildSuppliedCatalogue();
    // LBLTPL.DBF built from catalogue lines without the header.
    void BuildCatalogue(const std::vector<const char*>& rows);
    // The DESCRIPT of every row the dataset shows, in its order.
    QStringList Descriptions();
    void WriteFile(const QString& name, const QByteArray& bytes) const;
    bool Exists(const QString& name) const;

    testing_support::TempDir dir;
    xbase::TApollo engine;
    quorvel::TDataset dataset{engine};
};

// Fails the test with the messages when an operation failed.
inline void ExpectOk(const quorvel::TTableResult& result)
{
    EXPECT_TRUE(result.ok) << result.messages.join(QLatin1Char('\n')).toStdString() << " / "
                           << result.detail.toStdString();
}

} // namespace labels_tests
