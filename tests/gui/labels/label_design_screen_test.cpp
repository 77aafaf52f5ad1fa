// The label design screen on its own: tools, zoom, the default font,
// Change Layout both ways with the surface, caption, stock picture and
// POSTNET rule, and what Save keeps.
#include "design/model/graphic_control.h"
#include "design/model/postnet.h"
#include "label_windows_fixture.h"
#include "labels/windows/label_design_panel.h"
#include "labels/windows/label_design_screen.h"
#include "labels/windows/label_design_tools.h"
#include "store/ini_file.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>

namespace labels_gui {
namespace {

using labels::TLabelDesignScreen;

class DesignScreenTest : public LabelWindowsTest {
protected:
    void Open(const labels::TLabelLayout& layout = labels::NewLabelLayout())
    {
        labels::TLabelDesignContext context { sysdata(), &ini, nullptr, nullptr,
            [this](const QString& art) { return art == QStringLiteral("AV5163") ? artPicture : QImage(); } };
        screen = std::make_unique<TLabelDesignScreen>(context);
        screen->SetLayout(layout);
        screen->show();
    }
    void Click(const char* name) { clickButton(screen.get(), name); }
    labels::TLabelDesignPanel& Panel() { return screen->Panel(); }
    QString Caption(const char* name) { return child<QLabel>(screen.get(), name)->text(); }
    QToolButton* Toggle(const char* name) { return child<QToolButton>(screen.get(), name); }

    // The stock picture: a black bar across the top of a white picture.
    static QImage Picture()
    {
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter(&picture).fillRect(0, 0, 40, 5, Qt::black);
        return picture;
    }

    // Change Layout, choosing a row of the catalogue through the search.
    void ChangeToStock(const char* search)
    {
        whenModalNamed("ChooseLabelLayout", [](QWidget* choose) { clickButton(choose, "OKButton"); });
        whenModalNamed("SelectLabel", [search](QWidget* select) {
            QTest::keyClicks(child<QLineEdit>(select, "SearchEdit"), QString::fromLatin1(search));
            clickButton(select, "OKButton");
        });
        screen->ChangeLayoutButtonClick();
    }

    // Change Layout, typing the label's width by hand.
    void ChangeToUserWidth(const char* width)
    {
        whenModalNamed("ChooseLabelLayout", [](QWidget* choose) {
            child<QRadioButton>(choose, "EnterLayoutManually")->setChecked(true);
            clickButton(choose, "OKButton");
        });
        whenModalNamed("LabelEdit", [width](QWidget* edit) {
            auto* field = child<QLineEdit>(edit, "elblwidth");
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, QString::fromLatin1(width));
            clickButton(edit, "OKButton");
        });
        screen->ChangeLayoutButtonClick();
    }

    design::TGGraphicControl* AddPostNet()
    {
        auto* placed = Panel().Objects().Add(std::make_unique<design::TGPostNetBarCode>(screen->Owner()));
        placed->SetBounds(10, 10, 200, 20);
        Panel().AdoptObjects();
        return placed;
    }

    quorvel::TIniFile ini { iniPath() };
    QImage artPicture = Picture();
    std::unique_ptr<TLabelDesignScreen> screen;
};

TEST_F(DesignScreenTest, EachToolSetsItsSurfaceState)
{
    labels::TLabelLayout wide = labels::NewLabelLayout();
    wide.stock.geometry.width = 4.0;
    Open(wide);
    for (const labels::TLabelDesignTool& tool : labels::LabelDesignTools()) {
        QToolButton* button = Toggle(tool.buttonName);
        EXPECT_EQ(button->toolTip(), QString::fromLatin1(tool.hint));
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(Panel().PanelState(), tool.state) << tool.buttonName;
    }
    EXPECT_FALSE(screen->Changed());
}

TEST_F(DesignScreenTest, TogglesReachTheSurface)
{
    Open();
    EXPECT_FALSE(Panel().DisplayDataValues()) << "field names at first";
    QTest::mouseClick(Toggle("ShowFieldNamesButton"), Qt::LeftButton);
    EXPECT_TRUE(Panel().DisplayDataValues());
    QTest::mouseClick(Toggle("ShowGrid"), Qt::LeftButton);
    EXPECT_TRUE(Panel().ShowGrid());
    QTest::mouseClick(Toggle("SnapToGrid"), Qt::LeftButton);
    EXPECT_TRUE(Panel().SnapToGrid());
    EXPECT_FALSE(Toggle("ShowArt")->isEnabled()) << "the layout has no stock picture";
}

TEST_F(DesignScreenTest, KeysScrollTheViewOrGoToTheSurface)
{
    labels::TLabelLayout large = labels::NewLabelLayout();
    large.stock.geometry.width = 6.0;
    large.stock.geometry.height = 6.0;
    Open(large);
    screen->resize(500, 300);
    QApplication::setActiveWindow(screen.get());
    auto* scroller = child<QScrollArea>(screen.get(), "SurfaceScroller");
    QScrollBar* bar = scroller->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    QTest::keyClick(screen.get(), Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(screen.get(), Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), bar->maximum() - bar->singleStep());
    QTest::keyClick(screen.get(), Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);

    design::TGGraphicControl* barcode = AddPostNet();
    Panel().SelectObject(barcode, false);
    QTest::keyClick(screen.get(), Qt::Key_Delete);
    EXPECT_EQ(Panel().Objects().Count(), 0);

    // While the description is being typed in, the keys are the edit's.
    child<QLineEdit>(screen.get(), "LabelSetupDescription")->setFocus();
    QTest::keyClick(screen.get(), Qt::Key_End);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(DesignScreenTest, PostNetToolRefusedOnANarrowLabel)
{
    Open(); // 2.625 inches wide
    QTest::mouseClick(Toggle("DrawPostNetBarCodeButton"), Qt::LeftButton);
    EXPECT_EQ(ui.messages.lastText(),
        QStringLiteral("This label is not wide enough for a \rpostnet barcode. At least 2.85 inches are needed"));
    EXPECT_EQ(Panel().PanelState(), design::TLPanelState::psPointing);
    EXPECT_TRUE(Toggle("Pointerbutton")->isChecked());
}

TEST_F(DesignScreenTest, ZoomStepsStopBelowHalfAndAboveOneAndAHalf)
{
    Open();
    const QSize actual = Panel().size();
    EXPECT_EQ(actual, QSize(252, 96));
    QStringList out;
    for (int i = 0; i < 7; ++i) {
        Click("ZoomOutButton");
        out.append(Caption("ZoomCaption"));
    }
    EXPECT_EQ(out,
        QStringList({ QStringLiteral("90%"), QStringLiteral("80%"), QStringLiteral("70%"), QStringLiteral("60%"),
            QStringLiteral("50%"), QStringLiteral("40%"), QStringLiteral("40%") }));
    EXPECT_NEAR(Panel().Zoom(), 0.4f, 1e-6);
    for (int i = 0; i < 6; ++i)
        Click("ZoomInButton");
    QStringList in;
    for (int i = 0; i < 8; ++i) {
        Click("ZoomInButton");
        in.append(Caption("ZoomCaption"));
    }
    EXPECT_EQ(in,
        QStringList({ QStringLiteral("110%"), QStringLiteral("120%"), QStringLiteral("130%"), QStringLiteral("140%"),
            QStringLiteral("150%"), QStringLiteral("160%"), QStringLiteral("160%"), QStringLiteral("160%") }));
    EXPECT_FALSE(screen->Changed()) << "zooming is no change of the design";
}

TEST_F(DesignScreenTest, DefaultFontIsReadFromAndWrittenToTheLabelSection)
{
    ASSERT_TRUE(
        ini.write({ { QStringLiteral("Label"), QStringLiteral("DefaultFontName"), QStringLiteral("Courier New") },
            { QStringLiteral("Label"), QStringLiteral("DefaultFontSize"), QStringLiteral("12") },
            { QStringLiteral("Label"), QStringLiteral("DefaultFontItalic"), QStringLiteral("1") } }));
    Open();
    auto* button = child<QPushButton>(screen.get(), "DefaultFontbutton");
    EXPECT_EQ(button->text(), QStringLiteral("Default Font: Courier New, 12 pt , italic"));

    QFont chosen(QStringLiteral("Times New Roman"), 14);
    chosen.setBold(true);
    ui.dialogs.setNextFont(chosen);
    Click("DefaultFontbutton");
    EXPECT_EQ(button->text(), QStringLiteral("Default Font: Times New Roman, 14 pt , bold"));
    EXPECT_EQ(
        ini.readString(QStringLiteral("Label"), QStringLiteral("DefaultFontName")), QStringLiteral("Times New Roman"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Label"), QStringLiteral("DefaultFontSize"), 0), 14);
    EXPECT_TRUE(ini.readBool(QStringLiteral("Label"), QStringLiteral("DefaultFontBold"), false));
    EXPECT_FALSE(ini.readBool(QStringLiteral("Label"), QStringLiteral("DefaultFontItalic"), true));
    EXPECT_EQ(Panel().NewObjectFont().Name, QStringLiteral("Times New Roman"));
}

TEST_F(DesignScreenTest, ChangeLayoutFromTheCatalogueSizesTheSurfaceAndShowsTheStockPicture)
{
    Open();
    ChangeToStock("5163");
    EXPECT_EQ(Panel().size(), QSize(384, 192));
    EXPECT_EQ(Panel().Shape(), design::TLabelShapeType::lsRectangle);
    EXPECT_EQ(Caption("TemplateType"), QStringLiteral("Avery 5163  Shipping"));
    EXPECT_EQ(screen->Layout().stock.art, QStringLiteral("AV5163"));
    EXPECT_TRUE(screen->Changed());

    // The picture is drawn at its own size from the corner, black as grey.
    ASSERT_TRUE(Toggle("ShowArt")->isEnabled());
    ASSERT_TRUE(Toggle("ShowArt")->isChecked());
    const QImage& art = Panel().Picture();
    ASSERT_EQ(art.size(), QSize(384, 192));
    EXPECT_EQ(art.pixel(2, 2), qRgb(192, 192, 192));
    EXPECT_EQ(art.pixel(2, 10), qRgb(255, 255, 255));
    EXPECT_EQ(art.pixel(100, 2), qRgb(255, 255, 255));

    QTest::mouseClick(Toggle("ShowArt"), Qt::LeftButton);
    EXPECT_TRUE(Panel().Picture().isNull());
}

TEST_F(DesignScreenTest, ChangeLayoutByHandToANarrowLabelRemovesThePostNetBarcode)
{
    Open();
    ChangeToStock("5163");
    const design::TGGraphicControl* barcode = AddPostNet();
    ASSERT_EQ(Panel().Objects().Count(), 1);
    ASSERT_NE(barcode, nullptr);

    ChangeToUserWidth("2");
    EXPECT_EQ(Panel().size(), QSize(192, 192));
    EXPECT_EQ(Caption("TemplateType"), QStringLiteral("User Defined Label Layout"));
    EXPECT_EQ(screen->Layout().stock.manufacturer, QStringLiteral("USER"));
    EXPECT_TRUE(screen->Layout().stock.art.isEmpty());
    EXPECT_FALSE(Toggle("ShowArt")->isEnabled());
    EXPECT_TRUE(Panel().Picture().isNull());
    EXPECT_EQ(ui.messages.lastText(),
        QStringLiteral("Warning: This label is not wide enough for a \rpostnet "
                       "barcode. At least 2.85 inches are needed"));
    EXPECT_EQ(Panel().Objects().Count(), 0);
}

TEST_F(DesignScreenTest, SaveDropsObjectsOffTheLabelAndKeepsFiftyCharacters)
{
    Open();
    auto* inside = Panel().Objects().Add(std::make_unique<design::TGPostNetBarCode>(screen->Owner()));
    inside->SetBounds(10, 10, 100, 20);
    auto* outside = Panel().Objects().Add(std::make_unique<design::TGPostNetBarCode>(screen->Owner()));
    outside->SetBounds(245, 10, 100, 20);
    Panel().AdoptObjects();
    auto* description = child<QLineEdit>(screen.get(), "LabelSetupDescription");
    description->setFocus();
    description->selectAll();
    QTest::keyClicks(description, QString(60, u'x'));
    ASSERT_TRUE(screen->Changed());
    Click("SaveButton");
    EXPECT_EQ(screen->result(), 1);
    EXPECT_EQ(screen->Layout().description, QString(50, u'x'));
    ASSERT_EQ(Panel().Objects().Count(), 1);
    EXPECT_EQ(Panel().Objects().At(0), inside);
}

} // namespace
} // namespace labels_gui
