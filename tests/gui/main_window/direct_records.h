#pragma once

#include "store/dataset.h"

#include <QMap>
#include <QString>

#include <gtest/gtest.h>

namespace quorvel::testing {

// Adds and posts a record straight through the dataset, quicker than
// typing it when the test is about something else.
inline void addDirectly(TDataset& dataset, const QMap<QString, QString>& fields, const QString& memo = {})
{
    ASSERT_TRUE(dataset.Insert());
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        ASSERT_TRUE(dataset.SetFieldAsString(it.key(), it.value())) << dataset.lastError().toStdString();
    }
    if (!memo.isEmpty()) {
        ASSERT_TRUE(dataset.SetMemoText(u"MEMO", memo));
    }
    ASSERT_TRUE(dataset.Post()) << dataset.lastError().toStdString();
}

} // namespace quorvel::testing
