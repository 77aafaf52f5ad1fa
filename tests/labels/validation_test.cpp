// ValidLabel: its checks in order, each with its message, and the lengths a
// layout row cannot hold.
#include "labels/label_validation.h"

#include <gtest/gtest.h>

using labels::TLabelGeometry;

namespace {

QString Failure(const TLabelGeometry& g)
{
    try {
        labels::ValidLabel(g);
        return {};
    } catch (const labels::EValid& e) {
        return e.message();
    }
}

template <typename Change>
TLabelGeometry With(Change change)
{
    TLabelGeometry g;
    change(g);
    return g;
}

} // namespace

TEST(ValidLabel, ChecksInOrderAndStopsAtTheFirstFailure)
{
    const struct {
        TLabelGeometry geometry;
        const char* message;
    } cases[] = {
        {TLabelGeometry{}, ""},
        // Everything wrong at once: the height is named first.
        {With([](auto& g) { g.height = 0.2; g.width = 0.1; g.sheetWidth = 0.1; }),
         "Label Height must be at least .3 inches (or 7mm)"},
        {With([](auto& g) { g.width = 0.49; g.horizPitch = 0.1; g.sheetDepth = 0.1; }),
         "Label Width must be at least .5 inch (or 13mm)"},
        {With([](auto& g) { g.horizPitch = 2.6; g.vertPitch = 0.5; }), "Horizontal Pitch must be at least = Label Width"},
        {With([](auto& g) { g.vertPitch = 0.99; g.sheetWidth = 0.1; }), "Vertical Pitch must be at least = Label Height"},
        {With([](auto& g) { g.sheetWidth = 0.29; g.sheetDepth = 0.29; }), "Page Width must be at least .3 inch"},
        {With([](auto& g) { g.sheetDepth = 0.29; }), "Page Height must be at least .3 inches"},
        // With one label across (down) the pitch is not checked.
        {With([](auto& g) { g.across = 1; g.horizPitch = 0.0; }), ""},
        {With([](auto& g) { g.down = 1; g.vertPitch = 0.0; }), ""},
        // Exactly the limits pass.
        {With([](auto& g) { g.height = 0.3; g.width = 0.5; g.horizPitch = 0.5; g.vertPitch = 0.3; }), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Failure(c.geometry), QString::fromLatin1(c.message)) << c.message;
}

TEST(ValidLabel, RefusesWhatALayoutRowCannotHold)
{
    const struct {
        TLabelGeometry geometry;
        const char* message;
    } cases[] = {
        {With([](auto& g) { g.sheetDepth = 100.0; }), "Paper Height must be at most 99.999 inches (2539.9mm)"},
        {With([](auto& g) { g.height = 150.0; g.vertPitch = 150.0; }),
         "Label Height must be at most 99.999 inches (2539.9mm)"},
        // Rounded to three decimals as stored: 99.9994 is kept as 99.999, 99.9996 would be 100.000.
        {With([](auto& g) { g.sheetWidth = 99.9994; }), ""},
        {With([](auto& g) { g.sheetWidth = 99.9996; }), "Paper Width must be at most 99.999 inches (2539.9mm)"},
        {With([](auto& g) { g.topMargin = -0.1; }), "Top Margin cannot be negative"},
        {With([](auto& g) { g.leftMargin = -0.0004; }), ""},
        {With([](auto& g) { g.across = 1; g.horizPitch = -1.0; }), "Horizontal Pitch cannot be negative"},
        {With([](auto& g) { g.across = 11; }), "# across must be from 1 to 10"},
        {With([](auto& g) { g.down = 0; }), "# down must be from 1 to 30"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Failure(c.geometry), QString::fromLatin1(c.message)) << c.message;
}
