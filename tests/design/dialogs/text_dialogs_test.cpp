// The dialogs of the text objects and the address block, driven by object
// name as a user would.
#include "design/model/text_test_support.h"

#include "design/dialogs/address_layout_dialog.h"
#include "design/dialogs/counter_dialog.h"
#include "design/dialogs/text_edit_dialogs.h"
#include "design/dialogs/text_effects_dialog.h"
#include "design/model/address_label.h"
#include "design/model/design_owner.h"
#include "design/model/text_labels.h"
#include "ui/scripted_help.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace design;

namespace {

template <class T> T* Child(QWidget& dialog, const char* name)
{
    T* child = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Runs `act` on the modal dialog as soon as it is shown.
void WhenShown(const std::function<void(QDialog&)>& act)
{
    QTimer::singleShot(0, [act] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible()) {
                act(*dialog);
                return;
            }
        FAIL() << "no dialog is shown";
    });
}

void Click(QDialog& dialog, const char* name) { QTest::mouseClick(Child<QAbstractButton>(dialog, name), Qt::LeftButton); }

// Check boxes and radio buttons answer the space bar wherever their text ends.
void Toggle(QWidget& dialog, const char* name) { QTest::keyClick(Child<QAbstractButton>(dialog, name), Qt::Key_Space); }

} // namespace

TEST(AddressLabelLayoutDialog, ShowsTheSwitchesAndZipFollowsItsBox)
{
    TAddressLayout layout;
    layout.ZipOptions = TZipFormatOptions::zoBeforeCountry;
    layout.UsePhone = true;
    quorvel::TScriptedHelp help;
    TAddressLabelLayout dialog(layout, &help);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Address Label Layout"));
    EXPECT_EQ(Child<QCheckBox>(dialog, "CityStateCheckBox")->text(), QStringLiteral("City + &State"));
    EXPECT_TRUE(Child<QCheckBox>(dialog, "PhoneCheckBox")->isChecked());
    auto* beforeCountry = Child<QRadioButton>(dialog, "ZipBeforeCountryButton");
    EXPECT_TRUE(beforeCountry->isChecked());
    EXPECT_EQ(beforeCountry->text(), QStringLiteral("B&efore country"));

    dialog.show();
    Toggle(dialog, "ZipCheckBox");
    EXPECT_FALSE(beforeCountry->isEnabled()) << "ZIP positions only while the ZIP is used";
    Toggle(dialog, "ZipCheckBox");
    EXPECT_TRUE(beforeCountry->isEnabled());
    Toggle(dialog, "ZipBeforeCityButton");
    Toggle(dialog, "UpperCaseCheckBox");
    QTest::mouseClick(Child<QPushButton>(dialog, "HelpButton"), Qt::LeftButton);
    EXPECT_EQ(help.opened(), QList<int>{40009});

    TAddressLayout expected = layout;
    expected.ZipOptions = TZipFormatOptions::zoBeforeCity;
    expected.UpperCase = true;
    EXPECT_EQ(dialog.Layout(), expected);
}

TEST(AddressLabelLayoutDialog, OkStoresTheLayoutAndCancelChangesNothing)
{
    TGDesignOwner owner(96);
    TGDMultiLineAddressLabel address(owner);
    const design_testing::TMemoryRecord record = design_testing::AnnCole();
    const TGRecordContext values{&record, true, false};
    address.SetRecordContext(&values);

    WhenShown([](QDialog& dialog) {
        Toggle(dialog, "NameCheckBox");
        Click(dialog, "CancelButton");
    });
    EXPECT_FALSE(EditAddressLayout(address, nullptr));
    EXPECT_TRUE(address.UseName());

    WhenShown([](QDialog& dialog) {
        Toggle(dialog, "NameCheckBox");
        Click(dialog, "OKButton");
    });
    EXPECT_TRUE(EditAddressLayout(address, nullptr));
    EXPECT_FALSE(address.UseName());
    EXPECT_EQ(address.Items().first(), QStringLiteral("12 Elm St")) << "the block shows the new layout at once";
}

TEST(CounterDialog, OkAppliesTheSettings)
{
    TGDesignOwner owner(96);
    TGCounterLabel counter(owner);
    quorvel::TScriptedHelp help;
    WhenShown([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Counter"));
        auto* repeat = Child<QSpinBox>(dialog, "RepeatEachEdit");
        EXPECT_EQ(repeat->minimum(), 1);
        EXPECT_EQ(repeat->maximum(), 999);
        EXPECT_EQ(Child<QSpinBox>(dialog, "LeadingZerosEdit")->maximum(), 9);
        Child<QSpinBox>(dialog, "StartingNumberEdit")->setValue(41);
        Child<QSpinBox>(dialog, "LeadingZerosEdit")->setValue(4);
        QTest::keyClicks(Child<QLineEdit>(dialog, "TextBeforeEdit"), QStringLiteral("#"));
        Click(dialog, "HelpButton");
        Click(dialog, "OKButton");
    });
    ASSERT_TRUE(EditCounter(counter, &help));
    EXPECT_EQ(help.opened(), QList<int>{40006});
    EXPECT_EQ(counter.ComposedCaption(), QStringLiteral("#0041"));
}

TEST(TextDialogs, TextDialogSetsTheCaption)
{
    TGDesignOwner owner(96);
    TGPLabel label(owner);
    WhenShown([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Text"));
        auto* edit = Child<QLineEdit>(dialog, "TextEdit");
        EXPECT_EQ(edit->text(), QStringLiteral("Text"));
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("Church Picnic"));
        Click(dialog, "OKButton");
    });
    ASSERT_TRUE(EditText(label, nullptr));
    EXPECT_EQ(label.Caption(), QStringLiteral("Church Picnic"));
}

TEST(TextDialogs, MultiLineEditorHoldsAtMost254Characters)
{
    TGDesignOwner owner(96);
    TGMultiLineLabel text(owner);
    WhenShown([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Multi-line Text Editor"));
        auto* edit = Child<QPlainTextEdit>(dialog, "TextEdit");
        edit->insertPlainText(QStringLiteral("Club news\n"));
        edit->insertPlainText(QString(300, QLatin1Char('x')));
        EXPECT_EQ(edit->toPlainText().size(), 254);
        Click(dialog, "OKButton");
    });
    ASSERT_TRUE(EditMultiLineText(text));
    ASSERT_EQ(text.Items().size(), 2);
    EXPECT_EQ(text.Items().first(), QStringLiteral("Club news"));
    EXPECT_EQ(text.Items().at(1).size(), 244);
}

TEST(TextEffectsDialog, ChangesShowOnTheSampleAndOkCopiesThem)
{
    TGDesignOwner owner(96);
    TGPLabel label(owner);
    quorvel::TScriptedHelp help;
    const TColorChooser pickRed = [](TColor) -> std::optional<TColor> { return ColorValue(0x000000FF); };
    WhenShown([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Text 3D Effects"));
        auto* direction = Child<QComboBox>(dialog, "ShadowDirectionBox");
        EXPECT_EQ(direction->currentIndex(), static_cast<int>(TShadowDirection::sdDownRight));
        EXPECT_EQ(direction->itemText(3), QStringLiteral("Lower Right"));
        EXPECT_EQ(Child<QComboBox>(dialog, "HighlightDirectionBox")->itemText(4), QStringLiteral("Upper Left"));
        direction->setCurrentIndex(static_cast<int>(TShadowDirection::sdDown));
        Child<QComboBox>(dialog, "ShadowDepthBox")->setCurrentIndex(4);
        Click(dialog, "FontColorButton");
        Click(dialog, "HelpButton");
        Click(dialog, "OKButton");
    });
    ASSERT_TRUE(EditTextEffects(label, &help, nullptr, pickRed));
    EXPECT_EQ(label.DirectionShadow(), TShadowDirection::sdDown);
    EXPECT_EQ(label.DepthShadow(), 4);
    EXPECT_EQ(label.Font().Color, ColorValue(0x000000FF));
    EXPECT_EQ(help.opened(), QList<int>{40008});

    WhenShown([](QDialog& dialog) {
        Child<QComboBox>(dialog, "HighlightDepthBox")->setCurrentIndex(9);
        Click(dialog, "CancelButton");
    });
    EXPECT_FALSE(EditTextEffects(label, nullptr, nullptr, pickRed));
    EXPECT_EQ(label.DepthHighlight(), 0);
}
