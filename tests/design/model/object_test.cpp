// Naming, cloning, pasting, zooming and the object commands.

#include "design/file/design_fixtures.h"

#include "design/file/label_object_filer.h"
#include "design/model/class_set.h"
#include "design/model/counter_label.h"
#include "design/model/design_owner.h"
#include "design/model/line_shape.h"
#include "design/model/surface_objects.h"
#include "design/model/text_labels.h"
#include "design/surface/object_commands.h"

#include <gtest/gtest.h>

using namespace design;

namespace {

class RecordingListener : public TGSurfaceListener {
public:
    void ObjectChanged(TGGraphicControl&) override { ++changes; }
    void ObjectBoundsChanged(TGGraphicControl&) override { ++refits; }
    int changes = 0;
    int refits = 0;
};

QByteArray TwoLines()
{
    TGDesignOwner owner;
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    surface.Add(std::make_unique<TGLineShape>(owner))->SetName(QStringLiteral("First"));
    surface.Add(std::make_unique<TGLineShape>(owner))->SetName(QStringLiteral("Second"));
    return design_test::Encode(surface);
}

std::vector<QString> Names(const TGSurfaceObjects& surface)
{
    std::vector<QString> names;
    for (const TGGraphicControl* object : surface.Objects())
        names.push_back(object->Name());
    return names;
}

TEST(Naming, ReadObjectsAreRenumberedWithinTheirOwner)
{
    TGDesignOwner owner;
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    const QByteArray file = TwoLines();
    ASSERT_TRUE(TGLabelObjectFiler().DecodeObjects(file, owner, surface));
    ASSERT_TRUE(TGLabelObjectFiler().DecodeObjects(file, owner, surface));
    EXPECT_EQ(Names(surface), (std::vector<QString>{QStringLiteral("Component0"), QStringLiteral("Component1"),
                                                    QStringLiteral("Component2"), QStringLiteral("Component3")}));
}

TEST(Naming, WithEveryComponentNumberTakenTheFileNamesAreKept)
{
    TGDesignOwner owner;
    TGSurfaceObjects taken(TGClassSet::LabelSurface());
    for (int n = 0; n <= 1000; ++n)
        taken.Add(std::make_unique<TGLineShape>(owner))->SetName(QStringLiteral("component%1").arg(n));
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    ASSERT_TRUE(TGLabelObjectFiler().DecodeObjects(TwoLines(), owner, surface));
    EXPECT_EQ(Names(surface), (std::vector<QString>{QStringLiteral("First"), QStringLiteral("Second")}));

    // A third copy cannot keep them as well: names stay unique.
    ASSERT_TRUE(TGLabelObjectFiler().DecodeObjects(TwoLines(), owner, surface));
    EXPECT_EQ(surface.At(2)->Name(), QString());
    EXPECT_EQ(surface.At(3)->Name(), QString());
}

TEST(Naming, NamesAreUniqueAndFreedWithTheirObject)
{
    TGDesignOwner owner;
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    auto* a = surface.Add(std::make_unique<TGLineShape>(owner));
    auto* b = surface.Add(std::make_unique<TGLineShape>(owner));
    EXPECT_TRUE(a->SetName(QStringLiteral("Special1")));
    EXPECT_FALSE(b->SetName(QStringLiteral("SPECIAL1")));
    EXPECT_EQ(owner.NameForPlacedObject(), QStringLiteral("Special2"));
    surface.Destroy(a);
    EXPECT_TRUE(b->SetName(QStringLiteral("Special1")));
    EXPECT_EQ(owner.FindComponent(QStringLiteral("special1")), b);
}

TEST(Cloning, CopyLiesTwentyFivePixelsBelowOnTop)
{
    TGDesignOwner owner;
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    auto* source = static_cast<TGPLabel*>(surface.Add(std::make_unique<TGPLabel>(owner)));
    source->SetName(QStringLiteral("Component0"));
    source->SetBounds(30, 40, 100, 20);
    source->SetCaption(QStringLiteral("Hello"));
    surface.Add(std::make_unique<TGLineShape>(owner))->SetName(QStringLiteral("Component1"));

    const TGCloneResult result = CloneDesignObject(*source, owner, surface);
    ASSERT_TRUE(result.status);
    auto* copy = dynamic_cast<TGPLabel*>(result.copy);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(surface.IndexOf(copy), surface.Count() - 1);
    EXPECT_EQ(copy->Bounds(), (TGBounds{30, 65, 100, 20}));
    EXPECT_EQ(copy->Caption(), QStringLiteral("Hello"));
    EXPECT_EQ(copy->Name(), QStringLiteral("Component2"));
}

struct ZoomCase {
    float from;
    float to;
    TGBounds before;
    TGBounds after;
};

TEST(Zoom, BoundsScaleByTheRatioRoundingHalvesToEven)
{
    const ZoomCase cases[] = {
        {1.0f, 1.5f, {3, 5, 1, 7}, {4, 8, 2, 10}},        // 4.5 -> 4, 7.5 -> 8, 1.5 -> 2, 10.5 -> 10
        {1.0f, 2.0f, {-3, 0, 142, 33}, {-6, 0, 284, 66}},
        {1.0f, 0.5f, {5, 7, 9, 11}, {2, 4, 4, 6}},         // 2.5 -> 2, 3.5 -> 4, 4.5 -> 4, 5.5 -> 6
        {1.5f, 1.0f, {4, 8, 2, 10}, {3, 5, 1, 7}},         // ratio 0.6666667 in single precision
        {1.0f, 0.3f, {100, 50, 270, 16}, {30, 15, 81, 5}}, // ratio 0.3f is slightly above 0.3
        {2.0f, 2.0f, {1, 2, 3, 4}, {1, 2, 3, 4}},          // same factor: unchanged
        {1.0f, 0.0f, {1, 2, 3, 4}, {1, 2, 3, 4}},          // unusable factor: ignored
        {1.0f, 4.0f, {0x7FFFFFFF, 0, 1, 1}, {0x7FFFFFFF, 0, 4, 4}}, // held within range
    };
    for (const ZoomCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
        TGDesignOwner owner;
        TGLineShape line(owner);
        line.SetZoom(c.from);
        line.SetBounds(c.before.Left, c.before.Top, c.before.Width, c.before.Height);
        line.SetZoom(c.to);
        EXPECT_EQ(line.Bounds(), c.after);
    }
}

TEST(Zoom, ZoomingInAndSavingAtOneReloadsTheSameGeometry)
{
    TGDesignOwner owner;
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    auto* line = surface.Add(std::make_unique<TGLineShape>(owner));
    line->SetBounds(10, 20, 101, 33);
    const QByteArray atOne = design_test::Encode(surface);
    surface.SetZoomOfAll(1.5f);
    surface.SetZoomOfAll(1.0f);
    EXPECT_EQ(design_test::Encode(surface), atOne);
}

TEST(Commands, CenteringAndFlagsNotifyTheSurface)
{
    TGDesignOwner owner;
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    RecordingListener listener;
    surface.SetListener(&listener);
    auto* line = surface.Add(std::make_unique<TGLineShape>(owner));
    line->SetBounds(0, 0, 11, 7);
    listener.changes = 0;
    line->CenterVertically(100);
    line->CenterHorizontally(-5);
    EXPECT_EQ(line->Top(), 47);  // 50 - 3
    EXPECT_EQ(line->Left(), -7); // -2 - 5, division toward zero
    EXPECT_GT(listener.changes, 0);
    EXPECT_GT(listener.refits, 0);

    line->ToggleLocked();
    EXPECT_TRUE(line->Locked());
    line->MakeUnselectable();
    EXPECT_TRUE(line->Unselectable());

    const int before = listener.changes;
    line->SetReading(true);
    line->SetLocked(false);
    line->SetReading(false);
    EXPECT_EQ(listener.changes, before);
}

TEST(Commands, StackingOrder)
{
    TGDesignOwner owner;
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    auto* a = surface.Add(std::make_unique<TGLineShape>(owner));
    auto* b = surface.Add(std::make_unique<TGLineShape>(owner));
    auto* c = surface.Add(std::make_unique<TGLineShape>(owner));
    surface.BringToFront(a);
    EXPECT_EQ(surface.Objects(), (std::vector<TGGraphicControl*>{b, c, a}));
    surface.SendToBack(c);
    EXPECT_EQ(surface.Objects(), (std::vector<TGGraphicControl*>{c, b, a}));
}

TEST(Counter, StepsEveryRepeatEachLabelsWithLeadingZeros)
{
    TGDesignOwner owner;
    TGCounterLabel counter(owner);
    counter.SetStartingnumber(7);
    counter.SetRepeatEach(2);
    counter.SetLeadingZeros(3);
    QStringList printed;
    for (int label = 0; label < 5; ++label) {
        printed << counter.ComposedCaption();
        counter.AdvanceCounter();
    }
    EXPECT_EQ(printed.join(QLatin1Char(',')), QStringLiteral("007,007,008,008,009"));

    counter.SetStartingnumber(-4);
    EXPECT_EQ(counter.ComposedCaption(), QStringLiteral("-004"));
    counter.SetRepeatEach(0);
    counter.AdvanceCounter();
    EXPECT_EQ(counter.CurrentValue(), -4);
}

TEST(Text, TrimmingRemovesBlanksOnly)
{
    const QString text = QStringLiteral("  \ta b\t  ");
    EXPECT_EQ(TGGraphicControl::TrimLeadingBlanks(text), QStringLiteral("\ta b\t  "));
    EXPECT_EQ(TGGraphicControl::TrimTrailingBlanks(text), QStringLiteral("  \ta b\t"));
    EXPECT_EQ(TGGraphicControl::TrimBlanks(text), QStringLiteral("\ta b\t"));
}

TEST(Text, AngleTakesQuarterTurnsOnly)
{
    TGDesignOwner owner;
    TGPLabel label(owner);
    label.SetAlignment(TAlignment::taCenter);
    label.SetAngle(45);
    EXPECT_EQ(label.Angle(), 0);
    label.SetAngle(90);
    EXPECT_EQ(label.Angle(), 90);
    EXPECT_EQ(label.Alignment(), TAlignment::taLeftJustify);
    EXPECT_EQ(label.Bounds(), (TGBounds{0, 0, 33, 142}));
}

} // namespace
