// Creating, opening and checking address files; layout, names and the
// computed fields.
#include "address_test_file.h"

#include "store/address_derived.h"
#include "store/address_layout.h"
#include "store/address_names.h"
#include "store/address_records.h"
#include "store/address_display_date.h"
#include "store/ini_file.h"

#include <QFile>

using namespace quorvel;
using namespace quorvel::store_tests;

namespace {

// A DBF with the address layout minus `skip`, plus an extra field and other
// widths, and no index.
void createTable(const std::string& path, const QString& skip, int lnameWidth = 30)
{
    xbase::TApollo engine;
    std::vector<TFieldDef> fields = addressStoredFieldDefs();
    std::erase_if(fields, [&](const TFieldDef& f) { return f.name == skip; });
    ASSERT_TRUE(engine.sx_CreateNew(path, static_cast<int>(fields.size()) + 1));
    for (const TFieldDef& f : fields)
        engine.sx_CreateField(f.name.toStdString(), f.type, f.name == u"LNAME" ? lnameWidth : f.width, 0);
    engine.sx_CreateField("EXTRA", 'C', 5, 0);
    ASSERT_TRUE(engine.sx_CreateExec()) << engine.sx_LastError().message();
}

} // namespace

using AddressFile = AddressFileTest;

TEST_F(AddressFile, ANewFileHasTheLayoutAndTheTwentySixTagsInOrder)
{
    ASSERT_EQ(engine.sx_FieldCount(), 23);
    int i = 1;
    for (const TAddressField& field : addressFields()) {
        EXPECT_EQ(qs(engine.sx_FieldName(i)), QString(field.name));
        EXPECT_EQ(engine.sx_FieldType(engine.sx_FieldName(i)), field.type);
        EXPECT_EQ(engine.sx_FieldWidth(engine.sx_FieldName(i)), field.defaultWidth) << engine.sx_FieldName(i);
        ++i;
    }
    i = 1;
    for (const TAddressTag& tag : addressTags())
        EXPECT_EQ(qs(engine.sx_TagName(i++)), QString(tag.name));
    EXPECT_EQ(engine.sx_TagName(27), std::string());
    EXPECT_TRUE(CheckValidIndex(dataset));
    EXPECT_EQ(GetDatabasePath(dataset), qs(dir.path()) + u'/');
}

TEST_F(AddressFile, NewFilesTakeTheirWidthsFromTheSettings)
{
    TIniFile ini(qs(dir.file("QUORVL.ini")));
    ini.writeInteger(QStringLiteral("NewFileFieldLengths"), QStringLiteral("FieldLNAME"), 25);
    ini.writeInteger(QStringLiteral("NewFileFieldLengths"), QStringLiteral("FieldCITY"), 81);
    const QString second = qs(dir.file("ADD0002.DBF"));
    ASSERT_TRUE(CreateAddressFile(second, dataset, TNewFileFieldLengths::load(ini)).ok);
    ASSERT_TRUE(OpenQVWFile(second, dataset).indexValid);
    EXPECT_EQ(dataset.FieldWidth(u"LNAME"), 25);
    EXPECT_EQ(dataset.FieldWidth(u"CITY"), 30) << "81 is out of range and reads as the default";
    EXPECT_EQ(dataset.FieldWidth(u"MIDDLE"), 1);
}

TEST_F(AddressFile, CreatingNeverOverwritesAFile)
{
    add({{"LNAME", "Keep"}});
    dataset.Close();
    const TTableResult again = CreateAddressFile(path, dataset, TNewFileFieldLengths());
    EXPECT_FALSE(again.ok);
    EXPECT_EQ(again.messages, QStringList{QStringLiteral("Create failed")});
    ASSERT_TRUE(OpenTableFile(path, dataset).ok);
    EXPECT_EQ(engine.sx_RecCount(), 1u);
}

TEST_F(AddressFile, AFileLackingAnyStoredFieldDoesNotOpen)
{
    dataset.Close();
    for (const TAddressField& field : addressFields()) {
        const std::string file = dir.file("lacks_" + QString(field.name).toStdString() + ".dbf");
        createTable(file, QString(field.name));
        const TTableResult opened = OpenTableFile(qs(file), dataset);
        EXPECT_FALSE(opened.ok) << QString(field.name).toStdString();
        EXPECT_TRUE(opened.detail.contains(QString(field.name))) << opened.detail.toStdString();
        EXPECT_FALSE(dataset.Active());
    }
}

TEST_F(AddressFile, ExtraFieldsAndOtherWidthsAreAcceptedAndAMissingIndexIsInvalid)
{
    dataset.Close();
    const std::string file = dir.file("other.dbf");
    createTable(file, QString(), 44);
    const TAddressOpenResult opened = OpenQVWFile(qs(file), dataset);
    ASSERT_TRUE(opened.ok) << opened.detail.toStdString();
    EXPECT_FALSE(opened.indexValid);
    EXPECT_EQ(dataset.FieldWidth(u"LNAME"), 44);
    ASSERT_TRUE(BuildAddressIndexes(dataset).ok);
    EXPECT_TRUE(CheckValidIndex(dataset));
}

TEST_F(AddressFile, AnIndexLackingOnlyTheTagTagIsInvalid)
{
    dataset.Close();
    const std::string file = dir.file("notag.dbf");
    createTable(file, QString());
    ASSERT_TRUE(engine.sx_Use(file));
    for (const TAddressTag& tag : addressTags()) {
        if (QString(tag.name) != u"TAG") {
            ASSERT_NE(engine.sx_IndexTag(std::string(tag.name.data()), std::string(tag.keyExpression.data())), 0);
        }
    }
    engine.sx_Close();
    const TAddressOpenResult opened = OpenQVWFile(qs(file), dataset);
    ASSERT_TRUE(opened.ok);
    EXPECT_FALSE(opened.indexValid);
}

TEST_F(AddressFile, AMissingFileIsReportedByItsPath)
{
    dataset.Close();
    const QString missing = qs(dir.file("nothere.dbf"));
    const TTableResult opened = OpenTableFile(missing, dataset);
    EXPECT_FALSE(opened.ok);
    EXPECT_EQ(opened.messages, QStringList{QStringLiteral("File ") + missing + QStringLiteral(" not found")});
}

TEST_F(AddressFile, PathsAreFoundWhateverTheirLetterCase)
{
    dataset.Close();
    ASSERT_TRUE(OpenTableFile(qs(dir.file("ADD0001.dbf")), dataset).ok);
}

TEST_F(AddressFile, TheComputedFieldsFollowTheRecord)
{
    add({{"LNAME", "Smith"}, {"FNAME", "Ann"}, {"MIDDLE", "Q"}, {"PREFIX", "Dr."}, {"CITY", "Salem"},
         {"STATE", "MA"}, {"ZIP", "01970"}, {"DATE", "20240229"}, {"TAG", "ABC"}});
    dataset.setGlobalTagId(QStringLiteral("ABC"));
    EXPECT_TRUE(dataset.FieldAsBoolean(u"Tagged"));
    EXPECT_EQ(dataset.FieldAsString(u"Tagged"), QStringLiteral("Yes"));
    EXPECT_EQ(dataset.FieldAsString(u"DisplayDate"), QStringLiteral("02/29/2024"));
    EXPECT_EQ(dataset.FieldAsString(u"FullName"), QString()) << "hidden until switched on";
    dataset.SetExtraFields(true);
    EXPECT_EQ(dataset.FieldAsString(u"FullName"), QStringLiteral("Ann Q Smith"));
    EXPECT_EQ(dataset.FieldAsString(u"FullNameWithPrefix"), QStringLiteral("Dr. Ann Q Smith"));
    EXPECT_EQ(dataset.FieldAsString(u"CityStateZip"), QStringLiteral("Salem MA 01970"));
    dataset.setGlobalTagId(QStringLiteral("abc"));
    EXPECT_EQ(dataset.FieldAsString(u"Tagged"), QStringLiteral("No")) << "case-sensitive";
}

TEST(AddressDerivedFields, NameAndCityLines)
{
    const struct {
        const char *prefix, *fname, *middle, *lname, *full, *withPrefix;
    } names[] = {
        {"Mr.", "John", "", "Doe", "John Doe", "Mr. John Doe"},
        {"", "", "", "Doe", " Doe", " Doe"},
        {"", "John", "", "", "John ", "John "},
        {"", "", "Q", "Doe", " Q Doe", "Q Doe"},
    };
    for (const auto& n : names) {
        const QString p = QString::fromLatin1(n.prefix), f = QString::fromLatin1(n.fname),
                      m = QString::fromLatin1(n.middle), l = QString::fromLatin1(n.lname);
        EXPECT_EQ(addressFullName(f, m, l), QString::fromLatin1(n.full)) << n.full;
        EXPECT_EQ(addressFullNameWithPrefix(p, f, m, l), QString::fromLatin1(n.withPrefix)) << n.withPrefix;
    }
    EXPECT_EQ(addressCityStateZip(QString(), QStringLiteral("MA"), QStringLiteral("01970")), QStringLiteral("MA 01970"));
    EXPECT_EQ(addressCityStateZip(QStringLiteral("Salem"), QString(), QString()), QStringLiteral("Salem "));
    EXPECT_FALSE(addressIsTagged(QString(), QString())) << "an empty tag id tags nothing";
}

TEST(DisplayDate, FormatsAlwaysShowFourDigitYears)
{
    const struct {
        const char *pattern, *format;
    } cases[] = {
        {"", "mm/dd/yyyy"},         {"M/d/yy", "m/d/yyyy"},    {"dd.MM.yyyy", "dd.mm.yyyy"},
        {"yyy-MM-dd", "yyyy-mm-dd"}, {"d/M/y", "d/m/yyyy"},     {"dd/MM", "dd/mm/yyyy"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(displayDateFormat(QString::fromLatin1(c.pattern)), QString::fromLatin1(c.format)) << c.pattern;
    EXPECT_EQ(displayDate(QStringLiteral("20240105"), QStringLiteral("m/d/yyyy")), QStringLiteral("1/5/2024"));
    EXPECT_EQ(displayDate(QStringLiteral("20240105"), QStringLiteral("dd.mm.yyyy")), QStringLiteral("05.01.2024"));
    for (const char* bad : {"", "2024", "20230229", "2024-1-5", "00000101", "20241301"})
        EXPECT_EQ(displayDate(QString::fromLatin1(bad), programDatePattern()), QString()) << bad;
}

TEST(AddressNames, TheProposalIsTheFirstFreeNumber)
{
    testing_support::TempDir dir;
    EXPECT_EQ(proposedAddressFileName(qs(dir.path())), QStringLiteral("ADD0001"));
    QFile(qs(dir.file("add0002.dbf"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(proposedAddressFileName(qs(dir.path())), QStringLiteral("ADD0001"));
    QFile(qs(dir.file("ADD0001.DBF"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(proposedAddressFileName(qs(dir.path())), QStringLiteral("ADD0003"));
}

TEST(AddressNames, TheIdentifierRule)
{
    for (const char* good : {"ADD0001", "_x", "a", "Club_99", "ABCDEFGH"})
        EXPECT_TRUE(isValidAddressFileName(QString::fromLatin1(good))) << good;
    for (const char* bad : {"", "1abc", "my file", "ABCDEFGHI", "a-b", "a.b"})
        EXPECT_FALSE(isValidAddressFileName(QString::fromLatin1(bad))) << bad;
    EXPECT_FALSE(isValidAddressFileName(QString::fromUtf8("Bücher")));
}

TEST(AddressNames, TheFileOpenedAtStart)
{
    testing_support::TempDir dir;
    const TStartupAddressFile fresh = startupAddressFile(QString(), qs(dir.path()));
    EXPECT_EQ(fresh.path, qs(dir.file("add0001.DBF")));
    EXPECT_TRUE(fresh.create);
    QFile(qs(dir.file("ADD0001.dbf"))).open(QIODevice::WriteOnly);
    const TStartupAddressFile existing = startupAddressFile(QString(), qs(dir.path()));
    EXPECT_EQ(existing.path, qs(dir.file("ADD0001.dbf")));
    EXPECT_FALSE(existing.create);
    EXPECT_EQ(startupAddressFile(QStringLiteral("/x/club.dbf"), qs(dir.path())).path, QStringLiteral("/x/club.dbf"));
}

TEST(AddressSortOrders, NamesMatchTheirTagsIgnoringCase)
{
    ASSERT_EQ(addressSortOrders().size(), 14u);
    EXPECT_EQ(sortOrderName(addressSortOrders()[0]), QStringLiteral("Last Name"));
    const struct {
        const char *name, *tag;
    } cases[] = {{"Last Name", "LNAME"}, {"e-mail", "EMAIL"}, {"ORGANIZATION", "ORG"}, {"date", "DATE"}};
    for (const auto& c : cases)
        EXPECT_EQ(tagForSortOrderName(QString::fromLatin1(c.name)), QString::fromLatin1(c.tag)) << c.name;
    EXPECT_EQ(tagForSortOrderName(QStringLiteral("Email")), std::nullopt);
    EXPECT_EQ(sortStatusText(QStringLiteral("Zip")), QStringLiteral("Sorted by Zip"));
}

TEST(AddressMemo, TheLengthRule)
{
    const struct {
        const char *text, *stored;
    } cases[] = {
        {"", ""},           {"abcdefg", "abcdefg"},   {"abcdefgh", "abcdefgh "},
        {"ab\ncd", "ab\r\ncd"}, {"a\nb", "a\r\nb "}, {"ab\r\nc", "ab\r\nc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(memoForStorage(QString::fromLatin1(c.text)), QString::fromLatin1(c.stored)) << c.text;
}
