#include "app/getting_started.h"
#include "app/startup.h"
#include "store/settings.h"
#include "ui/help_library.h"
#include "ui/scripted_services.h"

#include "support/temp_dir.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

// Clicks the box itself, as a user does: a check box wider than its
// caption does not react to a click beyond the caption.
void clickBox(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); }

class GettingStartedTest : public ::testing::Test {
protected:
    bool storedOff() const
    {
        return settings.ini().readBool(QStringLiteral("Misc"), QStringLiteral("GettingStarted"), false);
    }

    testing_support::TempDir dir;
    TScriptedServices ui;
    TSettings settings{QString::fromStdString(dir.file("QUORVL.ini"))};
};

// Closes the next modal window once it is up and says whether one came.
class TModalCloser {
public:
    TModalCloser()
    {
        QTimer::singleShot(0, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                seen = modal->objectName();
                modal->close();
            }
        });
    }
    QString seen;
};

} // namespace

TEST_F(GettingStartedTest, ShowsTheGuideWithTheSwitchAsStored)
{
    settings.setGettingStartedOff(true);
    TGettingStarted screen(settings, THelpLibrary::defaultFolder());
    EXPECT_TRUE(screen.findChild<QCheckBox*>(QStringLiteral("DontShowCheck"))->isChecked());
    EXPECT_EQ(screen.findChild<QCheckBox*>(QStringLiteral("DontShowCheck"))->text(),
              QStringLiteral("Do not show this screen at start up"));
    const QTextBrowser* document = screen.findChild<QTextBrowser*>(QStringLiteral("Document"));
    EXPECT_TRUE(document->isReadOnly());
    EXPECT_TRUE(document->toPlainText().contains(QStringLiteral("Welcome to Quorvel")));
}

TEST_F(GettingStartedTest, TheSwitchIsWrittenBackHoweverTheScreenCloses)
{
    {
        TGettingStarted screen(settings, THelpLibrary::defaultFolder());
        screen.show();
        clickBox(screen.findChild<QCheckBox*>(QStringLiteral("DontShowCheck")));
        QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("CloseButton")), Qt::LeftButton);
        EXPECT_FALSE(screen.isVisible());
    }
    EXPECT_TRUE(storedOff());
    {
        TGettingStarted screen(settings, THelpLibrary::defaultFolder());
        screen.show();
        clickBox(screen.findChild<QCheckBox*>(QStringLiteral("DontShowCheck")));
        QTest::keyClick(&screen, Qt::Key_Escape);
        EXPECT_FALSE(screen.isVisible());
    }
    EXPECT_FALSE(storedOff());
}

TEST_F(GettingStartedTest, LinksOpenHelpTopics)
{
    TGettingStarted screen(settings, THelpLibrary::defaultFolder());
    QTextBrowser* document = screen.findChild<QTextBrowser*>(QStringLiteral("Document"));
    emit document->anchorClicked(QUrl(QStringLiteral("2001.html")));
    emit document->anchorClicked(QUrl(QStringLiteral("help:1083")));
    EXPECT_EQ(ui.help.opened(), (QList<int>{2001, 1083}));
    EXPECT_TRUE(document->toPlainText().contains(QStringLiteral("Welcome to Quorvel"))); // the guide stays
}

TEST_F(GettingStartedTest, WithoutHelpPagesTheScreenStillOpens)
{
    TGettingStarted screen(settings, QString::fromStdString(dir.file("no-help")));
    EXPECT_TRUE(screen.findChild<QTextBrowser*>(QStringLiteral("Document"))->toPlainText().contains(
        QStringLiteral("Welcome to Quorvel")));
}

TEST_F(GettingStartedTest, IsShownAfterStartUpUnlessSwitchedOff)
{
    QWidget mainWindow;
    mainWindow.show();
    showGettingStartedAfterStartup(&mainWindow, settings);
    {
        TModalCloser closer; // runs after the posted start-up screen is up
        QTest::qWait(50);
        QCoreApplication::processEvents();
        EXPECT_EQ(closer.seen, QStringLiteral("GettingStarted"));
    }

    settings.setGettingStartedOff(true);
    showGettingStartedAfterStartup(&mainWindow, settings);
    TModalCloser closer;
    QTest::qWait(50);
    EXPECT_EQ(closer.seen, QString());
}
