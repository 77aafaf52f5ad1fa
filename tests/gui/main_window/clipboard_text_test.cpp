#include "app/record_clipboard_text.h"

#include <QHash>

#include <gtest/gtest.h>

namespace quorvel {
namespace {

QString textOf(const QHash<QString, QString>& record, const TClipboardGroups& groups = {})
{
    return recordClipboardText([&record](const QString& field) { return record.value(field); }, groups);
}

const QHash<QString, QString> kFull = {
    {QStringLiteral("PREFIX"), QStringLiteral("Dr.")},      {QStringLiteral("FNAME"), QStringLiteral("Ann")},
    {QStringLiteral("MIDDLE"), QStringLiteral("Q")},        {QStringLiteral("LNAME"), QStringLiteral("Lee")},
    {QStringLiteral("TITLE"), QStringLiteral("Director")},  {QStringLiteral("ORG"), QStringLiteral("Acme")},
    {QStringLiteral("STREET"), QStringLiteral("1 Elm St")}, {QStringLiteral("STREET2"), QStringLiteral("Suite 2")},
    {QStringLiteral("CITY"), QStringLiteral("Troy")},       {QStringLiteral("STATE"), QStringLiteral("NY")},
    {QStringLiteral("ZIP"), QStringLiteral("12180")},       {QStringLiteral("COUNTRY"), QStringLiteral("USA")},
    {QStringLiteral("PHONE"), QStringLiteral("555-1")},     {QStringLiteral("PHONE2"), QStringLiteral("555-2")},
    {QStringLiteral("CODES"), QStringLiteral("VIP")},       {QStringLiteral("USER1"), QStringLiteral("one")},
    {QStringLiteral("USER2"), QStringLiteral("two")},
};

TEST(ClipboardTextTest, EveryGroupInOrder)
{
    EXPECT_EQ(textOf(kFull), QStringLiteral("Dr. Ann Q. Lee \r\nDirector\r\nAcme\r\n1 Elm St\r\nSuite 2\r\n"
                                            "Troy  NY 12180\r\nUSA \r\nPhone  :555-1\r\nPhone 2:555-2\r\n"
                                            "Codes :VIP\r\nComment 1 :one\r\nComment 2 :two\r\n"));
}

TEST(ClipboardTextTest, EmptyFieldsLeaveNoGapsAndNoBlankLines)
{
    const QHash<QString, QString> record = {{QStringLiteral("FNAME"), QStringLiteral("Ann")},
                                            {QStringLiteral("LNAME"), QStringLiteral("Lee")},
                                            {QStringLiteral("PHONE2"), QStringLiteral("555-2")}};
    EXPECT_EQ(textOf(record), QStringLiteral("Ann Lee \r\nPhone 2:555-2\r\n"));
    EXPECT_EQ(textOf({}), QString());
}

TEST(ClipboardTextTest, OnlyTheChosenGroups)
{
    TClipboardGroups groups;
    groups.name = false;
    groups.address = false;
    groups.comments = false;
    EXPECT_EQ(textOf(kFull, groups), QStringLiteral("Phone  :555-1\r\nPhone 2:555-2\r\nCodes :VIP\r\n"));
}

} // namespace
} // namespace quorvel
