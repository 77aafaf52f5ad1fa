// Print drivers: every object prints at the page offset, back to front and
// at actual size however the design is zoomed on the screen; counters step.

#include "design/model/design_owner.h"
#include "design/panels/panel_label.h"
#include "output/report_filer.h"
#include "support/temp_dir.h"
#include "ui/scripted_services.h"

#include <gtest/gtest.h>

namespace {

struct TPrintCall {
    QString name;
    double x;
    double y;
    design::TGBounds bounds;
};

// Records how the surface drives it.
class TRecordingObject : public design::TGGraphicControl {
public:
    TRecordingObject(design::TGDesignOwner& owner, std::vector<TPrintCall>& calls)
        : TGGraphicControl(owner), calls_(calls)
    {
    }
    QByteArray ClassName() const override { return QByteArrayLiteral("TGLineShape"); }
    void PrintTo(output::TBaseReport&, double x, double y) override { calls_.push_back({Name(), x, y, Bounds()}); }
    void AdvanceCounter() override { ++advanced; }
    void ResetCounter() override { advanced = 0; }
    int advanced = 0;

private:
    std::vector<TPrintCall>& calls_;
};

} // namespace

TEST(SurfacePrinting, PrintsEveryObjectAtTheOffsetAtActualSize)
{
    quorvel::TScriptedServices ui;
    testing_support::TempDir home;
    design::TGDesignOwner owner;
    design::TGLabelPanel panel(owner, QString::fromStdString(home.path()));
    panel.resize(300, 100);
    std::vector<TPrintCall> calls;
    auto* back = static_cast<TRecordingObject*>(
        panel.AddObject(std::make_unique<TRecordingObject>(owner, calls), QRect(10, 10, 40, 20)));
    auto* front = static_cast<TRecordingObject*>(
        panel.AddObject(std::make_unique<TRecordingObject>(owner, calls), QRect(60, 10, 40, 20)));
    panel.SetZoom(2.0f);

    output::TReportFiler report;
    panel.SetPrinting(true);
    panel.PrintObjects(report, 0.5, 1.25);
    panel.AdvanceAllCounters();
    panel.AdvanceAllCounters();
    panel.SetPrinting(false);

    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].name, back->Name());
    EXPECT_EQ(calls[1].name, front->Name());
    EXPECT_EQ(calls[0].x, 0.5);
    EXPECT_EQ(calls[0].y, 1.25);
    EXPECT_EQ(calls[1].bounds, (design::TGBounds{60, 10, 40, 20}));
    // The screen keeps its zoom.
    EXPECT_EQ(front->Bounds(), (design::TGBounds{120, 20, 80, 40}));
    EXPECT_EQ(back->advanced, 2);
    panel.ResetAllCounters();
    EXPECT_EQ(front->advanced, 0);
}
