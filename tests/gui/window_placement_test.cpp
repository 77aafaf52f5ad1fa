#include "store/ini_file.h"
#include "ui/window_placement.h"

#include "support/temp_dir.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace quorvel {

// A resizable window as the program has them; its placement section is
// named after the class.
class TSampleForm : public QWidget {
    Q_OBJECT
public:
    TSampleForm() { resize(400, 300); }
};

} // namespace quorvel

using namespace quorvel;

namespace {

class WindowPlacementTest : public ::testing::Test {
protected:
    TWindowPlacement placementAt(int dpi, QSize desktop = {1920, 1080})
    {
        return TWindowPlacement(ini, [=] { return TScreenMetrics{desktop, QRect(QPoint(0, 0), desktop), dpi}; });
    }

    TPlacement stored(const char* section) const
    {
        return readPlacement(ini, QString::fromLatin1(section), false);
    }

    testing_support::TempDir dir;
    TIniFile ini{QString::fromStdString(dir.file("QUORVL.ini"))};
    TSampleForm form;
};

} // namespace

TEST_F(WindowPlacementTest, RestoresTheStoredRectangleAndSavesItAtOnce)
{
    ASSERT_TRUE(writePlacement(ini, QStringLiteral("TSampleForm_Placement"), {100, 80, 700, 580, false}));
    placementAt(96).restore(&form, nullptr);
    EXPECT_EQ(form.geometry(), QRect(100, 80, 600, 500));
    EXPECT_EQ(stored("TSampleForm_Placement"), (TPlacement{100, 80, 700, 580, false}));
}

TEST_F(WindowPlacementTest, At120DpiUsesItsOwnSectionAndLeavesThe96OneAlone)
{
    ASSERT_TRUE(writePlacement(ini, QStringLiteral("TSampleForm_Placement"), {100, 80, 700, 580, false}));
    ASSERT_TRUE(writePlacement(ini, QStringLiteral("TSampleForm_Placement120"), {10, 20, 810, 620, false}));
    TWindowPlacement placement = placementAt(120);
    EXPECT_EQ(placement.sectionFor(&form), QStringLiteral("TSampleForm_Placement120"));
    placement.restore(&form, nullptr);
    EXPECT_EQ(form.geometry(), QRect(10, 20, 800, 600));
    form.setGeometry(50, 60, 500, 400);
    ASSERT_TRUE(placement.save(&form));
    EXPECT_EQ(stored("TSampleForm_Placement120"), (TPlacement{50, 60, 550, 460, false}));
    EXPECT_EQ(stored("TSampleForm_Placement"), (TPlacement{100, 80, 700, 580, false}));
}

TEST_F(WindowPlacementTest, OnASmallerScreenTheWindowIsMovedBackKeepingItsSize)
{
    ASSERT_TRUE(writePlacement(ini, QStringLiteral("TSampleForm_Placement"), {1200, 700, 1800, 1000, false}));
    placementAt(96, {1024, 768}).restore(&form, nullptr);
    EXPECT_EQ(form.geometry(), QRect(424, 468, 600, 300));
}

TEST_F(WindowPlacementTest, WithoutAStoredBottomTheWindowIsCentred)
{
    QWidget mainWindow;
    mainWindow.setGeometry(100, 100, 801, 600);
    placementAt(96).restore(&form, &mainWindow);
    EXPECT_EQ(form.geometry(), QRect(300, 250, 400, 300)); // over the main window, (801 - 400) div 2 = 200
    placementAt(96).restore(&mainWindow, nullptr);
    EXPECT_EQ(mainWindow.geometry().topLeft(), QPoint(559, 240)); // the main window on the screen
}

TEST_F(WindowPlacementTest, AMaximizedWindowKeepsItsNormalRectangle)
{
    ASSERT_TRUE(writePlacement(ini, QStringLiteral("TSampleForm_Placement"), {100, 80, 700, 580, true}));
    placementAt(96).restore(&form, nullptr);
    form.show();
    EXPECT_TRUE(form.isMaximized());
    EXPECT_EQ(stored("TSampleForm_Placement"), (TPlacement{100, 80, 700, 580, true}));
    form.showNormal();
    EXPECT_EQ(form.geometry(), QRect(100, 80, 600, 500));
}

#include "window_placement_test.moc"
