#include "store/tag_id.h"

#include <gtest/gtest.h>

using namespace quorvel;

TEST(TagId, Base36HasNoLeadingZerosAndZeroIsEmpty)
{
    EXPECT_EQ(toBase36(0), QString());
    EXPECT_EQ(toBase36(35), QStringLiteral("Z"));
    EXPECT_EQ(toBase36(36), QStringLiteral("10"));
    EXPECT_EQ(toBase36(1231235959), QStringLiteral("KD1NQV"));
}

TEST(TagId, IsTheYearSince1995ThenTheMomentInBase36)
{
    const struct {
        QDateTime moment;
        const char* id;
    } cases[] = {
        // 2026 - 1995 = 31 = "V"; 1210115047 in base 36 = "K0GYQV".
        {QDateTime(QDate(2026, 12, 10), QTime(11, 50, 47)), "VK0GYQV"},
        // The year 1995 gives no digits at all.
        {QDateTime(QDate(1995, 1, 1), QTime(0, 0, 0)), "1O4S3K"},
        // The longest: fits the eight characters of TAG.
        {QDateTime(QDate(2030, 12, 31), QTime(23, 59, 59)), "ZKD1NQV"},
    };
    for (const auto& c : cases) {
        const QString id = tagIdAt(c.moment);
        EXPECT_EQ(id, QString::fromLatin1(c.id)) << c.id;
        EXPECT_LE(id.size(), 8);
    }
}

TEST(TagId, ANewIdNeverEqualsTheOneInForce)
{
    const QDateTime now(QDate(2026, 12, 10), QTime(11, 50, 47));
    const QString inForce = tagIdAt(now);
    const QString renewed = newTagId(now, inForce);
    EXPECT_NE(renewed, inForce);
    EXPECT_EQ(renewed, tagIdAt(now.addSecs(1)));
    EXPECT_EQ(newTagId(now, QStringLiteral("OTHER")), inForce);
}
