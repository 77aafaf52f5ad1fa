// A label surface used as a user would: drawing objects with a tool,
// selecting them with clicks and a rubber band, moving them with the mouse
// and the arrow keys, aligning, locking, copying and pasting, and saving a
// design while zoomed.

#include "design/model/design_owner.h"
#include "design/model/label_shapes.h"
#include "design/panels/panel_label.h"
#include "support/temp_dir.h"
#include "surface_mouse.h"
#include "ui/scripted_services.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using design::TGBounds;
using design::TGGraphicControl;
using design::TLPanelState;

namespace {

class LabelSurface : public ::testing::Test {
protected:
    LabelSurface() : panel(owner, QString::fromStdString(home.path())), mouse(panel)
    {
        panel.resize(400, 300);
        panel.SetClock([this] { return now; });
        panel.show();
    }

    // Draws a rectangle object with the rectangle tool, back in pointing mode.
    TGGraphicControl* Draw(QRect rect)
    {
        panel.SetPanelState(TLPanelState::psRectangle);
        mouse.Press(rect.topLeft());
        mouse.Move(rect.bottomRight());
        mouse.Release(rect.topLeft() + QPoint(rect.width(), rect.height()));
        panel.SetPanelState(TLPanelState::psPointing);
        return panel.Objects().At(panel.Objects().Count() - 1);
    }

    // A press, a pause and a release elsewhere, as a deliberate drag.
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier, qint64 pause = 300)
    {
        mouse.Press(from, modifiers);
        now += 20;
        mouse.Move(from + QPoint(1, 0), modifiers);
        now += pause;
        mouse.Move(to, modifiers);
        mouse.Release(to, modifiers);
        QCoreApplication::processEvents();
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focus = panel.Handle().isVisible() ? static_cast<QWidget*>(&panel.Handle()) : &panel;
        QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
        QCoreApplication::processEvents();
    }

    void Command(const char* objectName)
    {
        QAction* action = panel.SurfaceMenu().findChild<QAction*>(QString::fromLatin1(objectName));
        ASSERT_NE(action, nullptr) << objectName;
        ASSERT_TRUE(action->isEnabled()) << objectName;
        action->trigger();
    }

    std::vector<TGGraphicControl*> Selection() const { return panel.Selection(); }

    quorvel::TScriptedServices ui;
    testing_support::TempDir home;
    design::TGDesignOwner owner;
    design::TGLabelPanel panel;
    TSurfaceMouse mouse;
    qint64 now = 100000;
};

TEST_F(LabelSurface, ToolDrawsAnObjectInTheDraggedRectangle)
{
    QSignalSpy dropped(&panel, &design::TGBasePanel::DroppedObjectEvent);
    QSignalSpy changed(&panel, &design::TGBasePanel::LabelChangedEvent);
    TGGraphicControl* shape = Draw(QRect(20, 30, 100, 60));
    ASSERT_EQ(panel.Objects().Count(), 1);
    EXPECT_NE(dynamic_cast<design::TGLabelShapes*>(shape), nullptr);
    EXPECT_EQ(shape->Bounds(), (TGBounds{20, 30, 100, 60}));
    EXPECT_EQ(shape->Name(), QStringLiteral("Special1"));
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped.at(0).at(0).toRect(), QRect(20, 30, 100, 60));
    EXPECT_GE(changed.count(), 1);

    // A mere click with a tool still gives an object one can grab.
    TGGraphicControl* small = Draw(QRect(200, 200, 3, 3));
    EXPECT_EQ(small->Bounds(), (TGBounds{200, 200, 50, 15}));
    EXPECT_EQ(small->Name(), QStringLiteral("Special2"));
}

TEST_F(LabelSurface, ClickShiftClickAndRubberBandSelect)
{
    TGGraphicControl* a = Draw(QRect(20, 20, 60, 40));
    TGGraphicControl* b = Draw(QRect(150, 20, 60, 40));
    TGGraphicControl* c = Draw(QRect(20, 150, 60, 40));

    mouse.Click(QPoint(40, 40));
    EXPECT_EQ(Selection(), (std::vector<TGGraphicControl*>{a}));
    EXPECT_TRUE(panel.Handle().isVisible());
    EXPECT_EQ(panel.Handle().geometry(), QRect(18, 18, 65, 45));

    mouse.Click(QPoint(170, 30), Qt::ShiftModifier);
    EXPECT_EQ(Selection(), (std::vector<TGGraphicControl*>{a, b}));
    // Shift-click on a selected object takes it out again.
    mouse.Click(QPoint(40, 40), Qt::ShiftModifier);
    EXPECT_EQ(Selection(), (std::vector<TGGraphicControl*>{b}));

    // A click on the empty surface clears the selection and hides the frame.
    mouse.Click(QPoint(350, 250));
    EXPECT_TRUE(Selection().empty());
    EXPECT_FALSE(panel.Handle().isVisible());

    // A band touching a and c selects both; with Shift it toggles.
    Drag(QPoint(5, 50), QPoint(30, 160));
    EXPECT_EQ(Selection(), (std::vector<TGGraphicControl*>{a, c}));
    Drag(QPoint(300, 5), QPoint(140, 180), Qt::ShiftModifier);
    EXPECT_EQ(Selection(), (std::vector<TGGraphicControl*>{a, c, b}));
    Drag(QPoint(5, 140), QPoint(100, 200), Qt::ShiftModifier);
    EXPECT_EQ(Selection(), (std::vector<TGGraphicControl*>{a, b}));
}

TEST_F(LabelSurface, DraggingSnapsToTheGridAndQuickClicksMoveNothing)
{
    panel.SetGridSize(design::TGridSize::gs4x4);
    panel.SetSnapToGrid(true);
    TGGraphicControl* shape = Draw(QRect(21, 31, 60, 40));

    // Press on the object, pause, drag: the move takes effect on release.
    Drag(QPoint(40, 50), QPoint(77, 63));
    EXPECT_EQ(shape->Left() % 4, 2);
    EXPECT_EQ(shape->Top() % 4, 2);
    EXPECT_NEAR(shape->Left(), 21 + 37, 4);
    EXPECT_NEAR(shape->Top(), 31 + 13, 4);
    const TGBounds moved = shape->Bounds();

    // A quick press and release is a click, even if the hand shook.
    Drag(QPoint(70, 60), QPoint(120, 120), Qt::NoModifier, 50);
    EXPECT_EQ(shape->Bounds(), moved);

    // The bottom-right mark resizes: the frame's right edge lands on the grid.
    const QRect frame = panel.Handle().geometry();
    const QPoint corner = frame.topLeft() + QPoint(frame.width() - 2, frame.height() - 2);
    mouse.Move(corner);
    Drag(corner, corner + QPoint(21, 9));
    EXPECT_EQ(shape->Left(), moved.Left);
    EXPECT_EQ(shape->Top(), moved.Top);
    EXPECT_GT(shape->Width(), moved.Width + 10);
    EXPECT_GT(shape->Height(), moved.Height);
}

TEST_F(LabelSurface, DraggingTheSelectionLeavesLockedObjectsInPlace)
{
    TGGraphicControl* free = Draw(QRect(20, 20, 60, 40));
    TGGraphicControl* locked = Draw(QRect(150, 20, 60, 40));
    locked->SetLocked(true);
    Command("mnuSelectAll");
    Drag(QPoint(40, 40), QPoint(50, 70));
    EXPECT_EQ(free->Bounds(), (TGBounds{30, 50, 60, 40}));
    EXPECT_EQ(locked->Bounds(), (TGBounds{150, 20, 60, 40}));

    // Lock All: nothing moves with the mouse any more.
    Command("mnuLockAll");
    Drag(QPoint(50, 60), QPoint(90, 90));
    EXPECT_EQ(free->Bounds(), (TGBounds{30, 50, 60, 40}));
    Command("mnuUnlockAll");
    EXPECT_FALSE(free->Locked());
}

TEST_F(LabelSurface, ArrowKeysNudgeAndShiftArrowsResize)
{
    TGGraphicControl* shape = Draw(QRect(50, 50, 60, 40));
    mouse.Click(QPoint(60, 60));
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_Right);
    Key(Qt::Key_Up);
    EXPECT_EQ(shape->Bounds(), (TGBounds{53, 49, 60, 40}));
    Key(Qt::Key_Left, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(shape->Bounds(), (TGBounds{53, 49, 59, 42}));
}

TEST_F(LabelSurface, AlignCommandsLineUpTheSelection)
{
    TGGraphicControl* a = Draw(QRect(20, 20, 60, 40));
    TGGraphicControl* b = Draw(QRect(150, 100, 100, 40));
    mouse.Click(QPoint(30, 30));
    Command("mnuAlignRight"); // one object: stays where it is
    EXPECT_EQ(a->Left(), 20);
    mouse.Click(QPoint(160, 110), Qt::ShiftModifier);
    Command("mnuAlignRight");
    EXPECT_EQ(a->Left() + a->Width(), 250);
    EXPECT_EQ(b->Left() + b->Width(), 250);
    Command("mnuAlignTops");
    EXPECT_EQ(a->Top(), 20);
    EXPECT_EQ(b->Top(), 20);
    QCoreApplication::processEvents(); // the frame refits after the event
    EXPECT_EQ(panel.Handle().geometry(), QRect(148, 18, 106, 46));
}

TEST_F(LabelSurface, CopyAndPasteOncePerSecond)
{
    Draw(QRect(20, 20, 60, 40));
    mouse.Click(QPoint(30, 30));
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(panel.Clipboard().HasContent());

    Key(Qt::Key_V, Qt::ControlModifier);
    now += 500;
    Key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(panel.Objects().Count(), 2);
    EXPECT_EQ(panel.Objects().At(1)->Bounds(), (TGBounds{35, 35, 60, 40}));

    now += 1000;
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(panel.Objects().Count(), 3);

    // Delete removes the selection; Cut copies first.
    mouse.Click(QPoint(22, 22));
    Key(Qt::Key_Delete);
    EXPECT_EQ(panel.Objects().Count(), 2);
}

TEST_F(LabelSurface, SavingWhileZoomedWritesActualSizeAndKeepsTheZoom)
{
    Draw(QRect(20, 30, 100, 60));
    panel.SetZoom(1.5f);
    EXPECT_EQ(panel.size(), QSize(600, 450));
    EXPECT_EQ(panel.Objects().At(0)->Bounds(), (TGBounds{30, 45, 150, 90}));

    const QString path = QString::fromStdString(home.file("BIN00001.L"));
    ASSERT_TRUE(panel.SaveToFile(path).IsOk());
    EXPECT_EQ(panel.Objects().At(0)->Bounds(), (TGBounds{30, 45, 150, 90}));
    EXPECT_EQ(panel.Zoom(), 1.5f);

    design::TGLabelPanel reloaded(owner, QString::fromStdString(home.path()));
    ASSERT_TRUE(reloaded.LoadFromFile(path).IsOk());
    ASSERT_EQ(reloaded.Objects().Count(), 1);
    EXPECT_EQ(reloaded.Objects().At(0)->Bounds(), (TGBounds{20, 30, 100, 60}));

    // Loading onto a zoomed surface shows the design at that zoom.
    panel.ClearObjects();
    ASSERT_TRUE(panel.LoadFromFile(path).IsOk());
    EXPECT_EQ(panel.Objects().At(0)->Bounds(), (TGBounds{30, 45, 150, 90}));
}

TEST_F(LabelSurface, DrawingWhileZoomedKeepsTheDrawnSize)
{
    panel.SetZoom(2.0f);
    TGGraphicControl* shape = Draw(QRect(40, 40, 100, 60));
    EXPECT_EQ(shape->Bounds(), (TGBounds{40, 40, 100, 60}));
    panel.SetZoom(1.0f);
    EXPECT_EQ(shape->Bounds(), (TGBounds{20, 20, 50, 30}));
}

TEST_F(LabelSurface, DamagedClipboardIsReportedAndLosesNothing)
{
    Draw(QRect(20, 20, 60, 40));
    QFile clip(panel.Clipboard().Path());
    ASSERT_TRUE(clip.open(QIODevice::WriteOnly));
    clip.write(QByteArrayLiteral("\x01TPF1garbage"));
    clip.close();
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(panel.Objects().Count(), 1);
    EXPECT_FALSE(ui.messages.lastText().isEmpty());
}

} // namespace
