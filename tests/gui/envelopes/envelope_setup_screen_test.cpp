// "Print Envelope" opened from the main window as a user opens it: the
// layout commands with their rows and design files, the current record
// and the picture of the highlighted layout, and the run's status window.
#include "design/file/label_object_filer.h"
#include "design/model/class_set.h"
#include "design/model/data_label.h"
#include "design/model/design_owner.h"
#include "design/model/surface_objects.h"
#include "direct_records.h"
#include "envelopes/envelope_layouts.h"
#include "envelopes/windows/envelope_design_screen.h"
#include "envelopes/windows/envelope_panel.h"
#include "envelopes/windows/envelope_setup_screen.h"
#include "label_windows_fixture.h"
#include "main_window_fixture.h"
#include "output/preview_form.h"
#include "output/print_status_window.h"
#include "output/rp_device.h"
#include "store/dataset.h"
#include "store/ini_file.h"
#include "xbase/apollo.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace labels_gui {
namespace {

using envelopes::TQVEnvelopes;
using quorvel::TAnswer;

class PrintEnvelopesTest : public quorvel::testing::MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        addRecord({ { QStringLiteral("FNAME"), QStringLiteral("Ann") }, { QStringLiteral("LNAME"), QStringLiteral("Baker") },
            { QStringLiteral("CITY"), QStringLiteral("Boston") } });
        addRecord({ { QStringLiteral("FNAME"), QStringLiteral("Carl") }, { QStringLiteral("LNAME"), QStringLiteral("Clark") },
            { QStringLiteral("ORG"), QStringLiteral("Acme") }, { QStringLiteral("CITY"), QStringLiteral("Albany") } });
        ui.messages.clear();
    }

    QString sysdata() const { return window->home().sysdataFolder(); }

    // Opens "Print Envelope", runs the steps on it, and closes it with Ok.
    void WithScreen(const std::function<void(TQVEnvelopes&)>& steps)
    {
        WithWindow<TQVEnvelopes>("TQVEnvelopes", [this] { trigger("mnuPrintEnvelopes"); }, steps);
    }

    static QStringList Rows(TQVEnvelopes& screen) { return GridRows(&screen, "EnvelopeSetupGrid"); }

    static void Highlight(TQVEnvelopes& screen, const QString& description)
    {
        HighlightRow(&screen, "EnvelopeSetupGrid", description);
    }

    QStringList DesignFiles() const
    {
        return QDir(sysdata()).entryList({ QStringLiteral("BIN*.E") }, QDir::Files, QDir::Name);
    }

    // A #10 layout put into ENVELOPE.DBF before the screen opens, with a
    // field object showing LNAME.
    void AddLayout(const QString& name)
    {
        xbase::TApollo engine;
        quorvel::TDataset table(engine);
        ASSERT_TRUE(envelopes::OpenEnvelopeLayoutTable(table, sysdata()).ok);
        envelopes::TEnvelopeLayout layout = envelopes::NewEnvelopeLayout();
        layout.description = name;
        design::TGDesignOwner owner;
        design::TGSurfaceObjects objects { design::TGClassSet::EnvelopeSurface() };
        auto* field = static_cast<design::TGPDLabel*>(objects.Add(std::make_unique<design::TGPDLabel>(owner)));
        field->SetDataFieldName(QStringLiteral("LNAME"));
        field->SetDataFieldDescript(QStringLiteral("Last Name"));
        field->SetBounds(300, 200, 200, 20);
        const quorvel::TTableResult saved
            = envelopes::SaveEnvelopeLayout(table, sysdata(), layout, envelopes::TLayoutSave::lsNew,
                [&objects](const QString& path) { return design::TGLabelObjectFiler().SaveSurface(objects, path); });
        ASSERT_TRUE(saved.ok) << saved.messages.join(u'\n').toStdString();
    }

    // Clicks a button that opens the design screen, runs the steps on the
    // screen and saves (or cancels when nothing changed).
    static void Design(
        TQVEnvelopes& screen, const char* button, const std::function<void(envelopes::TEnvelopeDesignScreen&)>& steps)
    {
        WithDesigner<envelopes::TEnvelopeDesignScreen>(
            "EnvelopeDesignScreen", [&screen, button] { clickButton(&screen, button); }, steps);
    }

    static void Rename(envelopes::TEnvelopeDesignScreen& designer, const QString& name)
    {
        auto* description = child<QLineEdit>(&designer, "EnvelopeDescription");
        description->setFocus();
        description->selectAll();
        QTest::keyClicks(description, name);
    }
};

TEST_F(PrintEnvelopesTest, AnEmptyTableOffersOnlyNewAndItsFirstLayoutIsSavedWithItsFile)
{
    WithScreen([&](TQVEnvelopes& screen) {
        EXPECT_TRUE(Rows(screen).isEmpty());
        EXPECT_TRUE(child<QWidget>(&screen, "NewButton")->isEnabled());
        for (const char* name : { "PrintButton", "PreviewButton", "ModifyButton", "DeleteButton", "CloneButton" })
            EXPECT_FALSE(child<QWidget>(&screen, name)->isEnabled()) << name;
        EXPECT_EQ(screen.Display().size(), QSize(274, 119)) << "a #10 envelope at 30 %";

        // New: "Envelope Size" on #10, then the design screen on it.
        whenModalNamed("ChooseEnvelopeLayout", [](QWidget* sizes) {
            EXPECT_EQ(child<QComboBox>(sizes, "EnvelopeSizeList")->currentText(),
                QStringLiteral("Envelope #10 4 1/8 x 9 1/2 inches"));
            clickButton(sizes, "OKButton");
        });
        Design(screen, "NewButton", [](envelopes::TEnvelopeDesignScreen& designer) {
            EXPECT_EQ(child<QLineEdit>(&designer, "EnvelopeDescription")->text(), QStringLiteral("<New envelope>"));
            EXPECT_EQ(designer.Panel().size(), QSize(912, 396));
            Rename(designer, QStringLiteral("Office"));
        });
        EXPECT_EQ(Rows(screen), QStringList({ QStringLiteral("Office|Envelope #10 4 1/8 x 9 1/2 inches") }));
        EXPECT_EQ(DesignFiles(), QStringList({ QStringLiteral("BIN00001.E") }));
        for (const char* name : { "PrintButton", "PreviewButton", "ModifyButton", "DeleteButton", "CloneButton" })
            EXPECT_TRUE(child<QWidget>(&screen, name)->isEnabled()) << name;
    });
}

TEST_F(PrintEnvelopesTest, CloneAndDeleteAskAboutTheHighlightedLayoutAndKeepFilesInStep)
{
    AddLayout(QStringLiteral("Office"));
    WithScreen([&](TQVEnvelopes& screen) {
        Highlight(screen, QStringLiteral("Office"));
        ui.messages.setNextAnswer(TAnswer::Yes);
        clickButton(&screen, "CloneButton");
        EXPECT_EQ(ui.messages.shown().last().caption, QStringLiteral("CLONE"));
        EXPECT_EQ(ui.messages.lastText(), QStringLiteral("Clone \"Office\"?"));
        EXPECT_EQ(Rows(screen),
            QStringList({ QStringLiteral("Clone of Office|Envelope #10 4 1/8 x 9 1/2 inches"),
                QStringLiteral("Office|Envelope #10 4 1/8 x 9 1/2 inches") }));
        EXPECT_EQ(DesignFiles(), QStringList({ QStringLiteral("BIN00001.E"), QStringLiteral("BIN00002.E") }));

        // No leaves everything as it was.
        Highlight(screen, QStringLiteral("Office"));
        ui.messages.setNextAnswer(TAnswer::No);
        clickButton(&screen, "DeleteButton");
        EXPECT_EQ(Rows(screen).size(), 2);

        Highlight(screen, QStringLiteral("Office"));
        ui.messages.setNextAnswer(TAnswer::Yes);
        clickButton(&screen, "DeleteButton");
        EXPECT_EQ(ui.messages.shown().last().caption, QStringLiteral("DELETE"));
        EXPECT_EQ(ui.messages.lastText(), QStringLiteral("Delete \"Office\"?"));
        EXPECT_EQ(Rows(screen), QStringList({ QStringLiteral("Clone of Office|Envelope #10 4 1/8 x 9 1/2 inches") }));
        EXPECT_EQ(DesignFiles(), QStringList({ QStringLiteral("BIN00002.E") }));
    });
}

TEST_F(PrintEnvelopesTest, ModifyWithTheDesignFileGoneOpensEmptyAndSavesUnderANewName)
{
    AddLayout(QStringLiteral("Office"));
    AddLayout(QStringLiteral("Home"));
    ASSERT_TRUE(QFile::remove(sysdata() + QStringLiteral("BIN00001.E")));
    WithScreen([&](TQVEnvelopes& screen) {
        Highlight(screen, QStringLiteral("Office"));
        EXPECT_EQ(screen.Display().Objects().Count(), 0);
        Design(screen, "ModifyButton", [](envelopes::TEnvelopeDesignScreen& designer) {
            EXPECT_EQ(designer.Panel().Objects().Count(), 0);
            Rename(designer, QStringLiteral("Office 2"));
        });
        EXPECT_EQ(Rows(screen),
            QStringList({ QStringLiteral("Home|Envelope #10 4 1/8 x 9 1/2 inches"),
                QStringLiteral("Office 2|Envelope #10 4 1/8 x 9 1/2 inches") }));
        // The new name is one that no row or file had.
        EXPECT_EQ(DesignFiles(), QStringList({ QStringLiteral("BIN00002.E"), QStringLiteral("BIN00003.E") }));
    });
}

TEST_F(PrintEnvelopesTest, TheNavigatorMovesTheAddressCursorAndThePictureFollows)
{
    AddLayout(QStringLiteral("Office"));
    table().First();
    WithScreen([&](TQVEnvelopes& screen) {
        auto* last = child<QLineEdit>(&screen, "LastNameEdit");
        auto& display = screen.Display();
        ASSERT_EQ(display.Objects().Count(), 1);
        auto* field = static_cast<design::TGPDLabel*>(display.Objects().At(0));
        EXPECT_EQ(field->ZoomFactor(), TQVEnvelopes::kDisplayZoom);
        const QString first = last->text();
        EXPECT_EQ(field->Caption(), first);
        clickButton(&screen, "NextButton");
        EXPECT_NE(last->text(), first);
        EXPECT_EQ(value("LNAME"), last->text());
        EXPECT_EQ(field->Caption(), last->text());
        clickButton(&screen, "FirstButton");
        EXPECT_EQ(last->text(), first);
    });
}

TEST_F(PrintEnvelopesTest, OpeningTakesTheEnvelopePrinterAndPrinterSetupKeepsIt)
{
    quorvel::TIniFile ini(main().home().iniPath());
    ASSERT_TRUE(ini.writeInteger(QStringLiteral("Envelope Printer"), QStringLiteral("Orientation"), 1));
    WithScreen([&](TQVEnvelopes& screen) {
        EXPECT_EQ(output::TRPDevice::Shared().Orientation(), QPageLayout::Landscape);
        // A setup the user cancels keeps nothing.
        ui.dialogs.setNextPrintAccepted(false);
        clickButton(&screen, "PrinterSetupButton");
        EXPECT_FALSE(ini.hasKey(QStringLiteral("Envelope Printer"), QStringLiteral("Printer")));
        ui.dialogs.setNextPrintAccepted(true);
        clickButton(&screen, "PrinterSetupButton");
    });
    // The printer as the device lists it, "name on port".
    EXPECT_TRUE(ini.readString(QStringLiteral("Envelope Printer"), QStringLiteral("Printer"))
                    .startsWith(output::TRPDevice::PdfPrinterName() + QStringLiteral(" on ")));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Envelope Printer"), QStringLiteral("Orientation"), -1), 1);
    // The feed is written along with it, as it was.
    EXPECT_EQ(ini.readInteger(QStringLiteral("Envelope Feed"), QStringLiteral("Position"), -1), 2);
}

// Many records, so that the job is still running when its button is pressed.
class EnvelopeRunWindowTest : public PrintEnvelopesTest {
protected:
    void SetUp() override
    {
        PrintEnvelopesTest::SetUp();
        for (int i = 0; i < 40; ++i)
            quorvel::testing::addDirectly(table(), { { QStringLiteral("LNAME"), QStringLiteral("N%1").arg(i, 2, 10, QLatin1Char('0')) } });
        AddLayout(QStringLiteral("Office"));
    }

    // Presses the status window's button while it shows the page given.
    static void PressOnPage(int page, QString* statusThen)
    {
        auto* press = new QTimer;
        press->setInterval(0);
        QObject::connect(press, &QTimer::timeout, [press, page, statusThen] {
            auto* status = qobject_cast<output::TPrintStatusWindow*>(QApplication::activeModalWidget());
            if (!status || !status->StatusLabel()->text().contains(QStringLiteral("Page %1").arg(page)))
                return;
            press->stop();
            press->deleteLater();
            *statusThen = status->Button()->text();
            QTest::mouseClick(status->Button(), Qt::LeftButton);
        });
        press->start();
    }
};

TEST_F(EnvelopeRunWindowTest, StopEndsThePreviewAfterTheEnvelopeOnTheScreen)
{
    int pages = -1;
    QString button;
    WithScreen([&](TQVEnvelopes& screen) {
        clickToggle(child<QRadioButton>(&screen, "rbQAll"));
        whenModalNamed("TEnvelopePrePrint", [](QWidget* confirm) { clickButton(confirm, "OKButton"); });
        PressOnPage(3, &button);
        whenModalNamed("TPreviewForm", [&pages](QWidget* opened) {
            auto& form = *static_cast<output::TPreviewForm*>(opened);
            pages = form.FilePreview().PageCount();
            form.accept();
        });
        clickButton(&screen, "PreviewButton");
    });
    EXPECT_EQ(button, QStringLiteral("Stop"));
    EXPECT_EQ(pages, 3);
    EXPECT_TRUE(ui.messages.shown().isEmpty()) << ui.messages.lastText().toStdString();
}

TEST_F(EnvelopeRunWindowTest, CancelAbandonsThePrintAtOnceWithoutAQuestion)
{
    const QString pdf = home() + QStringLiteral("envelopes.pdf");
    ui.dialogs.setNextFileName(pdf);
    QString button;
    WithScreen([&](TQVEnvelopes& screen) {
        clickToggle(child<QRadioButton>(&screen, "rbQAll"));
        whenModalNamed("TEnvelopePrePrint", [](QWidget* confirm) { clickButton(confirm, "OKButton"); });
        PressOnPage(2, &button);
        clickButton(&screen, "PrintButton");
        // The status window has closed itself.
        EXPECT_EQ(QApplication::activeModalWidget(), &screen);
    });
    EXPECT_EQ(button, QStringLiteral("Cancel"));
    EXPECT_TRUE(ui.messages.shown().isEmpty()) << ui.messages.lastText().toStdString();
    EXPECT_FALSE(QFile::exists(pdf)) << "an abandoned print leaves no half-written file";
}

TEST_F(EnvelopeRunWindowTest, EnvelopePrintCancelledRunsNothingAndAChangedFeedIsKept)
{
    quorvel::TIniFile ini(main().home().iniPath());
    int previews = 0;
    WithScreen([&](TQVEnvelopes& screen) {
        whenModalNamed("TEnvelopePrePrint", [](QWidget* confirm) { clickButton(confirm, "CancelButton"); });
        QPointer<QTimer> watch = whenModalNamed("TPreviewForm", [&previews](QWidget* form) {
            ++previews;
            static_cast<QDialog*>(form)->accept();
        });
        clickButton(&screen, "PreviewButton");
        delete watch.data();
        EXPECT_EQ(previews, 0);
        EXPECT_FALSE(ini.hasKey(QStringLiteral("Envelope Feed"), QStringLiteral("Position")));

        clickToggle(child<QRadioButton>(&screen, "rbOnlyThis"));
        whenModalNamed("TEnvelopePrePrint", [](QWidget* confirm) {
            whenModalNamed("TEnvelopeFeed", [](QWidget* method) {
                clickToggle(child<QRadioButton>(method, "rbLeft"));
                clickToggle(child<QRadioButton>(method, "rbPortrait"));
                clickButton(method, "OKButton");
            });
            clickButton(confirm, "FeedMethodButton");
            clickButton(confirm, "OKButton");
        });
        whenModalNamed("TPreviewForm", [&previews](QWidget* form) {
            previews += static_cast<output::TPreviewForm*>(form)->FilePreview().PageCount();
            static_cast<QDialog*>(form)->accept();
        });
        clickButton(&screen, "PreviewButton");
    });
    EXPECT_EQ(previews, 1) << "only the current record";
    EXPECT_EQ(ini.readInteger(QStringLiteral("Envelope Feed"), QStringLiteral("Position"), -1), 0);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Envelope Feed"), QStringLiteral("Orientation"), -1), 0);
}

} // namespace
} // namespace labels_gui
