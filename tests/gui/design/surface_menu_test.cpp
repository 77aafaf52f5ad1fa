// The other object dialogs reached from the objects' menus, and the
// surface's own menu on a right click where there is no object.

#include "design/model/address_label.h"
#include "design/model/counter_label.h"
#include "design/model/data_label.h"
#include "design/model/label_shapes.h"
#include "design/model/multi_line_label.h"
#include "design/model/text_labels.h"
#include "object_menu_fixture.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace design;

namespace object_menu_test {

namespace {

TEST_F(ObjectMenuTest, EachDialogItemOpensItsDialogOnTheObject)
{
    struct Case {
        const char* item;
        std::function<TGGraphicControl*()> place;
        const char* dialog;
    };
    const QRect at(40, 40, 120, 40);
    const Case cases[] = {
        {"mnuText", [&] { return Place<TGPLabel>(at); }, "TextDialog"},
        {"mnu3DEffects", [&] { return Place<TGPLabel>(at); }, "TextEffectsDialog"},
        {"mnuCounterSettings", [&] { return Place<TGCounterLabel>(at); }, "CounterDialog"},
        {"mnuText", [&] { return Place<TGMultiLineLabel>(at); }, "MultiLineTextEditor"},
        {"mnuAddressLayout", [&] { return Place<TGDMultiLineAddressLabel>(at); }, "AddressLabelLayout"},
        {"mnuField", [&] { return Place<TGPDLabel>(at); }, "SelectFieldDialog"},
    };
    for (const Case& c : cases) {
        panel.ClearObjects();
        TGGraphicControl* object = c.place();
        QString opened;
        WhenModal([&](QDialog& dialog) {
            opened = dialog.objectName();
            dialog.reject();
        });
        const int before = changes;
        Choose(*object, c.item);
        EXPECT_EQ(opened, QString::fromLatin1(c.dialog)) << c.item;
        EXPECT_EQ(changes, before) << c.item << ": cancelled, yet the design changed";
    }
}

TEST_F(ObjectMenuTest, ConfirmedTextDialogsChangeTheObject)
{
    auto* text = Place<TGPLabel>(QRect(40, 40, 60, 20));
    WhenModal([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("TextEdit"))->setText(QStringLiteral("Dear friend"));
        dialog.accept();
    });
    int before = changes;
    Choose(*text, "mnuText");
    EXPECT_EQ(text->Caption(), QStringLiteral("Dear friend"));
    EXPECT_GT(changes, before);

    auto* lines = Place<TGMultiLineLabel>(QRect(40, 150, 150, 40));
    WhenModal([](QDialog& dialog) {
        dialog.findChild<QPlainTextEdit*>(QStringLiteral("TextEdit"))->setPlainText(QStringLiteral("one\ntwo"));
        dialog.accept();
    });
    before = changes;
    Choose(*lines, "mnuText");
    EXPECT_EQ(lines->Items(), (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
    EXPECT_GT(changes, before);
}

TEST_F(ObjectMenuTest, RightClickOnTheEmptySurfaceOpensItsMenu)
{
    auto* first = Place<TGLabelShapes>(QRect(40, 40, 60, 40));
    auto* second = Place<TGPLabel>(QRect(200, 40, 60, 20));
    auto* symbol = Place<TGSymbolLabel>(QRect(40, 200, 30, 30));
    panel.ClearSelection();

    QMenu* menu = RightClick(QPoint(350, 280));
    ASSERT_EQ(menu, &panel.SurfaceMenu());
    // Nothing selected and nothing copied yet.
    const std::pair<const char*, bool> enabled[] = {
        {"mnuCut", false},      {"mnuPaste", false},   {"mnuFont", false},
        {"mnuLockAll", true},   {"mnuSelectAll", true}, {"mnuMarkAllSelectable", true},
    };
    for (const auto& [item, on] : enabled)
        EXPECT_EQ(Item(*menu, item)->isEnabled(), on) << item;
    Item(*menu, "mnuLockAll")->trigger();
    menu->hide();
    EXPECT_TRUE(first->Locked() && second->Locked() && symbol->Locked());

    menu = RightClick(QPoint(350, 280));
    ASSERT_NE(menu, nullptr);
    Item(*menu, "mnuSelectAll")->trigger();
    menu->hide();
    EXPECT_EQ(panel.Selection().size(), 3u);

    // With a selection, the surface's "Font" reaches every selected text
    // object; a symbol keeps its symbol font.
    const TGFont symbolFont = symbol->Font();
    ui.dialogs.setNextFont(QFont(QStringLiteral("Times New Roman"), 16));
    menu = RightClick(QPoint(350, 280));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(Item(*menu, "mnuFont")->isEnabled());
    Item(*menu, "mnuFont")->trigger();
    menu->hide();
    EXPECT_EQ(second->Font().Name, QStringLiteral("Times New Roman"));
    EXPECT_EQ(symbol->Font(), symbolFont);
}

} // namespace

} // namespace object_menu_test
