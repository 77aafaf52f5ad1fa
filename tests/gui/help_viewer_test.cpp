#include "ui/help_viewer.h"
#include "ui/viewer_help.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

QString title(const THelpViewer& viewer) { return viewer.browser()->documentTitle(); }

} // namespace

TEST(HelpViewer, OpensAtAContextAndFollowsLinks)
{
    THelpViewer viewer(THelpLibrary(THelpLibrary::defaultFolder()));
    viewer.showTopic(1029);
    EXPECT_EQ(viewer.currentContext(), 1029);
    EXPECT_EQ(title(viewer), QStringLiteral("The main window"));
    viewer.browser()->setSource(QUrl(QStringLiteral("2001.html")));
    EXPECT_EQ(viewer.currentContext(), 2001);
    EXPECT_EQ(title(viewer), QStringLiteral("Preferences"));
    viewer.browser()->backward();
    EXPECT_EQ(viewer.currentContext(), 1029);
}

TEST(HelpViewer, AMissingTopicSaysSo)
{
    THelpViewer viewer(THelpLibrary(THelpLibrary::defaultFolder()));
    viewer.showTopic(777);
    EXPECT_EQ(viewer.currentContext(), 0);
    EXPECT_TRUE(viewer.browser()->toPlainText().contains(QStringLiteral("777")));
}

TEST(HelpViewer, ContentsAndSearch)
{
    THelpViewer viewer(THelpLibrary(THelpLibrary::defaultFolder()));
    viewer.show();
    viewer.showContents();
    EXPECT_EQ(title(viewer), QStringLiteral("Quorvel Help"));

    viewer.showSearch();
    auto* list = viewer.findChild<QListWidget*>(QStringLiteral("TopicList"));
    const int everything = list->count();
    EXPECT_GE(everything, 29);
    QTest::keyClicks(viewer.findChild<QLineEdit*>(QStringLiteral("SearchEdit")), QStringLiteral("dictionary"));
    ASSERT_GE(list->count(), 1);
    EXPECT_LT(list->count(), everything);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    EXPECT_NE(viewer.currentContext(), 0);

    viewer.showSearch(); // opens with an empty keyword again
    EXPECT_EQ(viewer.findChild<QLineEdit*>(QStringLiteral("SearchEdit"))->text(), QString());
    EXPECT_EQ(list->count(), everything);
}

TEST(ViewerHelp, IsUsableFromAModalDialogAndDoesNotKeepTheProgramRunning)
{
    TViewerHelp help;
    QDialog dialog;
    QTimer::singleShot(0, &dialog, [&] {
        help.showTopic(1083);
        dialog.accept();
    });
    dialog.exec();
    const THelpViewer* ownedByDialog = dialog.findChild<THelpViewer*>();
    ASSERT_NE(ownedByDialog, nullptr);
    EXPECT_EQ(help.viewer(), ownedByDialog);
    EXPECT_FALSE(ownedByDialog->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_EQ(ownedByDialog->currentContext(), 1083);

    help.showContents(); // no modal dialog now: a window of its own
    EXPECT_EQ(dialog.findChild<THelpViewer*>(), nullptr);
    EXPECT_NE(help.viewer(), nullptr);
}
