#include "ui/whats_this.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QWhatsThis>

#include <gtest/gtest.h>

using namespace quorvel;

TEST(WhatsThis, AButtonOffersOnlyTheHelpEntry)
{
    QPushButton button(QStringLiteral("Labels"));
    setWhatsThisText(&button, QStringLiteral("Prints or designs labels."));
    std::unique_ptr<QMenu> menu(createWhatsThisMenu(&button));
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().constFirst()->text(), QStringLiteral("What's this?"));
    EXPECT_EQ(button.whatsThis(), QStringLiteral("Prints or designs labels."));
}

TEST(WhatsThis, AnEditBoxKeepsItsEditCommands)
{
    QLineEdit edit;
    setWhatsThisText(&edit, QStringLiteral("The last name."));
    std::unique_ptr<QMenu> menu(createWhatsThisMenu(&edit));
    EXPECT_GT(menu->actions().size(), 3);
    EXPECT_EQ(menu->actions().constLast()->text(), QStringLiteral("What's this?"));
}

TEST(WhatsThis, RightClickPopsUpTheMenuAndItShowsTheText)
{
    QPushButton button(QStringLiteral("Filter"));
    setWhatsThisText(&button, QStringLiteral("Sets or changes a filter."));
    button.show();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), button.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&button, &event);
    QMenu* menu = button.findChild<QMenu*>(QStringLiteral("WhatsThisMenu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    menu->actions().constLast()->trigger();
    menu->close();
    QWhatsThis::hideText();
}
