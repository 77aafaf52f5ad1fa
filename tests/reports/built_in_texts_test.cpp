// The texts the built-in reports make of a record: the list name, the
// city lines and report 4's lines, each a table of records.
#include "reports/built_in_report_texts.h"
#include "reports/report_run.h"

#include <gtest/gtest.h>

namespace {

using namespace reports;

TBuiltInRecord Person(const char* lname, const char* fname, const char* middle, const char* prefix = "")
{
    TBuiltInRecord record;
    record.lname = QString::fromLatin1(lname);
    record.fname = QString::fromLatin1(fname);
    record.middle = QString::fromLatin1(middle);
    record.prefix = QString::fromLatin1(prefix);
    return record;
}

TEST(BuiltInTextsTest, ListNames)
{
    struct Case {
        TBuiltInRecord record;
        const char* name;
    };
    const Case cases[] = {
        {Person("Smith", "John", "Q"), "Smith, John Q."},
        {Person("Smith", "", ""), "Smith, "},
        {Person("Smith", "John", ""), "Smith, John "},
        {Person("Smith", "", "Q"), "Smith, Q."},
        {Person("  Smith", "  John", "  Q"), "Smith, John Q."},
        {Person("", "John", ""), ", John "},
        {Person("", "", ""), ", "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ListName(c.record), QString::fromLatin1(c.name));
    }
}

TEST(BuiltInTextsTest, FullReportNames)
{
    struct Case {
        TBuiltInRecord record;
        const char* name;
    };
    const Case cases[] = {
        {Person("Smith", "John", "Q", "Dr."), "Smith, Dr. John Q."},
        {Person("Smith", "John", "", ""), "Smith,  John "},
        {Person("Smith", "", "", ""), "Smith, "},
        {Person("Smith", "", "", "Rev."), "Smith, Rev. "},
        {Person("  Smith", "  John", "", ""), "Smith,  John "},
        // No last name: no name line at all.
        {Person("", "John", "Q", "Dr."), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FullReportName(c.record), QString::fromLatin1(c.name));
    }
}

TEST(BuiltInTextsTest, CityLines)
{
    struct Case {
        const char* city;
        const char* state;
        const char* zip;
        const char* list;
        const char* full;
    };
    const Case cases[] = {
        {"Springfield", "IL", "62701", "Springfield, IL  62701 ", "Springfield, IL, 62701"},
        {"Springfield", "", "", "Springfield, ", "Springfield"},
        {"", "IL", "", "IL  ", ", IL"},
        {"", "", "62701", "62701 ", ", 62701"},
        {"Springfield", "", "62701", "Springfield, 62701 ", "Springfield, 62701"},
        {"", "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        TBuiltInRecord record;
        record.city = QString::fromLatin1(c.city);
        record.state = QString::fromLatin1(c.state);
        record.zip = QString::fromLatin1(c.zip);
        EXPECT_EQ(ListCityLine(record), QString::fromLatin1(c.list));
        EXPECT_EQ(FullReportCityLine(record), QString::fromLatin1(c.full));
    }
}

TEST(BuiltInTextsTest, TitleOrganizationAndPhoneLines)
{
    struct Case {
        const char* title;
        const char* org;
        const char* phone;
        const char* fax;
        const char* titleLine;
        const char* phoneLine;
    };
    const Case cases[] = {
        {"Manager", "Acme", "555-0100", "555-0101", "Manager, Acme", "Ph: 555-0100  Fax: 555-0101  "},
        {"Manager", "", "555-0100", "", "", "Ph: 555-0100  "},
        {"", "Acme", "", "555-0101", "Acme", "Fax: 555-0101  "},
        {"", "", "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.titleLine);
        TBuiltInRecord record;
        record.title = QString::fromLatin1(c.title);
        record.org = QString::fromLatin1(c.org);
        record.phone = QString::fromLatin1(c.phone);
        record.fax = QString::fromLatin1(c.fax);
        EXPECT_EQ(TitleAndOrganization(record), QString::fromLatin1(c.titleLine));
        EXPECT_EQ(PhoneLine(record), QString::fromLatin1(c.phoneLine));
    }
}

TEST(BuiltInTextsTest, ListCaptionsAndTitles)
{
    EXPECT_EQ(BuiltInReportCaptions(),
              (QStringList{QStringLiteral("1. Name,Address,City,State,Zip,Phone"),
                           QStringLiteral("2. Name,Organization,Phone,Fax"), QStringLiteral("3. Organization,Name,Phone,Fax "),
                           QStringLiteral("4. All major fields (takes several lines)")}));
    EXPECT_EQ(DefaultReportTitle(0), QStringLiteral("Report 1"));
    EXPECT_EQ(DefaultReportTitle(3), QStringLiteral("Report 4"));
}

} // namespace
