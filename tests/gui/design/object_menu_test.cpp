// Right-clicking design objects on a label surface: the items each class
// offers, and the commands a user chooses from them.

#include "design/model/address_label.h"
#include "design/model/counter_label.h"
#include "design/model/data_label.h"
#include "design/model/date_time_label.h"
#include "design/model/fim_barcode.h"
#include "design/model/image_object.h"
#include "design/model/label_shapes.h"
#include "design/model/line_shape.h"
#include "design/model/memo_label.h"
#include "design/model/postnet.h"
#include "design/model/text_labels.h"
#include "object_menu_fixture.h"

#include <QAction>
#include <QFont>
#include <QMenu>

#include <gtest/gtest.h>

using namespace design;

namespace object_menu_test {

namespace {

QStringList Split(const char* captions) { return QString::fromLatin1(captions).split(QLatin1Char('|')); }

const char* const kCommon = "Bring To Front|Send To Back|Cut|Copy|Delete|Clone|-|Locked|Unselectable|-|"
                            "Center Vertically|Center Horizontally";
const char* const kTextItems = "-|Font|3D Effects|Alignment|Transparent|Background Color|Border";

TEST_F(ObjectMenuTest, EachClassOffersTheCommonItemsFollowedByItsOwn)
{
    struct Case {
        const char* name;
        std::function<TGGraphicControl*()> place;
        QString own;
    };
    const QString text = QString::fromLatin1(kTextItems);
    const QString multiLine = QStringLiteral("-|Font|Alignment");
    const QString shapeItems = QStringLiteral("-|Background Color|Line Color|Line Thickness|-|Transparent");
    const QRect at(40, 40, 120, 40);
    const Case cases[] = {
        {"text", [&] { return Place<TGPLabel>(at); }, text + QStringLiteral("|-|Text|-|Rotation")},
        {"field", [&] { return Place<TGPDLabel>(at); }, text + QStringLiteral("|-|Field")},
        {"counter", [&] { return Place<TGCounterLabel>(at); },
         text + QStringLiteral("|-|Counter Settings|-|Rotation")},
        {"symbol", [&] { return Place<TGSymbolLabel>(at); },
         QStringLiteral("-|3D Effects|Transparent|Background Color|Border|-|Symbol Selector")},
        {"date", [&] { return Place<TGDateTimeLabel>(at); }, text + QStringLiteral("|-|Date Format|Time Format")},
        {"page number", [&] { return Place<TGPageNumberLabel>(at); }, text},
        {"multi-line text", [&] { return Place<TGMultiLineLabel>(at); },
         multiLine + QStringLiteral("|-|Text|Word Wrap")},
        {"memo", [&] { return Place<TGDMultiLineLabel>(at); }, multiLine + QStringLiteral("|-|Memo Field|Word Wrap")},
        {"address", [&] { return Place<TGDMultiLineAddressLabel>(at); }, multiLine + QStringLiteral("|-|Address Layout")},
        {"rectangle", [&] { return Place<TGLabelShapes>(at); }, shapeItems},
        {"rounded rectangle",
         [&] {
             auto* shape = Place<TGLabelShapes>(at);
             shape->SetShape(TShapeType::stRoundRect);
             return shape;
         },
         shapeItems + QStringLiteral("|-|Degree of Rounding")},
        {"line", [&] { return Place<TGLineShape>(at); },
         QStringLiteral("-|Style|Color|Line Thickness|-|Stretch To Edges")},
        {"POSTNET", [&] { return Place<TGPostNetBarCode>(at); }, QString()},
        {"FIM", [&] { return Place<TGFIMBarCode>(at); },
         QStringLiteral("-|Set FIM to Type A|Set FIM to Type B|Set FIM to Type C")},
        {"image", [&] { return Place<TGImage>(at); },
         QStringLiteral("-|Load Image From Disk|-|Border|Stretch to Fit|AutoSize")},
    };
    for (const Case& c : cases) {
        panel.ClearObjects();
        TGGraphicControl* object = c.place();
        QMenu* menu = RightClick(QPoint(object->Left() + 4, object->Top() + 4));
        ASSERT_NE(menu, nullptr) << c.name;
        EXPECT_EQ(menu, panel.ObjectMenu()) << c.name;
        QStringList expected = Split(kCommon);
        if (!c.own.isEmpty())
            expected += c.own.split(QLatin1Char('|'));
        EXPECT_EQ(Captions(*menu), expected) << c.name;
        menu->hide();
    }
}

TEST_F(ObjectMenuTest, SubmenusOfferTheirChoicesAndCheckTheCurrentOne)
{
    auto* date = Place<TGDateTimeLabel>(QRect(40, 40, 120, 40));
    QMenu* menu = RightClick(QPoint(44, 44));
    ASSERT_NE(menu, nullptr);
    auto* dates = menu->findChild<QMenu*>(QStringLiteral("mnuDateFormat"));
    ASSERT_NE(dates, nullptr);
    EXPECT_EQ(Captions(*dates), Split("No Date|Windows Short Date|Windows Long Date"));
    EXPECT_TRUE(Item(*menu, "mnuWindowsShortDate")->isChecked());
    EXPECT_TRUE(Item(*menu, "mnuNoTime")->isChecked());
    Item(*menu, "mnuWindowsLongTime")->trigger();
    menu->hide();
    EXPECT_EQ(date->TimeFormat(), TGTimeFormat::dtfTimeLong);
    EXPECT_EQ(date->DateFormat(), TGDateFormat::dtfDateShort);
    EXPECT_GT(changes, 0);

    auto* text = Place<TGPLabel>(QRect(40, 150, 120, 40));
    menu = RightClick(QPoint(44, 154));
    ASSERT_NE(menu, nullptr);
    auto* alignment = menu->findChild<QMenu*>(QStringLiteral("mnuAlignment"));
    ASSERT_NE(alignment, nullptr);
    EXPECT_EQ(Captions(*alignment), Split("Left|Center|Right"));
    EXPECT_TRUE(Item(*alignment, "mnuLeft")->isChecked());
    Item(*alignment, "mnuRight")->trigger();
    menu->hide();
    EXPECT_EQ(text->Alignment(), TAlignment::taRightJustify);
    Choose(*text, "mnu90Degrees");
    EXPECT_EQ(text->Angle(), 90);
}

TEST_F(ObjectMenuTest, LockedShowsItsCheckMarkAndStacksAndClonesFollowTheMenu)
{
    auto* back = Place<TGLabelShapes>(QRect(40, 40, 100, 60));
    auto* front = Place<TGLabelShapes>(QRect(200, 40, 100, 60));

    Choose(*back, "mnuLocked");
    EXPECT_TRUE(back->Locked());
    QMenu* menu = RightClick(QPoint(44, 44));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(Item(*menu, "mnuLocked")->isChecked());
    menu->hide();
    Choose(*back, "mnuLocked");
    EXPECT_FALSE(back->Locked());

    Choose(*back, "mnuBringToFront");
    EXPECT_EQ(panel.Objects().At(1), back);
    Choose(*back, "mnuSendToBack");
    EXPECT_EQ(panel.Objects().At(0), back);
    EXPECT_TRUE(panel.Selection().empty());

    const int before = changes;
    Choose(*front, "mnuClone");
    ASSERT_EQ(panel.Objects().Count(), 3);
    const TGGraphicControl* copy = panel.Objects().At(2);
    EXPECT_EQ(copy->Bounds(), (TGBounds{200, 65, 100, 60}));
    EXPECT_GT(changes, before);

    Choose(*front, "mnuDelete");
    EXPECT_EQ(panel.Objects().Count(), 2);
    EXPECT_EQ(panel.ObjectMenu(), nullptr); // the menu of a deleted object is gone
}

TEST_F(ObjectMenuTest, UnselectableLeavesTheSelectionAndCenteringUsesTheSurface)
{
    auto* shape = Place<TGLabelShapes>(QRect(10, 20, 100, 60));
    Choose(*shape, "mnuCenterHorizontally");
    EXPECT_EQ(shape->Left(), 400 / 2 - 100 / 2);
    Choose(*shape, "mnuCenterVertically");
    EXPECT_EQ(shape->Top(), 300 / 2 - 60 / 2);

    Choose(*shape, "mnuUnselectable");
    EXPECT_TRUE(shape->Unselectable());
    EXPECT_TRUE(panel.Selection().empty());
}

TEST_F(ObjectMenuTest, FontAndBackgroundColorComeFromTheDialogsAndCancelChangesNothing)
{
    auto* text = Place<TGPLabel>(QRect(40, 40, 60, 20));
    text->SetCaption(QStringLiteral("Hello"));
    const TGFont original = text->Font();

    Choose(*text, "mnuFont"); // no answer scripted: cancelled
    EXPECT_EQ(text->Font(), original);

    QFont chosen(QStringLiteral("Courier New"), 20);
    chosen.setBold(true);
    ui.dialogs.setNextFont(chosen);
    const int before = changes;
    Choose(*text, "mnuFont");
    EXPECT_EQ(text->Font().Name, QStringLiteral("Courier New"));
    EXPECT_EQ(text->Font().PointSize(owner.PixelsPerInch()), 20);
    EXPECT_TRUE(text->Font().Style.Has(TFontStyle::fsBold));
    EXPECT_EQ(text->Font().Color, original.Color); // a font dialog knows no colour
    EXPECT_GT(changes, before);

    ui.dialogs.setNextColour(QColor(255, 0, 0));
    Choose(*text, "mnuBackgroundColor");
    EXPECT_EQ(text->BackColor(), ColorValue(0x000000FF));
    EXPECT_FALSE(text->Transparent());

    Choose(*text, "mnuBorder");
    EXPECT_EQ(text->BorderStyle(), TBorderStyle::bsSingle);
}

TEST_F(ObjectMenuTest, MultiLineFontRewrapsAndWordWrapToggles)
{
    auto* lines = Place<TGMultiLineLabel>(QRect(40, 40, 150, 60));
    ui.dialogs.setNextFont(QFont(QStringLiteral("Arial"), 14));
    Choose(*lines, "mnuFont");
    EXPECT_EQ(lines->Font().PointSize(owner.PixelsPerInch()), 14);
    Choose(*lines, "mnuWordWrap");
    EXPECT_TRUE(lines->WordWrap());
    QMenu* menu = RightClick(QPoint(44, 44));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(Item(*menu, "mnuWordWrap")->isChecked());
    menu->hide();
}

} // namespace

} // namespace object_menu_test
