// The record the data surfaces show, read from a real address file: the
// fields the field dialogs offer, and the values the objects bound to them
// show.
#include "design/dialogs/field_choice.h"
#include "design/model/address_record.h"
#include "design/model/data_label.h"
#include "design/model/design_owner.h"
#include "design/model/memo_label.h"
#include "store/address_test_file.h"

#include <gtest/gtest.h>

using namespace design;

namespace {

class AddressRecordTest : public quorvel::store_tests::AddressFileTest {
protected:
    void SetUp() override
    {
        AddressFileTest::SetUp();
        add({{"LNAME", "Cole"}, {"FNAME", "Ann"}, {"MIDDLE", "B"}, {"CITY", "Springfield"}, {"STATE", "IL"},
             {"ZIP", "62701"}, {"DATE", "20240131"}, {"TAG", "T1"}},
            QStringLiteral("Call first\r\nthen write"));
        ASSERT_TRUE(dataset.First());
    }

    QStringList Offered(TGFieldKind kind) const { return SelectableFieldLabels(record.DataFields(), kind); }

    TGAddressRecord record{dataset};
    TGDesignOwner owner{96};
};

QStringList Labels(std::initializer_list<const char*> labels)
{
    QStringList list;
    for (const char* label : labels)
        list.append(QString::fromLatin1(label));
    return list;
}

TEST_F(AddressRecordTest, FieldDialogsOfferTheLabelsTheBrowseGridShows)
{
    const QStringList always = Labels({"Last Name", "First Name", "Middle", "Prefix", "Title", "Organization",
                                       "Address 1", "Address 2", "City", "State", "Zip/Postal Code", "Country",
                                       "Phone 1", "Phone 2", "Fax", "Email", "Codes", "Comment 1", "Comment 2",
                                       "Date"});
    EXPECT_EQ(Offered(TGFieldKind::Character), always) << "hidden DATE and TAG, logical and memo fields left out";

    // While a label, envelope or report run has the name and city lines
    // switched on, they are offered too.
    dataset.SetExtraFields(true);
    EXPECT_EQ(Offered(TGFieldKind::Character),
              always + Labels({"Full Name", "Full Name & Prefix", "City, State & Zip"}));

    // The memo has no label of its own: it is known by its name, the one a
    // new memo object binds to.
    EXPECT_EQ(Offered(TGFieldKind::Memo), Labels({"MEMO"}));
}

TEST_F(AddressRecordTest, ReadsFieldsByNameAndByDisplayLabel)
{
    dataset.SetExtraFields(true);
    struct Case {
        const char* name;
        std::optional<QString> text;
    };
    const Case cases[] = {
        {"LNAME", QStringLiteral("Cole")},
        {"lname", QStringLiteral("Cole")},
        {"COUNTRY", QString()},
        {"FullName", QStringLiteral("Ann B Cole")},
        {"DisplayDate", QStringLiteral("01/31/2024")},
        {"NOSUCH", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(record.FieldText(QString::fromLatin1(c.name)), c.text) << c.name;

    EXPECT_EQ(record.FieldNameForDisplayLabel(QStringLiteral("Zip/Postal Code")), QStringLiteral("ZIP"));
    EXPECT_EQ(record.FieldNameForDisplayLabel(QStringLiteral("Date")), QStringLiteral("DisplayDate"));
    EXPECT_EQ(record.FieldNameForDisplayLabel(QStringLiteral("last name")), std::nullopt) << "labels match exactly";
    EXPECT_EQ(record.MemoFieldForDisplayLabel(QStringLiteral("MEMO")), QStringLiteral("MEMO"));
    EXPECT_EQ(record.MemoFieldForDisplayLabel(QStringLiteral("Last Name")), std::nullopt) << "not a memo";
    EXPECT_EQ(record.MemoText(QStringLiteral("memo")), QStringLiteral("Call first\r\nthen write"));
    EXPECT_EQ(record.MemoText(QStringLiteral("LNAME")), QString());
}

TEST_F(AddressRecordTest, BoundObjectsShowTheCurrentRecord)
{
    const TGRecordContext context{&record, true, false};
    TGPDLabel field(owner);
    field.SetRecordContext(&context);
    field.SetDataFieldDescript(QStringLiteral("City"));
    field.ShowData();
    EXPECT_EQ(field.Caption(), QStringLiteral("Springfield"));

    TGDMultiLineLabel memo(owner);
    memo.SetRecordContext(&context);
    memo.SetDataFieldDescript(QStringLiteral("MEMO"));
    memo.ShowData();
    EXPECT_EQ(memo.Items(), Labels({"Call first", "then write"}));

    // With the file closed there is no record to show, but the fields are
    // still known.
    dataset.Close();
    field.ShowData();
    EXPECT_EQ(field.Caption(), QStringLiteral("<blank field>"));
}

} // namespace
