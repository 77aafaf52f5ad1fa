// The ruler's graduations.
#include "reports/windows/h_ruler.h"

#include <gtest/gtest.h>

namespace {

using reports::RulerTicks;
using reports::TRulerTick;

TEST(HRuler, TicksEverySixteenthFromThePapersEdge)
{
    const struct {
        const char* name;
        int width, height, ppi, start;
        std::vector<TRulerTick> ticks;
    } cases[] = {
        // 96 ppi: 6 pixels a tick; the half-inch margin puts the
        // half-inch tick at the left end.
        { "half-inch margin", 30, 16, 96, 48,
            { { 0, 8, 0 }, { 6, 4, 0 }, { 12, 4, 0 }, { 18, 4, 0 }, { 24, 4, 0 } } },
        // The inch tick is full height and numbered.
        { "one inch", 8, 16, 96, 90, { { 0, 4, 0 }, { 6, 16, 1 } } },
        // 120 ppi: 7 pixels a tick (120 / 16 truncated), so the second
        // inch lies at 224, not 240.
        { "120 ppi", 2, 20, 120, 224, { { 0, 20, 2 } } },
        { "a margin between ticks", 10, 16, 96, 50, { { 4, 4, 0 } } },
        { "no margin", 1, 16, 96, 0, { { 0, 16, 0 } } },
        { "too few pixels for a tick", 100, 16, 15, 0, {} },
    };
    for (const auto& c : cases)
        EXPECT_EQ(RulerTicks(c.width, c.height, c.ppi, c.start), c.ticks) << c.name;
}

} // namespace
