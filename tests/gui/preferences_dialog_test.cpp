#include "app/preferences_dialog.h"
#include "store/settings.h"
#include "ui/scripted_services.h"

#include "support/temp_dir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

// Clicks the box itself, as a user does: a check box wider than its
// caption does not react to a click beyond the caption.
void clickBox(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); }

// Types as a keyboard would, accents and all (keyClicks knows only ASCII).
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

class PreferencesDialogTest : public ::testing::Test {
protected:
    QString iniPath() const { return QString::fromStdString(dir.file("QUORVL.ini")); }

    void putIni(const QByteArray& bytes) const
    {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray iniBytes() const
    {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    template <typename T> T* control(TPreferences& dialog, const char* name) const
    {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QString readAdding(const char* key) const
    {
        return settings.ini().readString(QStringLiteral("Adding"), QString::fromLatin1(key), QStringLiteral("<none>"));
    }

    testing_support::TempDir dir;
    TScriptedServices ui;
    TSettings settings{iniPath()};
};

} // namespace

TEST_F(PreferencesDialogTest, ShowsEveryControlWithItsCaption)
{
    TPreferences dialog(settings);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Preferences"));
    const struct {
        const char* name;
        const char* caption;
    } checks[] = {
        {"PlugDateCheck", "Enter today's date in the date field"},
        {"PlugCityStateCheck", "Automatically insert city and state/province"},
        {"AutoDupCheckCheck", "Automatically check for duplicate names"},
        {"CarryOrgCheck", "Organization"},
        {"SkipDateCheck", "Date"},
    };
    for (const auto& c : checks)
        EXPECT_EQ(control<QCheckBox>(dialog, c.name)->text(), QString::fromLatin1(c.caption));
    EXPECT_EQ(control<QGroupBox>(dialog, "CarryGroup")->title(), QStringLiteral("Carry forward the following fields:"));
    EXPECT_EQ(control<QGroupBox>(dialog, "SkipGroup")->title(), QStringLiteral("Skip through the following fields:"));
    EXPECT_EQ(control<QGroupBox>(dialog, "CarryGroup")->findChildren<QCheckBox*>().size(), 7);
    EXPECT_EQ(control<QGroupBox>(dialog, "SkipGroup")->findChildren<QCheckBox*>().size(), 18);
    QComboBox* levels = control<QComboBox>(dialog, "AggressiveSaveCombo");
    ASSERT_EQ(levels->count(), 3);
    EXPECT_EQ(levels->itemText(0), QStringLiteral("None"));
    EXPECT_EQ(levels->itemText(1), QStringLiteral("Normal - Every 5 Saves"));
    EXPECT_EQ(levels->itemText(2), QStringLiteral("High - Every Save"));
    EXPECT_EQ(control<QPushButton>(dialog, "OKButton")->text(), QStringLiteral("Ok"));
    EXPECT_EQ(control<QPushButton>(dialog, "CancelButton")->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(control<QPushButton>(dialog, "HelpButton")->text(), QStringLiteral("Help"));
}

TEST_F(PreferencesDialogTest, OpensWithTheStoredValues)
{
    putIni("[Adding]\r\nPlugDate=1\r\nCarrySA2=1\r\nSkipcomments2=1\r\nDefaultCountry=Canada\r\n"
           "[Editing]\r\nAggressiveSave=7\r\n");
    TPreferences dialog(settings);
    EXPECT_TRUE(control<QCheckBox>(dialog, "PlugDateCheck")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(dialog, "PlugCityStateCheck")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(dialog, "CarrySA2Check")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(dialog, "Skipcomments2Check")->isChecked());
    EXPECT_EQ(control<QLineEdit>(dialog, "DefaultCountryEdit")->text(), QStringLiteral("Canada"));
    // Any level above 2 saves after every record: shown as the highest.
    EXPECT_EQ(control<QComboBox>(dialog, "AggressiveSaveCombo")->currentIndex(), 2);
}

TEST_F(PreferencesDialogTest, OkWritesEveryValue)
{
    putIni("; my settings\r\n[MRU]\r\nItem1=/home/club/DATA/MEMBERS.DBF\r\n");
    TPreferences dialog(settings);
    dialog.show();
    clickBox(control<QCheckBox>(dialog, "PlugCityStateCheck"));
    clickBox(control<QCheckBox>(dialog, "CarryCityCheck"));
    clickBox(control<QCheckBox>(dialog, "SkipFaxCheck"));
    typeText(control<QLineEdit>(dialog, "DefaultCountryEdit"), QStringLiteral("España"));
    control<QComboBox>(dialog, "AggressiveSaveCombo")->setCurrentIndex(0);
    QTest::mouseClick(control<QPushButton>(dialog, "OKButton"), Qt::LeftButton);

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(readAdding("PlugCityState"), QStringLiteral("1"));
    EXPECT_EQ(readAdding("PlugDate"), QStringLiteral("0"));
    EXPECT_EQ(readAdding("CarryCity"), QStringLiteral("1"));
    EXPECT_EQ(readAdding("SkipFax"), QStringLiteral("1"));
    EXPECT_EQ(readAdding("SkipDate"), QStringLiteral("0"));
    EXPECT_EQ(readAdding("DefaultCountry"), QStringLiteral("España"));
    EXPECT_EQ(settings.ini().read().keys(QStringLiteral("Adding")).size(), 29);
    EXPECT_EQ(settings.ini().readString(QStringLiteral("Editing"), QStringLiteral("AggressiveSave")), QStringLiteral("0"));
    EXPECT_TRUE(iniBytes().startsWith("; my settings\r\n[MRU]\r\nItem1=/home/club/DATA/MEMBERS.DBF\r\n"));
    EXPECT_TRUE(iniBytes().contains("DefaultCountry=Espa\xF1" "a\r\n"));
}

TEST_F(PreferencesDialogTest, CancelWritesNothing)
{
    TPreferences dialog(settings);
    dialog.show();
    clickBox(control<QCheckBox>(dialog, "PlugDateCheck"));
    QTest::mouseClick(control<QPushButton>(dialog, "CancelButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(iniBytes(), QByteArray("<missing>"));
}

TEST_F(PreferencesDialogTest, ACountryTheFileCannotHoldIsRefusedAndTheDialogStaysOpen)
{
    TPreferences dialog(settings);
    dialog.show();
    typeText(control<QLineEdit>(dialog, "DefaultCountryEdit"), QStringLiteral("Việt Nam"));
    QTest::mouseClick(control<QPushButton>(dialog, "OKButton"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(ui.messages.shown().size(), 1);
    EXPECT_TRUE(ui.messages.lastText().contains(QStringLiteral("U+1EC7"))) << ui.messages.lastText().toStdString();
    EXPECT_EQ(iniBytes(), QByteArray("<missing>"));
}

TEST_F(PreferencesDialogTest, HelpOpensItsTopic)
{
    TPreferences dialog(settings);
    dialog.show();
    QTest::mouseClick(control<QPushButton>(dialog, "HelpButton"), Qt::LeftButton);
    EXPECT_EQ(ui.help.opened(), QList<int>{2001});
}
