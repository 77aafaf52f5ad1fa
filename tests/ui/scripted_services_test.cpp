#include "ui/qt_dialogs.h"
#include "ui/qt_messages.h"
#include "ui/scripted_services.h"

#include <gtest/gtest.h>

using namespace quorvel;

TEST(ScriptedServices, AreInstalledWhileTheyLiveAndGoneAfter)
{
    TMessages* real = &TServices::messages();
    {
        TScriptedServices ui;
        EXPECT_EQ(&TServices::messages(), &ui.messages);
        EXPECT_EQ(&TServices::dialogs(), &ui.dialogs);
        EXPECT_EQ(&TServices::help(), &ui.help);
    }
    EXPECT_EQ(&TServices::messages(), real);
}

TEST(ScriptedServices, QuestionsTakeQueuedAnswersThenTheDefaultButton)
{
    TScriptedServices ui;
    ui.messages.setNextAnswer(TAnswer::No);
    EXPECT_FALSE(TServices::messages().question(nullptr, QStringLiteral("Delete this record?"), QStringLiteral("DELETE")));
    EXPECT_TRUE(TServices::messages().question(nullptr, QStringLiteral("Tag all?"), QStringLiteral("TAG ALL")));
    EXPECT_FALSE(TServices::messages().question(nullptr, QStringLiteral("Cancel copy?"), QStringLiteral("Cancel"),
                                                TAnswer::No));
    TServices::messages().information(nullptr, QStringLiteral("Create failed"));

    const QList<TMessage>& shown = ui.messages.shown();
    ASSERT_EQ(shown.size(), 4);
    EXPECT_EQ(shown[0].caption, QStringLiteral("DELETE"));
    EXPECT_EQ(shown[0].kind, TMessageKind::Question);
    EXPECT_EQ(shown[2].defaultAnswer, TAnswer::No);
    EXPECT_EQ(shown[3].caption, QStringLiteral("Information"));
    EXPECT_EQ(shown[3].text, QStringLiteral("Create failed"));
}

TEST(ScriptedServices, FileDialogsRecordTheRequestAndAnswerFromTheQueue)
{
    TScriptedServices ui;
    ui.dialogs.setNextFileName(QStringLiteral("/home/me/DATA/CLUB.DBF"));
    const TFileRequest request{QStringLiteral("Open"), QStringLiteral("/home/me/DATA/"), QStringLiteral("DBF Files|*.dbf"),
                               QStringLiteral("DBF")};
    EXPECT_EQ(TServices::dialogs().openFileName(nullptr, request), QStringLiteral("/home/me/DATA/CLUB.DBF"));
    EXPECT_EQ(TServices::dialogs().openFileName(nullptr, request), QString()); // nothing queued: cancelled
    EXPECT_FALSE(TServices::dialogs().font(nullptr, QFont()).has_value());
    ASSERT_EQ(ui.dialogs.requests().size(), 3);
    EXPECT_EQ(ui.dialogs.requests()[0].file.filter, QStringLiteral("DBF Files|*.dbf"));
    EXPECT_EQ(ui.dialogs.requests()[2].kind, TScriptedDialogs::TKind::Font);
}

TEST(QtSeams, FileFiltersAndMessageTextsAreConvertedForDisplay)
{
    EXPECT_EQ(qtFileFilter(QStringLiteral("DBF Files|*.dbf")), QStringLiteral("DBF Files (*.dbf *.DBF)"));
    EXPECT_EQ(qtFileFilter(QStringLiteral("Images|*.BMP;*.jpg|All|*.*")),
              QStringLiteral("Images (*.BMP *.bmp *.jpg *.JPG);;All (*.*)"));
    EXPECT_EQ(displayText(QStringLiteral("Unable to open x\r\n\r\n * May not be a Quorvel file.")),
              QStringLiteral("Unable to open x\n\n * May not be a Quorvel file."));
    EXPECT_EQ(displayText(QStringLiteral("\rLabel Print Completed!")), QStringLiteral("Label Print Completed!"));
}
