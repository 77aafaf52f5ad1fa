// "Print Labels" opened from the main window as a user opens it: the
// layout commands with their rows and design files, the run options, and
// the position picker.
#include "design/file/label_object_filer.h"
#include "design/model/class_set.h"
#include "design/model/counter_label.h"
#include "design/model/design_font.h"
#include "design/model/design_owner.h"
#include "design/model/graphic_control.h"
#include "design/model/surface_objects.h"
#include "label_windows_fixture.h"
#include "labels/label_layout_commands.h"
#include "labels/label_layout_table.h"
#include "labels/label_position_picker.h"
#include "labels/new_label_design.h"
#include "labels/windows/label_design_panel.h"
#include "labels/windows/label_design_screen.h"
#include "labels/windows/label_setup_screen.h"
#include "labels/windows/label_sheet_picture.h"
#include "labels/windows/position_picker_window.h"
#include "labels/windows/sort_bulk_mail.h"
#include "main_window_fixture.h"
#include "output/preview_form.h"
#include "store/dataset.h"
#include "xbase/apollo.h"

#include <QCheckBox>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

namespace labels_gui {
namespace {

using labels::TLabelSetupScreen;
using quorvel::TAnswer;

const QString kNewLabelMessage = QStringLiteral(
    "A new label has been created using the Avery 5160\rformat. To change to another label format, click on\rthe "
    "Change Layout button.\r\rA Database Mailing Address object has already been \radded to the label.\r\rFor "
    "additional assistance, click the Help button");

class PrintLabelsTest : public quorvel::testing::MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        addRecord({ { QStringLiteral("LNAME"), QStringLiteral("Baker") },
            { QStringLiteral("CITY"), QStringLiteral("Boston") } });
        ui.messages.clear();
    }

    QString sysdata() const { return window->home().sysdataFolder(); }

    // Opens "Print Labels", runs the steps on it, and closes it with Ok.
    void WithScreen(const std::function<void(TLabelSetupScreen&)>& steps)
    {
        WithWindow<TLabelSetupScreen>("LabelSetupScreen", [this] { trigger("mnuPrintLabels"); }, steps);
    }

    // Clicks a button that opens the design screen, runs the steps on the
    // screen and saves (or cancels when nothing changed).
    static void Design(
        TLabelSetupScreen& screen, const char* button, const std::function<void(labels::TLabelDesignScreen&)>& steps)
    {
        WithDesigner<labels::TLabelDesignScreen>(
            "LabelDesignScreen", [&screen, button] { clickButton(&screen, button); }, steps);
    }

    static QStringList Rows(TLabelSetupScreen& screen) { return GridRows(&screen, "LayoutGrid"); }

    static void Highlight(TLabelSetupScreen& screen, const QString& description)
    {
        HighlightRow(&screen, "LayoutGrid", description);
    }

    QStringList DesignFiles() const
    {
        return QDir(sysdata()).entryList({ QStringLiteral("BIN*.L") }, QDir::Files, QDir::Name);
    }

    // A layout put into LABEL.DBF before the screen opens.
    void AddLayout(const QString& name, const labels::TLabelGeometry& geometry, bool byHand = false)
    {
        xbase::TApollo engine;
        quorvel::TDataset table(engine);
        ASSERT_TRUE(labels::OpenLabelLayoutTable(table, sysdata()).ok);
        labels::TLabelLayout layout = labels::NewLabelLayout();
        layout.description = name;
        layout.stock.geometry = geometry;
        if (byHand)
            layout.stock = labels::UserDefinedStock(geometry);
        design::TGDesignOwner owner;
        design::TGSurfaceObjects objects { design::TGClassSet::LabelSurface() };
        labels::AddNewLabelAddressBlock(owner, objects, labels::LabelSizeInPixels(geometry, 96), design::TGFont {});
        const quorvel::TTableResult saved
            = labels::SaveLabelLayout(table, sysdata(), layout, labels::TLayoutSave::lsNew,
                [&objects](const QString& path) { return design::TGLabelObjectFiler().SaveSurface(objects, path); });
        ASSERT_TRUE(saved.ok) << saved.messages.join(u'\n').toStdString();
    }
};

TEST_F(PrintLabelsTest, NewSaveModifyCloneAndDeleteKeepRowsAndFilesInStep)
{
    WithScreen([&](TLabelSetupScreen& screen) {
        // An empty table offers New alone; the greyed grid shows the sheet
        // a first layout is made for.
        EXPECT_EQ(Rows(screen), QStringList({ QStringLiteral("Default Label Setup|Avery 5160  Address") }));
        EXPECT_FALSE(child<QWidget>(&screen, "LayoutGrid")->isEnabled());
        for (const char* name : { "PrintNow", "Previewbutton", "ModifyButton", "DeleteButton", "CloneButton" })
            EXPECT_FALSE(child<QWidget>(&screen, name)->isEnabled()) << name;
        EXPECT_FALSE(child<QWidget>(&screen, "WhatToPrint")->isVisible());

        Design(screen, "NewButton", [&](labels::TLabelDesignScreen& designer) {
            EXPECT_EQ(ui.messages.lastText(), kNewLabelMessage);
            ASSERT_EQ(designer.Panel().Objects().Count(), 1);
            const design::TGBounds block = designer.Panel().Objects().At(0)->Bounds();
            const QSize label = designer.Panel().size();
            EXPECT_EQ(label, QSize(252, 96));
            EXPECT_EQ(block, (design::TGBounds { 5, 5, label.width() - 15, label.height() - 15 }));
            EXPECT_EQ(child<QLineEdit>(&designer, "LabelSetupDescription")->text(), QStringLiteral("<New Label>"));
        });
        EXPECT_EQ(Rows(screen), QStringList({ QStringLiteral("<New Label>|Avery 5160  Address") }));
        EXPECT_EQ(DesignFiles(), QStringList({ QStringLiteral("BIN00001.L") }));
        EXPECT_TRUE(child<QWidget>(&screen, "ModifyButton")->isEnabled());

        Design(screen, "ModifyButton", [](labels::TLabelDesignScreen& designer) {
            // The design came back from its file.
            EXPECT_EQ(designer.Panel().Objects().Count(), 1);
            auto* description = child<QLineEdit>(&designer, "LabelSetupDescription");
            description->setFocus();
            description->selectAll();
            QTest::keyClicks(description, QStringLiteral("Office"));
        });
        EXPECT_EQ(Rows(screen), QStringList({ QStringLiteral("Office|Avery 5160  Address") }));

        for (int clone = 0; clone < 2; ++clone) {
            Highlight(screen, QStringLiteral("Office"));
            ui.messages.setNextAnswer(TAnswer::Yes);
            clickButton(&screen, "CloneButton");
            EXPECT_EQ(ui.messages.shown().last().caption, QStringLiteral("CLONE"));
            EXPECT_EQ(ui.messages.lastText(), QStringLiteral("Clone \"Office\"?"));
        }
        EXPECT_EQ(Rows(screen),
            QStringList({ QStringLiteral("Clone of :Office|Avery 5160  Address"),
                QStringLiteral("Clone of :Office|Avery 5160  Address"),
                QStringLiteral("Office|Avery 5160  Address") }));
        EXPECT_EQ(DesignFiles(),
            QStringList({ QStringLiteral("BIN00001.L"), QStringLiteral("BIN00002.L"), QStringLiteral("BIN00003.L") }));

        Highlight(screen, QStringLiteral("Office"));
        ui.messages.setNextAnswer(TAnswer::Yes);
        clickButton(&screen, "DeleteButton");
        EXPECT_EQ(ui.messages.shown().last().caption, QStringLiteral("DELETE"));
        EXPECT_EQ(ui.messages.lastText(), QStringLiteral("Delete \"Office\"?"));
        EXPECT_EQ(Rows(screen).size(), 2);
        EXPECT_EQ(DesignFiles(), QStringList({ QStringLiteral("BIN00002.L"), QStringLiteral("BIN00003.L") }));
    });
}

TEST_F(PrintLabelsTest, OnlyTheCurrentRecordTakesPresortAway)
{
    AddLayout(QStringLiteral("Office"), labels::TLabelGeometry {});
    AddLayout(QStringLiteral("Hand made"), labels::TLabelGeometry {}, true);
    // A presort list from an earlier session goes when the screen opens.
    QFile leftOver(main().home().root() + QStringLiteral("PRESORT.PSL"));
    ASSERT_TRUE(leftOver.open(QIODevice::WriteOnly));
    leftOver.close();
    WithScreen([&](TLabelSetupScreen& screen) {
        EXPECT_FALSE(leftOver.exists());
        EXPECT_EQ(Rows(screen),
            QStringList({ QStringLiteral("Hand made|[User Defined]"), QStringLiteral("Office|Avery 5160  Address") }));
        auto* presort = child<QCheckBox>(&screen, "PresortCheck");
        // No filter is set: the filter choice is off and all records it is.
        EXPECT_FALSE(child<QWidget>(&screen, "rbQFilter")->isEnabled());
        EXPECT_TRUE(child<QRadioButton>(&screen, "rbQAll")->isChecked());

        clickToggle(presort);
        EXPECT_TRUE(screen.Options().Presort());
        clickToggle(child<QRadioButton>(&screen, "rbOnlyThis"));
        EXPECT_FALSE(presort->isChecked());
        EXPECT_FALSE(presort->isEnabled());
        clickToggle(child<QRadioButton>(&screen, "rbQAll"));
        EXPECT_TRUE(presort->isEnabled());
        EXPECT_FALSE(presort->isChecked());
        clickToggle(presort);
        clickToggle(child<QCheckBox>(&screen, "StartCurrentCheck"));
        EXPECT_TRUE(presort->isChecked());
        EXPECT_FALSE(screen.Options().PresortDone());
    });
}

TEST_F(PrintLabelsTest, RecordButtonsMoveThroughTheAddressesAndFirstRestartsCounters)
{
    addRecord(
        { { QStringLiteral("LNAME"), QStringLiteral("Clark") }, { QStringLiteral("CITY"), QStringLiteral("Albany") } });
    AddLayout(QStringLiteral("Office"), labels::TLabelGeometry {});
    WithScreen([&](TLabelSetupScreen& screen) {
        Design(screen, "ModifyButton", [&](labels::TLabelDesignScreen& designer) {
            auto* counter = static_cast<design::TGCounterLabel*>(
                designer.Panel().Objects().Add(std::make_unique<design::TGCounterLabel>(designer.Owner())));
            counter->SetBounds(10, 10, 80, 20);
            designer.Panel().AdoptObjects();
            clickButton(&designer, "FirstButton");
            const int start = counter->CurrentValue();
            const QString first = table().FieldAsString(u"LNAME");
            clickButton(&designer, "NextButton");
            EXPECT_EQ(counter->CurrentValue(), start + 1);
            EXPECT_NE(table().FieldAsString(u"LNAME"), first);
            clickButton(&designer, "LastButton");
            EXPECT_EQ(counter->CurrentValue(), start + 2);
            clickButton(&designer, "FirstButton");
            EXPECT_EQ(counter->CurrentValue(), start);
            EXPECT_EQ(table().FieldAsString(u"LNAME"), first);
        });
    });
}

TEST_F(PrintLabelsTest, PreviewOnOnePositionShowsAPageForEachRecord)
{
    addRecord(
        { { QStringLiteral("LNAME"), QStringLiteral("Clark") }, { QStringLiteral("CITY"), QStringLiteral("Albany") } });
    AddLayout(QStringLiteral("Office"), labels::TLabelGeometry {});
    int pages = -1;
    WithScreen([&](TLabelSetupScreen& screen) {
        whenModalNamed("SelectSpecificLabels", [](QWidget* opened) {
            auto& picker = *static_cast<labels::TSelectSpecificLabels*>(opened);
            clickButton(&picker, "NoneButton");
            const QRect second
                = labels::PickerPositionRect(labels::TLabelGeometry {}, 1, picker.Picture().PixelsPerInch());
            QTest::mouseClick(&picker.Picture(), Qt::LeftButton, {}, second.center());
            clickButton(&picker, "OKButton");
        });
        whenModalNamed("TPreviewForm", [&pages](QWidget* opened) {
            auto& form = *static_cast<output::TPreviewForm*>(opened);
            pages = form.FilePreview().PageCount();
            form.accept();
        });
        clickButton(&screen, "Previewbutton");
    });
    EXPECT_EQ(pages, 2) << ui.messages.lastText().toStdString();
}

TEST_F(PrintLabelsTest, ADamagedDesignIsNotOpenedSoItIsNotOverwritten)
{
    AddLayout(QStringLiteral("Office"), labels::TLabelGeometry {});
    const QString path = sysdata() + QStringLiteral("BIN00001.L");
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write(QByteArray(40, '\x7f'));
    damaged.close();
    WithScreen([&](TLabelSetupScreen& screen) {
        bool opened = false;
        QPointer<QTimer> watch = whenModalNamed("LabelDesignScreen", [&opened](QWidget* designer) {
            opened = true;
            static_cast<QDialog*>(designer)->reject();
        });
        ui.messages.clear();
        clickButton(&screen, "ModifyButton");
        delete watch.data();
        EXPECT_FALSE(opened);
        EXPECT_FALSE(ui.messages.shown().isEmpty()) << "the reader's message is shown";
    });
    EXPECT_EQ(QFileInfo(path).size(), 40);
}

TEST_F(PrintLabelsTest, PickerTogglesPosition250OfATenByThirtySheet)
{
    labels::TLabelGeometry tiny;
    tiny.across = 10;
    tiny.down = 30;
    tiny.height = 0.3;
    tiny.width = 0.5;
    tiny.horizPitch = 0.8;
    tiny.vertPitch = 0.35;
    tiny.leftMargin = 0.25;
    tiny.topMargin = 0.3;
    AddLayout(QStringLiteral("Tiny"), tiny);
    WithScreen([&](TLabelSetupScreen& screen) {
        whenModalNamed("SelectSpecificLabels", [&](QWidget* opened) {
            auto& picker = *static_cast<labels::TSelectSpecificLabels*>(opened);
            labels::TLabelSheetPicture& picture = picker.Picture();
            const QRect position = labels::PickerPositionRect(tiny, 249, picture.PixelsPerInch());
            ASSERT_FALSE(position.isEmpty());
            QTest::mouseClick(&picture, Qt::LeftButton, {}, position.center());
            EXPECT_FALSE(picker.Picks().mask.test(249));
            EXPECT_TRUE(picker.Picks().mask.test(248));
            QTest::mouseClick(&picture, Qt::LeftButton, {}, position.center());
            EXPECT_TRUE(picker.Picks().mask.test(249));
            QTest::mouseClick(&picture, Qt::LeftButton, {}, position.center());

            clickButton(&picker, "NoneButton");
            clickButton(&picker, "OKButton");
            EXPECT_EQ(ui.messages.lastText(), QStringLiteral("You must select at least one card to print"));
            EXPECT_TRUE(picker.isVisible());
            clickButton(&picker, "AllButton");
            EXPECT_TRUE(picker.Picks().mask.test(299));
            QTest::mouseClick(&picture, Qt::LeftButton, {}, position.center());
            clickButton(&picker, "OKButton");
        });
        whenModalNamed("TPreviewForm", [](QWidget* preview) { static_cast<QDialog*>(preview)->accept(); });
        clickButton(&screen, "Previewbutton");
        // The screen keeps the positions for the next run.
        EXPECT_FALSE(screen.Picks().mask.test(249));
        EXPECT_TRUE(screen.Picks().mask.test(250));
    });
}

// Counts how often a window of that object name is shown.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(const char* objectName) : name_(QString::fromLatin1(objectName))
    {
        qApp->installEventFilter(this);
    }
    ~ShowCounter() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == name_)
            ++count;
        return false;
    }

private:
    QString name_;
};

TEST_F(PrintLabelsTest, APresortIsReusedUntilAChoiceChanges)
{
    addRecord({ { QStringLiteral("LNAME"), QStringLiteral("Clark") }, { QStringLiteral("ZIP"), QStringLiteral("30301") } });
    AddLayout(QStringLiteral("Office"), labels::TLabelGeometry {});
    const QString list = main().home().root() + QStringLiteral("PRESORT.PSL");
    ShowCounter presorts("TSortBulkMail");
    const auto preview = [&](TLabelSetupScreen& screen) {
        whenModalNamed("SelectSpecificLabels", [](QWidget* picker) { clickButton(picker, "OKButton"); });
        whenModalNamed("TPreviewForm", [](QWidget* form) { static_cast<QDialog*>(form)->accept(); });
        clickButton(&screen, "Previewbutton");
    };
    WithScreen([&](TLabelSetupScreen& screen) {
        clickToggle(child<QCheckBox>(&screen, "PresortCheck"));
        preview(screen);
        EXPECT_EQ(presorts.count, 1);
        EXPECT_TRUE(screen.Options().PresortDone());
        QFile file(list);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("** ADC NORTH METRO GA 301\r\n30301\r\n** Not presorted\r\n"));
        file.close();

        preview(screen);
        EXPECT_EQ(presorts.count, 1) << "the same choices use the list again";
        clickToggle(child<QCheckBox>(&screen, "StartCurrentCheck"));
        EXPECT_FALSE(screen.Options().PresortDone());
        preview(screen);
        EXPECT_EQ(presorts.count, 2);
        EXPECT_TRUE(screen.Options().PresortDone());
    });
}

TEST_F(PrintLabelsTest, CancelPresortAsksAndEndsThePresortOnlyOnYes)
{
    for (int i = 0; i < 150; ++i)
        addRecord({ { QStringLiteral("LNAME"), QStringLiteral("N%1").arg(i) }, { QStringLiteral("ZIP"), QStringLiteral("30301") } });
    table().SetOrder(QStringLiteral("LNAME"));
    table().GoTo(42);
    const QString list = main().home().root() + QStringLiteral("PRESORT.PSL");
    for (const TAnswer answer : { TAnswer::No, TAnswer::Yes }) {
        SCOPED_TRACE(answer == TAnswer::Yes ? "Yes" : "No");
        QFile::remove(list);
        ui.messages.clear();
        ui.messages.setNextAnswer(answer);
        labels::TSortBulkMail presort(table(), list, &main());
        EXPECT_EQ(presort.windowTitle(), QStringLiteral("Bulk Mail Presorting"));
        EXPECT_FALSE(presort.DoneCheck->isVisible());
        // Cancel is pressed while the presort shows its first status.
        QTimer press;
        press.setInterval(0);
        QObject::connect(&press, &QTimer::timeout, [&] {
            if (!presort.Label1->text().startsWith(QStringLiteral("Reading")))
                return;
            press.stop();
            clickButton(&presort, "CancelButton");
        });
        press.start();
        const int result = presort.exec();
        ASSERT_EQ(ui.messages.shown().size(), 1);
        EXPECT_EQ(ui.messages.shown().first().text, QStringLiteral("Cancel PRESORT?"));
        EXPECT_EQ(ui.messages.shown().first().kind, quorvel::TMessageKind::Question);
        const bool yes = answer == TAnswer::Yes;
        EXPECT_EQ(result, yes ? 2 : 1);
        EXPECT_EQ(presort.DoneCheck->isChecked(), !yes);
        EXPECT_EQ(QFile::exists(list), !yes);
        EXPECT_EQ(table().RecNo(), 42u);
        EXPECT_EQ(table().Order().toUpper(), QStringLiteral("LNAME"));
    }
}

TEST_F(PrintLabelsTest, CancellingThePresortWindowEndsTheRunWithTheAddressesBack)
{
    addRecord({ { QStringLiteral("LNAME"), QStringLiteral("Clark") }, { QStringLiteral("ZIP"), QStringLiteral("30301") } });
    AddLayout(QStringLiteral("Office"), labels::TLabelGeometry {});
    table().SetOrder(QStringLiteral("LNAME"));
    table().GoTo(1);
    const QString queryBefore = table().Query();
    bool previewed = false;
    WithScreen([&](TLabelSetupScreen& screen) {
        clickToggle(child<QCheckBox>(&screen, "PresortCheck"));
        ui.messages.setNextAnswer(TAnswer::Yes);
        QTimer press;
        press.setInterval(0);
        QObject::connect(&press, &QTimer::timeout, [&press] {
            auto* presort = qobject_cast<labels::TSortBulkMail*>(QApplication::activeModalWidget());
            if (!presort || !presort->Label1->text().startsWith(QStringLiteral("Reading")))
                return;
            press.stop();
            clickButton(presort, "CancelButton");
        });
        press.start();
        whenModalNamed("SelectSpecificLabels", [](QWidget* picker) { clickButton(picker, "OKButton"); });
        QPointer<QTimer> watch = whenModalNamed("TPreviewForm", [&previewed](QWidget* form) {
            previewed = true;
            static_cast<QDialog*>(form)->accept();
        });
        clickButton(&screen, "Previewbutton");
        delete watch.data();
        EXPECT_FALSE(press.isActive()) << "the presort window never showed";
        EXPECT_FALSE(screen.Options().PresortDone());
        EXPECT_FALSE(QFile::exists(main().home().root() + QStringLiteral("PRESORT.PSL")));
    });
    EXPECT_FALSE(previewed);
    EXPECT_EQ(table().RecNo(), 1u);
    EXPECT_EQ(table().Order().toUpper(), QStringLiteral("LNAME"));
    EXPECT_EQ(table().Query(), queryBefore);
}

} // namespace
} // namespace labels_gui
