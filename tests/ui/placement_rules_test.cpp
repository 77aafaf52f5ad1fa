#include "store/ini_file.h"
#include "ui/centring.h"
#include "ui/placement_rules.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace quorvel;

TEST(PlacementRules, SectionNamesCarryTheResolutionAbove96)
{
    EXPECT_EQ(placementSection(QStringLiteral("TAddressMain"), 96), QStringLiteral("TAddressMain_Placement"));
    EXPECT_EQ(placementSection(QStringLiteral("TAddressMain"), 72), QStringLiteral("TAddressMain_Placement"));
    EXPECT_EQ(placementSection(QStringLiteral("TAddressMain"), 120), QStringLiteral("TAddressMain_Placement120"));
}

TEST(PlacementRules, ARectangleIsFittedOntoASmallerDesktop)
{
    const struct {
        const char* name;
        TPlacement stored;
        QSize desktop;
        TPlacement fitted;
    } cases[] = {
        {"fits: unchanged", {100, 50, 700, 550, false}, {1024, 768}, {100, 50, 700, 550, false}},
        {"past the right edge: moved left, same size", {600, 50, 1200, 550, true}, {1024, 768}, {424, 50, 1024, 550, true}},
        {"past the bottom edge: moved up, same size", {10, 500, 610, 900}, {1024, 768}, {10, 368, 610, 768}},
        {"both edges", {800, 600, 1280, 1000}, {1024, 768}, {544, 368, 1024, 768}},
        {"larger than the desktop: held at the corner", {0, 0, 1600, 1200}, {1024, 768}, {0, 0, 1024, 768}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fitToDesktop(c.stored, c.desktop), c.fitted) << c.name;
}

TEST(PlacementRules, OnlyAStoredBottomMakesARectangle)
{
    EXPECT_FALSE((TPlacement{100, 100, 500, 0}).hasRectangle());
    EXPECT_TRUE((TPlacement{0, 0, 500, 400}).hasRectangle());
    EXPECT_FALSE((TPlacement{500, 0, 100, 400}).hasRectangle()); // crossed sides from a damaged file
}

TEST(PlacementRules, ReadsAndWritesTheFiveKeys)
{
    testing_support::TempDir dir;
    TIniFile ini(QString::fromStdString(dir.file("QUORVL.ini")));
    const QString section = QStringLiteral("TAddressBrowseForm_Placement");
    EXPECT_EQ(readPlacement(ini, section, true), (TPlacement{0, 0, 0, 0, true})); // designed maximized
    ASSERT_TRUE(writePlacement(ini, section, {10, 20, 630, 500, true}));
    EXPECT_EQ(readPlacement(ini, section, false), (TPlacement{10, 20, 630, 500, true}));
    EXPECT_EQ(ini.readString(section, QStringLiteral("Maximized")), QStringLiteral("1"));
    EXPECT_EQ(TPlacement::fromRect(QRect(10, 20, 620, 480), false), (TPlacement{10, 20, 630, 500, false}));
}

TEST(Centring, UsesIntegerDivisionTowardZero)
{
    const struct {
        QRect main;
        QSize size;
        QPoint topLeft;
    } cases[] = {
        {{100, 100, 800, 600}, {400, 300}, {300, 250}},
        {{100, 100, 801, 601}, {400, 300}, {300, 250}}, // odd differences round down
        {{100, 100, 400, 300}, {601, 501}, {0, 0}}, // larger: -201/2 = -100, extends equally both ways
        {{0, 0, 300, 200}, {500, 401}, {-100, -100}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(centredTopLeft(c.main, c.size), c.topLeft);
}

TEST(Centring, AResizedWindowPastTheDesktopEdgeMovesBackToTheEdge)
{
    const QSize desktop(1024, 768);
    const struct {
        QRect frame;
        QPoint topLeft;
    } cases[] = {
        {{100, 50, 800, 600}, {100, 50}},   // fits: stays
        {{300, 50, 800, 600}, {0, 50}},     // passes the right edge
        {{100, 300, 800, 600}, {100, 0}},   // passes the bottom edge
        {{300, 300, 800, 600}, {0, 0}},     // both
        {{0, 0, 1200, 900}, {0, 0}},        // larger than the desktop, already at 0
        {{-50, 10, 1200, 600}, {-50, 10}},  // left not above 0: left alone
        {{224, 168, 800, 600}, {224, 168}}, // exactly at the edges
    };
    for (const auto& c : cases)
        EXPECT_EQ(keptOnDesktop(c.frame, desktop), c.topLeft) << c.frame.x() << "," << c.frame.y();
}
