#include "store/field_lengths.h"
#include "store/ini_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace quorvel;

TEST(NewFileFieldLengths, DefaultsAreTheStandardWidths)
{
    const TNewFileFieldLengths lengths;
    const struct {
        const char* field;
        int width;
    } cases[] = {{"LNAME", 30}, {"PREFIX", 12}, {"STREET", 40}, {"STATE", 20}, {"ZIP", 10}, {"FAX", 40}, {"EMAIL", 40}};
    for (const auto& c : cases)
        EXPECT_EQ(lengths.width(QString::fromLatin1(c.field)), c.width) << c.field;
    EXPECT_EQ(lengths.width(u"MIDDLE"), std::nullopt);
    EXPECT_EQ(TNewFileFieldLengths::fields().size(), 18u);
}

TEST(NewFileFieldLengths, TheDefaultsButtonGivesAShorterFax)
{
    EXPECT_EQ(TNewFileFieldLengths::buttonDefaults().width(u"FAX"), 30);
    EXPECT_EQ(TNewFileFieldLengths::buttonDefaults().width(u"EMAIL"), 40);
}

TEST(NewFileFieldLengths, WidthsOutsideFiveToEightyReadAsTheDefault)
{
    testing_support::TempDir dir;
    TIniFile ini(QString::fromStdString(dir.file("QUORVL.ini")));
    ASSERT_TRUE(ini.write({
        {QStringLiteral("NewFileFieldLengths"), QStringLiteral("FieldLNAME"), QStringLiteral("4")},
        {QStringLiteral("NewFileFieldLengths"), QStringLiteral("FieldFNAME"), QStringLiteral("81")},
        {QStringLiteral("NewFileFieldLengths"), QStringLiteral("FieldCITY"), QStringLiteral("5")},
        {QStringLiteral("NewFileFieldLengths"), QStringLiteral("FieldSTATE"), QStringLiteral("80")},
        {QStringLiteral("NewFileFieldLengths"), QStringLiteral("FieldZIP"), QStringLiteral("ten")},
    }));
    const TNewFileFieldLengths lengths = TNewFileFieldLengths::load(ini);
    EXPECT_EQ(lengths.width(u"LNAME"), 30);
    EXPECT_EQ(lengths.width(u"FNAME"), 30);
    EXPECT_EQ(lengths.width(u"CITY"), 5);
    EXPECT_EQ(lengths.width(u"STATE"), 80);
    EXPECT_EQ(lengths.width(u"ZIP"), 10);
}

TEST(NewFileFieldLengths, SavingValidatesAndWritesAllEighteen)
{
    testing_support::TempDir dir;
    TIniFile ini(QString::fromStdString(dir.file("QUORVL.ini")));
    TNewFileFieldLengths lengths;
    lengths.setWidth(u"ORG", 60);
    lengths.setWidth(u"EMAIL", 200);
    ASSERT_TRUE(lengths.save(ini));
    EXPECT_EQ(ini.read().keys(QStringLiteral("NewFileFieldLengths")).size(), 18);
    EXPECT_EQ(ini.readInteger(QStringLiteral("NewFileFieldLengths"), QStringLiteral("FieldORG"), 0), 60);
    EXPECT_EQ(ini.readInteger(QStringLiteral("NewFileFieldLengths"), QStringLiteral("FieldEMAIL"), 0), 40);
    EXPECT_EQ(TNewFileFieldLengths::load(ini).width(u"ORG"), 60);
}
