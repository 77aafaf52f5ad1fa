// Which page settings leave room for a letter's text.
#include "letters/letter_page.h"

#include <gtest/gtest.h>
#include <limits>

using letters::IsUsablePage;
using letters::TLetterPage;

namespace {

struct PageCase {
    const char* name;
    TLetterPage page;
    bool usable;
};

constexpr int kMax = std::numeric_limits<int>::max();

const PageCase kPages[] = {
    { "default letter page", TLetterPage {}, true },
    { "exactly half an inch across", { 2160, 15840, 720, 720, 1440, 1440, false }, true },
    { "exactly half an inch down", { 12240, 3600, 1440, 1440, 1440, 1440, false }, true },
    { "one twip short across", { 2159, 15840, 720, 720, 1440, 1440, false }, false },
    { "one twip short down", { 12240, 3599, 1440, 1440, 1440, 1440, false }, false },
    { "no paper width", { 0, 15840, 0, 0, 0, 0, false }, false },
    { "no paper height", { 12240, 0, 0, 0, 0, 0, false }, false },
    { "negative margin", { 12240, 15840, -10, 1440, 1440, 1440, false }, false },
    { "margins wider than the page", { 12240, 15840, 8000, 8000, 1440, 1440, false }, false },
    { "margins that would wrap round", { kMax, 15840, kMax, kMax, 1440, 1440, false }, false },
};

TEST(LetterPage, UsableWhenHalfAnInchIsLeftBothWays)
{
    for (const PageCase& c : kPages)
        EXPECT_EQ(IsUsablePage(c.page), c.usable) << c.name;
}

} // namespace
