// A record saved through the window is in the file even when the program
// is killed right after the save; the next start finds the file not closed
// properly and rebuilds its indexes before showing it.
#include "store/address_dataset.h"
#include "store/address_file.h"
#include "store/index_rebuild.h"
#include "xbase/apollo.h"

#include "support/temp_dir.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(KilledAfterSaveTest, TheSavedRecordIsStillThere)
{
    testing_support::TempDir dir;
    const QString home = QString::fromStdString(dir.path()) + QLatin1Char('/');
    QFile ini(home + QStringLiteral("QUORVL.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    // No reopening after saves: the save alone must have reached the disk.
    ini.write("[Misc]\r\nGettingStarted=1\r\n[Editing]\r\nAggressiveSave=0\r\n");
    ini.close();

    bool killedBefore = false;
    for (const char* name : {"Firstsaved", "Secondsaved"}) {
        QProcess child;
        child.start(QStringLiteral(QUORVEL_SAVE_HELPER), {home, QString::fromLatin1(name)});
        ASSERT_TRUE(child.waitForStarted(10000));
        QByteArray said;
        while (!said.contains("SAVED") && child.waitForReadyRead(20000))
            said += child.readAllStandardOutput();
        ASSERT_TRUE(said.contains("SAVED")) << said.toStdString() << child.readAllStandardError().toStdString();
        EXPECT_EQ(said.contains("REBUILT"), killedBefore) << said.toStdString();
        child.kill(); // SIGKILL: no clean-up of any kind
        ASSERT_TRUE(child.waitForFinished(10000));
        killedBefore = true;
    }

    xbase::TApollo engine;
    TAddressDataset dataset(engine);
    const TAddressOpenResult opened = OpenQVWFile(home + QStringLiteral("DATA/add0001.DBF"), dataset);
    ASSERT_TRUE(opened.ok) << opened.detail.toStdString();
    EXPECT_TRUE(opened.notClosedProperly);
    ASSERT_TRUE(RebuildAddressIndexes(dataset).ok);
    EXPECT_TRUE(CheckValidIndex(dataset));
    ASSERT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
    ASSERT_TRUE(dataset.First());
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QStringLiteral("Firstsaved"));
    ASSERT_TRUE(dataset.Next());
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QStringLiteral("Secondsaved"));
    EXPECT_EQ(dataset.QueryRecCount(), 2u);
}

} // namespace
} // namespace quorvel
