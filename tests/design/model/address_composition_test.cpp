// The address block's composition rules: which lines appear, how the name
// and the city/state/ZIP line are put together, where the ZIP goes.
#include "text_test_support.h"

#include "design/model/address_composition.h"

#include <gtest/gtest.h>

#include <functional>

using namespace design;
using design_testing::AnnCole;
using design_testing::TMemoryRecord;

namespace {

struct CompositionCase {
    const char* name;
    std::function<void(TAddressLayout&, TMemoryRecord&)> setUp;
    QStringList expected;
};

QString S(const char* text) { return QString::fromUtf8(text); }

std::vector<CompositionCase> Cases()
{
    using L = TAddressLayout;
    using R = TMemoryRecord;
    return {
        {"default layout: name, street, city line; empty title, organization, street 2 and country leave no lines",
         [](L&, R&) {}, {S("Dr Ann B. Cole "), S("12 Elm St"), S("Springfield  IL 62701")}},
        {"an empty middle name leaves no dot", [](L&, R& r) { r.Set(S("MIDDLE"), QString()); },
         {S("Dr Ann Cole "), S("12 Elm St"), S("Springfield  IL 62701")}},
        {"a middle name of blanks counts as empty",
         [](L&, R& r) { r.Set(S("MIDDLE"), S("  ")); },
         {S("Dr Ann Cole "), S("12 Elm St"), S("Springfield  IL 62701")}},
        {"no prefix", [](L&, R& r) { r.Set(S("PREFIX"), QString()); },
         {S("Ann B. Cole "), S("12 Elm St"), S("Springfield  IL 62701")}},
        {"ZIP before the city", [](L& l, R&) { l.ZipOptions = TZipFormatOptions::zoBeforeCity; },
         {S("Dr Ann B. Cole "), S("12 Elm St"), S("62701 Springfield IL ")}},
        {"ZIP after the country with the country off: a line of its own",
         [](L& l, R&) {
             l.ZipOptions = TZipFormatOptions::zoAfterCountry;
             l.UseCountry = false;
         },
         {S("Dr Ann B. Cole "), S("12 Elm St"), S("Springfield IL"), S("62701")}},
        {"ZIP after the country",
         [](L& l, R& r) {
             l.ZipOptions = TZipFormatOptions::zoAfterCountry;
             r.Set(S("COUNTRY"), S("USA"));
         },
         {S("Dr Ann B. Cole "), S("12 Elm St"), S("Springfield IL"), S("USA 62701")}},
        {"ZIP before the country",
         [](L& l, R& r) {
             l.ZipOptions = TZipFormatOptions::zoBeforeCountry;
             r.Set(S("COUNTRY"), S("USA"));
         },
         {S("Dr Ann B. Cole "), S("12 Elm St"), S("Springfield IL"), S("62701 USA")}},
        {"empty city and state: a blank before the ZIP, kept as it is not blank",
         [](L&, R& r) {
             r.Set(S("CITY"), QString());
             r.Set(S("STATE"), QString());
         },
         {S("Dr Ann B. Cole "), S("12 Elm St"), S(" 62701")}},
        {"empty city, state and ZIP leave no city line",
         [](L&, R& r) {
             r.Set(S("CITY"), QString());
             r.Set(S("STATE"), QString());
             r.Set(S("ZIP"), QString());
         },
         {S("Dr Ann B. Cole "), S("12 Elm St")}},
        {"city and state off: the ZIP alone where the city line was",
         [](L& l, R&) { l.UseCityState = false; }, {S("Dr Ann B. Cole "), S("12 Elm St"), S("62701")}},
        {"ZIP off", [](L& l, R&) { l.UseZip = false; },
         {S("Dr Ann B. Cole "), S("12 Elm St"), S("Springfield IL")}},
        {"ZIP off, country ZIP option: no ZIP anywhere",
         [](L& l, R&) {
             l.UseZip = false;
             l.UseCountry = false;
             l.ZipOptions = TZipFormatOptions::zoBeforeCountry;
         },
         {S("Dr Ann B. Cole "), S("12 Elm St"), S("Springfield IL")}},
        {"title, organization, second street, country and phone in their order",
         [](L& l, R& r) {
             l.UsePhone = true;
             r.Set(S("TITLE"), S("Director"));
             r.Set(S("ORG"), S("Cole & Co"));
             r.Set(S("STREET2"), S("Suite 4"));
             r.Set(S("COUNTRY"), S("USA"));
         },
         {S("Dr Ann B. Cole "), S("Director"), S("Cole & Co"), S("12 Elm St"), S("Suite 4"),
          S("Springfield  IL 62701"), S("USA"), S("555-0100")}},
        {"switches off leave their lines out",
         [](L& l, R& r) {
             l.UseName = false;
             l.UseStreet = false;
             l.UseTitle = false;
             r.Set(S("TITLE"), S("Director"));
         },
         {S("Springfield  IL 62701")}},
        {"a title of blanks is a line (only empty fields are left out)",
         [](L&, R& r) { r.Set(S("TITLE"), S("   ")); },
         {S("Dr Ann B. Cole "), S("   "), S("12 Elm St"), S("Springfield  IL 62701")}},
        {"leading blanks of fields go from the joined lines",
         [](L&, R& r) {
             r.Set(S("PREFIX"), QString());
             r.Set(S("FNAME"), S("  Ann"));
             r.Set(S("CITY"), S(" Springfield"));
         },
         {S("Ann B. Cole "), S("12 Elm St"), S("Springfield  IL 62701")}},
        {"upper case: a to z only, accented letters unchanged",
         [](L& l, R& r) {
             l.UpperCase = true;
             r.Set(S("LNAME"), S("Cölé"));
             r.Set(S("STREET"), S("12 rue de l'église"));
         },
         {S("DR ANN B. CöLé "), S("12 RUE DE L'éGLISE"), S("SPRINGFIELD  IL 62701")}},
        {"a field the file lacks counts as empty; the later lines still come",
         [](L& l, R& r) {
             l.UsePhone = true;
             r = TMemoryRecord();
             r.Set(S("FNAME"), S("Ann")).Set(S("CITY"), S("Springfield")).Set(S("PHONE"), S("555-0100"));
         },
         {S("Ann "), S("Springfield  "), S("555-0100")}},
    };
}

} // namespace

TEST(AddressComposition, FollowsTheLayoutRules)
{
    for (const CompositionCase& c : Cases()) {
        TAddressLayout layout;
        TMemoryRecord record = AnnCole();
        c.setUp(layout, record);
        EXPECT_EQ(ComposeAddress(layout, record), c.expected) << c.name;
    }
}
