// The browse window's field order: shown columns, hidden fields keeping
// their places, and the columns as the user rearranged them.
#include "store/address_layout.h"
#include "store/browse_field_order.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

QStringList names(const char* spaced) { return QString::fromLatin1(spaced).split(u' ', Qt::SkipEmptyParts); }

std::vector<TFieldDef> fields(const char* spaced)
{
    std::vector<TFieldDef> defs;
    for (const QString& name : names(spaced))
        defs.push_back(TFieldDef{name, 'C', 10, name});
    return defs;
}

TEST(BrowseFieldOrder, ShownFieldsComeFirstThenTheOthersInDeclarationOrder)
{
    EXPECT_EQ(defaultBrowseFieldOrder(fields("A B C D Calc"), names("Calc c A")), names("Calc C A B D"));
    // A shown name the dataset does not declare is no field.
    EXPECT_EQ(defaultBrowseFieldOrder(fields("A B"), names("B X")), names("B A"));
}

TEST(BrowseFieldOrder, TheAddressDatasetShowsItsTwentyOneColumnsAndHidesTheRest)
{
    std::vector<TFieldDef> defs = addressStoredFieldDefs();
    for (const TFieldDef& computed : addressCalculatedFieldDefs())
        defs.push_back(computed);
    QStringList shown;
    for (QLatin1String column : addressBrowseColumns())
        shown << QString(column);
    const QStringList order = defaultBrowseFieldOrder(defs, shown);
    EXPECT_EQ(order.size(), 28);
    EXPECT_EQ(shownBrowseColumns(order, shown), shown);
    EXPECT_EQ(order.mid(21), names("DATE ISDEL TAG MEMO FullName FullNameWithPrefix CityStateZip"));
}

TEST(BrowseFieldOrder, RearrangedColumnsTakeTheSlotsOfShownFields)
{
    struct Case {
        const char* order;
        const char* shown;
        const char* view;
        const char* expected;
    };
    const Case cases[] = {
        {"A h1 B C h2", "A B C", "C A B", "C h1 A B h2"},
        {"A h1 B C h2", "A B C", "A B C", "A h1 B C h2"},
        {"h1 A B", "A B", "b a", "h1 b a"},
        // Not a rearrangement of the shown fields: nothing changes.
        {"A h1 B", "A B", "A", "A h1 B"},
        {"A h1 B", "A B", "A h1", "A h1 B"},
        {"A h1 B", "A B", "A B X", "A h1 B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.view);
        EXPECT_EQ(withShownColumnsInOrder(names(c.order), names(c.shown), names(c.view)), names(c.expected));
    }
}

} // namespace
} // namespace quorvel
