#include "ui/help_library.h"

#include "support/temp_dir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

void writePage(const std::string& path, const char* html)
{
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(html);
}

} // namespace

TEST(HelpLibrary, ListsNumberedPagesByContextAndSearchesTheirText)
{
    testing_support::TempDir dir;
    writePage(dir.file("1083.html"), "<html><head><title>Letters</title></head><body>Print form letters</body></html>");
    writePage(dir.file("1029.html"), "<html><head><title>The main window</title></head><body><b>Add</b> records</body></html>");
    writePage(dir.file("index.html"), "<html><head><title>Contents</title></head></html>");
    writePage(dir.file("notes.txt"), "not a page");
    const THelpLibrary library(QString::fromStdString(dir.path()));

    const QList<THelpTopic> topics = library.topics();
    ASSERT_EQ(topics.size(), 2);
    EXPECT_EQ(topics[0].context, 1029);
    EXPECT_EQ(topics[0].title, QStringLiteral("The main window"));
    EXPECT_EQ(library.topicPath(1083), QString::fromStdString(dir.file("1083.html")));
    EXPECT_EQ(library.topicPath(9999), QString());

    EXPECT_EQ(library.search(QString()).size(), 2);
    ASSERT_EQ(library.search(QStringLiteral("FORM")).size(), 1);
    EXPECT_EQ(library.search(QStringLiteral("form"))[0].context, 1083);
    EXPECT_TRUE(library.search(QStringLiteral("body")).isEmpty()); // markup is not text
}

TEST(HelpLibrary, LinksNameTheirContext)
{
    EXPECT_EQ(THelpLibrary::contextOf(QUrl(QStringLiteral("1029.html"))), 1029);
    EXPECT_EQ(THelpLibrary::contextOf(QUrl::fromLocalFile(QStringLiteral("/usr/share/quorvel/help/40003.html"))), 40003);
    EXPECT_EQ(THelpLibrary::contextOf(QUrl(QStringLiteral("help:1087"))), 1087);
    EXPECT_EQ(THelpLibrary::contextOf(QUrl(QStringLiteral("index.html"))), std::nullopt);
    EXPECT_EQ(THelpLibrary::contextOf(QUrl(QStringLiteral("https://example.org/"))), std::nullopt);
}

TEST(HelpLibrary, EveryContextTheWindowsUseHasASuppliedPage)
{
    const THelpLibrary library(THelpLibrary::defaultFolder());
    for (int context : {1003, 1021, 1022, 1023, 1024, 1029, 1030, 1031, 1032, 1033, 1034, 1035, 1038, 1041, 1043, 1044, 1045, 1046,
                        1047, 1078, 1079, 1083, 1084, 1085, 1086, 1087, 1092, 2001, 2002, 2003, 40003, 40004, 40005,
                        40006, 40007, 40008, 40009})
        EXPECT_FALSE(library.topicPath(context).isEmpty()) << context;
}
