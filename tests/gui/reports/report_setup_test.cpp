// "Print Report" opened from the main window's "Print &Reports" as a user
// opens it: its choices, the built-in reports' preview and print, the
// user's reports with New, Modify, Clone and Delete and their design files,
// and the address file given back as it was.
#include "city_filter.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/data_label.h"
#include "design/model/surface_objects.h"
#include "direct_records.h"
#include "label_windows_fixture.h"
#include "main_window_fixture.h"
#include "output/preview_form.h"
#include "output/print_status_window.h"
#include "reports/report_design.h"
#include "reports/report_settings.h"
#include "reports/report_store.h"
#include "reports/windows/report_designer.h"
#include "reports/windows/report_setup.h"
#include "store/address_dataset.h"
#include "store/dataset.h"
#include "xbase/apollo.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

namespace reports_gui {
namespace {

using labels_gui::child;
using labels_gui::clickButton;
using labels_gui::clickToggle;
using labels_gui::GridRows;
using labels_gui::HighlightRow;
using labels_gui::whenModalNamed;
using quorvel::TAnswer;
using reports::TReportSetup;

// How the status window of a run ended, as the user saw it.
struct TStatusSeen {
    QString buttonWhilePressed;
    QString endText; // as the status label shows it, lines broken by '\n'
    bool shown = false;
};

class PrintReportsTest : public quorvel::testing::MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        addRecord({ { QStringLiteral("FNAME"), QStringLiteral("Ann") }, { QStringLiteral("LNAME"), QStringLiteral("Baker") },
            { QStringLiteral("CITY"), QStringLiteral("Boston") }, { QStringLiteral("ZIP"), QStringLiteral("02110") } });
        addRecord({ { QStringLiteral("FNAME"), QStringLiteral("Carl") }, { QStringLiteral("LNAME"), QStringLiteral("Clark") },
            { QStringLiteral("ORG"), QStringLiteral("Acme") }, { QStringLiteral("CITY"), QStringLiteral("Albany") },
            { QStringLiteral("ZIP"), QStringLiteral("12207") } });
        addRecord({ { QStringLiteral("FNAME"), QStringLiteral("Dora") }, { QStringLiteral("LNAME"), QStringLiteral("Adams") },
            { QStringLiteral("CITY"), QStringLiteral("Boston") }, { QStringLiteral("ZIP"), QStringLiteral("02116") } });
        ui.messages.clear();
    }

    QString sysdata() const { return window->home().sysdataFolder(); }

    // Opens "Print Report" through the main window, runs the steps on it
    // and closes it with Ok.
    void WithScreen(const std::function<void(TReportSetup&)>& steps)
    {
        labels_gui::WithWindow<TReportSetup>("TReportSetup", [this] { trigger("mnuPrintReports"); }, steps);
    }

    static void ShowPage(TReportSetup& screen, TReportSetup::TPage page)
    {
        child<QTabWidget>(&screen, "PageControl")->setCurrentIndex(page);
    }

    static QStringList Rows(TReportSetup& screen) { return GridRows(&screen, "ReportGrid"); }

    static void Highlight(TReportSetup& screen, const QString& description)
    {
        HighlightRow(&screen, "ReportGrid", description);
    }

    QStringList DesignFiles() const
    {
        return QDir(sysdata()).entryList({ QStringLiteral("BIN*.R") }, QDir::Files, QDir::Name);
    }

    QByteArray FileBytes(const QString& name) const
    {
        QFile file(sysdata() + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A report put into REPORT.DBF before the window opens: a detail band
    // showing the last name.
    void AddReport(const QString& description)
    {
        xbase::TApollo engine;
        quorvel::TDataset table(engine);
        ASSERT_TRUE(reports::OpenReportTable(table, sysdata()).ok);
        reports::TReportDefinition definition = reports::NewReportDefinition();
        definition.description = description;
        design::TGDesignOwner owner;
        design::TGSurfaceObjects header { reports::ReportBandClasses() };
        design::TGSurfaceObjects detail { reports::ReportBandClasses() };
        design::TGSurfaceObjects footer { reports::ReportBandClasses() };
        auto* field = static_cast<design::TGPDLabel*>(detail.Add(std::make_unique<design::TGPDLabel>(owner)));
        field->SetDataFieldName(QStringLiteral("LNAME"));
        field->SetDataFieldDescript(QStringLiteral("Last Name"));
        field->SetBounds(10, 4, 120, 20);
        const reports::TReportSettings settings = reports::NewReportSettings(96);
        const quorvel::TTableResult saved = reports::SaveReport(table, sysdata(), definition,
            labels::TLayoutSave::lsNew, [&](const QString& path) {
                return reports::SaveReportDesign(path, header, detail, footer, settings, 96);
            });
        ASSERT_TRUE(saved.ok) << saved.messages.join(u'\n').toStdString();
    }

    // Opens the designer with the button, runs the steps on it and leaves
    // it with Save or Cancel.
    enum TLeave { lvSave, lvCancel };
    static void Design(TReportSetup& screen, const char* button, TLeave leave,
        const std::function<void(reports::TReportDesigner&)>& steps = {})
    {
        bool ran = false;
        whenModalNamed("ReportDesigner", [&ran, leave, steps](QWidget* opened) {
            if (steps)
                steps(*static_cast<reports::TReportDesigner*>(opened));
            ran = true;
            clickButton(opened, leave == lvSave ? "SaveButton" : "CancelButton");
        });
        clickButton(&screen, button);
        EXPECT_TRUE(ran) << "the designer never opened";
    }

    static void Rename(reports::TReportDesigner& designer, const QString& description)
    {
        auto* edit = child<QLineEdit>(&designer, "ReportDescription");
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, description);
    }

    // Watches the run's status window: presses its button (Stop or Cancel)
    // once it shows the page given (0: never), and acknowledges the end
    // with Ok when the window waits for it. The caller ends the watch once
    // the run is over.
    static QPointer<QTimer> WatchStatus(TStatusSeen* seen, int pressOnPage = 0)
    {
        auto* watch = new QTimer;
        watch->setInterval(0);
        QObject::connect(watch, &QTimer::timeout, [watch, seen, pressOnPage] {
            auto* status = qobject_cast<output::TPrintStatusWindow*>(QApplication::activeModalWidget());
            if (!status || !status->isVisible())
                return;
            seen->shown = true;
            const QString button = status->Button()->text();
            const QString text = status->StatusLabel()->text();
            if (button == QStringLiteral("Ok")) {
                watch->stop();
                watch->deleteLater();
                seen->endText = text;
                QTest::mouseClick(status->Button(), Qt::LeftButton);
                return;
            }
            if (pressOnPage > 0 && seen->buttonWhilePressed.isEmpty()
                && text.contains(QStringLiteral("Page %1").arg(pressOnPage))) {
                seen->buttonWhilePressed = button;
                QTest::mouseClick(status->Button(), Qt::LeftButton);
            }
        });
        watch->start();
        return watch;
    }

    // Runs a preview with the screen's choices; the pages the preview form
    // showed (-1: it never opened).
    int Preview(TReportSetup& screen, TStatusSeen* seen, int stopOnPage = 0)
    {
        int pages = -1;
        const QPointer<QTimer> status = WatchStatus(seen, stopOnPage);
        const QPointer<QTimer> form = whenModalNamed("TPreviewForm", [&pages](QWidget* opened) {
            auto& preview = *static_cast<output::TPreviewForm*>(opened);
            pages = preview.FilePreview().PageCount();
            preview.accept();
        });
        clickButton(&screen, "PreviewButton");
        delete status.data();
        delete form.data();
        return pages;
    }
};

// The caption a window has as it comes up (the preview form goes on to
// show its page and zoom there).
class TTitleAtShow : public QObject {
public:
    explicit TTitleAtShow(const char* objectName) : name_(QString::fromLatin1(objectName))
    {
        qApp->installEventFilter(this);
    }
    ~TTitleAtShow() override { qApp->removeEventFilter(this); }
    QString title;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == name_)
            title = static_cast<QWidget*>(watched)->windowTitle();
        return false;
    }

private:
    QString name_;
};

const QStringList kBuiltInReports = { QStringLiteral("1. Name,Address,City,State,Zip,Phone"),
    QStringLiteral("2. Name,Organization,Phone,Fax"), QStringLiteral("3. Organization,Name,Phone,Fax "),
    QStringLiteral("4. All major fields (takes several lines)") };

TEST_F(PrintReportsTest, OpensOnTheBuiltInReportsWithTheirDefaultsAndTheCalculatedFields)
{
    AddReport(QStringLiteral("beta list"));
    AddReport(QStringLiteral("Alpha list"));
    AddReport(QStringLiteral("Gone"));
    {
        // A deleted row stays in the file but is no report any more.
        xbase::TApollo engine;
        quorvel::TDataset table(engine);
        ASSERT_TRUE(reports::OpenReportTable(table, sysdata()).ok);
        ASSERT_TRUE(reports::FindReport(table, QStringLiteral("Gone")));
        ASSERT_TRUE(reports::DeleteReport(table, sysdata()).ok);
    }
    quorvel::testing::setCityFilter(main(), QStringLiteral("Boston"));
    auto& addresses = static_cast<quorvel::TAddressDataset&>(table());
    ASSERT_FALSE(addresses.extraFieldsVisible());
    WithScreen([&](TReportSetup& screen) {
        EXPECT_EQ(screen.windowTitle(), QStringLiteral("Print Report"));
        auto* pages = child<QTabWidget>(&screen, "PageControl");
        EXPECT_EQ(pages->tabText(0), QStringLiteral("Built In Reports"));
        EXPECT_EQ(pages->tabText(1), QStringLiteral("Report Designer"));
        EXPECT_EQ(pages->currentIndex(), 0);

        auto* list = child<QListWidget>(&screen, "ReportList");
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        EXPECT_EQ(items, kBuiltInReports);
        EXPECT_EQ(list->currentRow(), 0);
        auto* title = child<QLineEdit>(&screen, "ReportTitleEdit");
        EXPECT_EQ(title->text(), QStringLiteral("Report 1"));
        EXPECT_FALSE(child<QCheckBox>(&screen, "PrintMemoCheck")->isChecked());
        EXPECT_FALSE(child<QCheckBox>(&screen, "PrintCodesCheck")->isChecked());

        // A filter is set: matching it is the choice, and it can be changed.
        EXPECT_TRUE(child<QRadioButton>(&screen, "rbQFilter")->isEnabled());
        EXPECT_TRUE(child<QRadioButton>(&screen, "rbQFilter")->isChecked());
        EXPECT_FALSE(child<QCheckBox>(&screen, "StartCurrentCheck")->isChecked());
        EXPECT_FALSE(child<QWidget>(&screen, "OnePerPageCheck")->isVisible()) << "built-in reports have no bands";

        // Choosing a report names the title after it; the user's own title
        // is replaced only by choosing again.
        list->setCurrentRow(2);
        EXPECT_EQ(title->text(), QStringLiteral("Report 3"));
        EXPECT_EQ(screen.Options().title, QStringLiteral("Report 3"));
        title->setText(QStringLiteral("Volunteers"));
        EXPECT_EQ(screen.Options().title, QStringLiteral("Volunteers"));
        list->setCurrentRow(3);
        EXPECT_EQ(title->text(), QStringLiteral("Report 4"));

        // Every control the user works with explains itself on a right click.
        for (QWidget* control : screen.findChildren<QWidget*>()) {
            const bool works = qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control)
                || qobject_cast<QAbstractItemView*>(control);
            // Qt's own parts (the tab bar's scroll arrows, a view's corner).
            const bool qtPart = qobject_cast<QTabBar*>(control->parentWidget()) || control->objectName().isEmpty()
                || control->objectName().startsWith(u"qt_");
            if (works && !qtPart) {
                EXPECT_FALSE(control->whatsThis().isEmpty()) << control->objectName().toStdString();
            }
        }

        // User-defined reports may use the calculated name and city lines.
        EXPECT_TRUE(addresses.extraFieldsVisible());

        // The live rows, by description in any letter case.
        ShowPage(screen, TReportSetup::pgDesigner);
        EXPECT_EQ(Rows(screen), QStringList({ QStringLiteral("Alpha list"), QStringLiteral("beta list") }));
        EXPECT_TRUE(child<QWidget>(&screen, "OnePerPageCheck")->isVisible());
        EXPECT_TRUE(child<QWidget>(&screen, "WhatToPrint")->isVisible());
        for (const char* name : { "PrintButton", "PreviewButton", "ModifyButton", "DeleteButton", "CloneButton" })
            EXPECT_TRUE(child<QWidget>(&screen, name)->isEnabled()) << name;
    });
    EXPECT_FALSE(addresses.extraFieldsVisible());
    EXPECT_EQ(DesignFiles(), QStringList({ QStringLiteral("BIN00001.R"), QStringLiteral("BIN00002.R") }));
}

TEST_F(PrintReportsTest, WithoutAFilterOrAReportOnlyWhatCanBePrintedIsOffered)
{
    WithScreen([&](TReportSetup& screen) {
        // No filter: nothing to match, all records it is.
        EXPECT_FALSE(child<QRadioButton>(&screen, "rbQFilter")->isEnabled());
        EXPECT_TRUE(child<QRadioButton>(&screen, "rbQAll")->isChecked());
        EXPECT_EQ(screen.Options().records, labels::rcAllRecords);

        // No row in REPORT.DBF: the page offers New alone.
        ShowPage(screen, TReportSetup::pgDesigner);
        EXPECT_TRUE(Rows(screen).isEmpty());
        EXPECT_FALSE(child<QWidget>(&screen, "WhatToPrint")->isVisible());
        EXPECT_TRUE(child<QWidget>(&screen, "NewButton")->isEnabled());
        for (const char* name :
            { "PrintButton", "PreviewButton", "ModifyButton", "DeleteButton", "CloneButton", "ReportGrid" })
            EXPECT_FALSE(child<QWidget>(&screen, name)->isEnabled()) << name;

        // The built-in reports are always there to print.
        ShowPage(screen, TReportSetup::pgBuiltIn);
        EXPECT_TRUE(child<QWidget>(&screen, "WhatToPrint")->isVisible());
        for (const char* name : { "PrintButton", "PreviewButton" })
            EXPECT_TRUE(child<QWidget>(&screen, name)->isEnabled()) << name;
    });
}

TEST_F(PrintReportsTest, PreviewOfReportOneOpensAtPageWidthAndGivesTheAddressesBack)
{
    trigger("mnuSortZIP");
    quorvel::testing::setCityFilter(main(), QStringLiteral("Boston"));
    table().First();
    table().Next();
    const std::uint32_t record = table().RecNo();
    const QString query = table().Query();
    TTitleAtShow previewTitle("TPreviewForm");
    bool pageWidth = false;
    TStatusSeen status;
    WithScreen([&](TReportSetup& screen) {
        const QPointer<QTimer> watch = WatchStatus(&status);
        whenModalNamed("TPreviewForm", [&](QWidget* opened) {
            auto& form = *static_cast<output::TPreviewForm*>(opened);
            pageWidth = qFuzzyCompare(form.FilePreview().ZoomFactor(), form.FilePreview().ZoomPageWidthFactor());
            form.accept();
        });
        clickButton(&screen, "PreviewButton");
        delete watch.data();
    });
    EXPECT_TRUE(status.shown);
    EXPECT_EQ(previewTitle.title, QStringLiteral("Preview Report"));
    EXPECT_TRUE(pageWidth);
    EXPECT_TRUE(ui.messages.shown().isEmpty()) << ui.messages.lastText().toStdString();
    // The run sorted by last name and selected its records; the main window
    // is back on its own order, filter and record.
    EXPECT_EQ(table().RecNo(), record);
    EXPECT_EQ(table().Order().toUpper(), QStringLiteral("ZIP"));
    EXPECT_EQ(table().Query(), query);
    EXPECT_TRUE(main().filterSet());
    EXPECT_EQ(box("LNAME")->text(), value("LNAME"));
}

// Enough records for several pages of report 1 (60 lines a page), so that
// the job is still running when Stop is pressed.
class ReportRunWindowTest : public PrintReportsTest {
protected:
    void SetUp() override
    {
        PrintReportsTest::SetUp();
        for (int i = 0; i < 150; ++i)
            quorvel::testing::addDirectly(
                table(), { { QStringLiteral("LNAME"), QStringLiteral("N%1").arg(i, 3, 10, QLatin1Char('0')) } });
    }
};

TEST_F(ReportRunWindowTest, StopEndsThePreviewOnItsPageAndStillShowsThePages)
{
    TStatusSeen status;
    int pages = -1;
    WithScreen([&](TReportSetup& screen) { pages = Preview(screen, &status, 2); });
    EXPECT_EQ(status.buttonWhilePressed, QStringLiteral("Stop"));
    EXPECT_EQ(QString(status.endText).replace(u'\n', u'\r'), QStringLiteral("\rPreview Stopped at page 2!"));
    EXPECT_EQ(pages, 2);
    EXPECT_TRUE(ui.messages.shown().isEmpty()) << ui.messages.lastText().toStdString();
}

TEST_F(PrintReportsTest, PrintAsksForCopiesAndPagesAndACancelledDialogPrintsNothing)
{
    const QString pdf = home() + QStringLiteral("report.pdf");
    TStatusSeen cancelled;
    WithScreen([&](TReportSetup& screen) {
        ui.dialogs.setNextPrintAccepted(false);
        const QPointer<QTimer> watch = WatchStatus(&cancelled);
        clickButton(&screen, "PrintButton");
        QApplication::processEvents();
        delete watch.data();
    });
    ASSERT_EQ(ui.dialogs.requests().size(), 1);
    EXPECT_EQ(ui.dialogs.requests().first().kind, quorvel::TScriptedDialogs::TKind::Print);
    EXPECT_FALSE(cancelled.shown) << "no job was started";
    EXPECT_TRUE(ui.messages.shown().isEmpty()) << ui.messages.lastText().toStdString();

    // Confirmed, the report goes to the printer: here the PDF printer.
    ui.dialogs.setNextPrintAccepted(true);
    ui.dialogs.setNextFileName(pdf);
    TStatusSeen printed;
    WithScreen([&](TReportSetup& screen) {
        const QPointer<QTimer> watch = WatchStatus(&printed);
        clickButton(&screen, "PrintButton");
        delete watch.data();
    });
    EXPECT_TRUE(printed.shown);
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
}

TEST_F(PrintReportsTest, NewOpensTheDesignerAndSaveMakesTheRowAndItsDesignFile)
{
    WithScreen([&](TReportSetup& screen) {
        ShowPage(screen, TReportSetup::pgDesigner);
        // Cancel keeps nothing.
        Design(screen, "NewButton", lvCancel);
        EXPECT_TRUE(Rows(screen).isEmpty());
        EXPECT_TRUE(DesignFiles().isEmpty());

        Design(screen, "NewButton", lvSave, [](reports::TReportDesigner& designer) {
            EXPECT_EQ(child<QLineEdit>(&designer, "ReportDescription")->text(), QStringLiteral("<new report>"));
            Rename(designer, QStringLiteral("Members"));
        });
        EXPECT_EQ(Rows(screen), QStringList({ QStringLiteral("Members") }));
        EXPECT_EQ(DesignFiles(), QStringList({ QStringLiteral("BIN00001.R") }));
        EXPECT_TRUE(child<QWidget>(&screen, "WhatToPrint")->isVisible());
        for (const char* name : { "PrintButton", "PreviewButton", "ModifyButton", "DeleteButton", "CloneButton" })
            EXPECT_TRUE(child<QWidget>(&screen, name)->isEnabled()) << name;
    });
    xbase::TApollo engine;
    quorvel::TDataset table(engine);
    ASSERT_TRUE(reports::OpenReportTable(table, sysdata()).ok);
    ASSERT_TRUE(reports::FindReport(table, QStringLiteral("members")));
    const reports::TReportDefinition saved = reports::ReadCurrentReport(table);
    EXPECT_EQ(saved.layout, QStringLiteral("Letter Size, Portrait"));
    EXPECT_EQ(saved.designFile.toUpper(), QStringLiteral("BIN00001.R"));
}

TEST_F(PrintReportsTest, ModifyCloneAndDeleteKeepRowsAndDesignFilesInStep)
{
    AddReport(QStringLiteral("Board"));
    AddReport(QStringLiteral("Volunteers"));
    WithScreen([&](TReportSetup& screen) {
        ShowPage(screen, TReportSetup::pgDesigner);

        // Modify edits the row in place; its design file keeps its name.
        Highlight(screen, QStringLiteral("Board"));
        Design(screen, "ModifyButton", lvSave, [](reports::TReportDesigner& designer) {
            EXPECT_EQ(child<QLineEdit>(&designer, "ReportDescription")->text(), QStringLiteral("Board"));
            Rename(designer, QStringLiteral("Board 2026"));
        });
        EXPECT_EQ(Rows(screen), QStringList({ QStringLiteral("Board 2026"), QStringLiteral("Volunteers") }));
        EXPECT_EQ(DesignFiles(), QStringList({ QStringLiteral("BIN00001.R"), QStringLiteral("BIN00002.R") }));

        Highlight(screen, QStringLiteral("Board 2026"));
        ui.messages.setNextAnswer(TAnswer::Yes);
        clickButton(&screen, "CloneButton");
        EXPECT_EQ(ui.messages.shown().last().caption, QStringLiteral("CLONE"));
        EXPECT_EQ(ui.messages.lastText(), QStringLiteral("Clone \"Board 2026\"?"));
        EXPECT_EQ(Rows(screen),
            QStringList({ QStringLiteral("Board 2026"), QStringLiteral("Clone of Board 2026"),
                QStringLiteral("Volunteers") }));
        ASSERT_EQ(DesignFiles().size(), 3);
        EXPECT_EQ(FileBytes(QStringLiteral("BIN00003.R")), FileBytes(QStringLiteral("BIN00001.R")));

        // No leaves everything as it was.
        Highlight(screen, QStringLiteral("Board 2026"));
        ui.messages.setNextAnswer(TAnswer::No);
        clickButton(&screen, "DeleteButton");
        EXPECT_EQ(Rows(screen).size(), 3);

        ui.messages.setNextAnswer(TAnswer::Yes);
        clickButton(&screen, "DeleteButton");
        EXPECT_EQ(ui.messages.shown().last().caption, QStringLiteral("DELETE"));
        EXPECT_EQ(ui.messages.lastText(), QStringLiteral("Delete \"Board 2026\"?"));
        EXPECT_EQ(Rows(screen), QStringList({ QStringLiteral("Clone of Board 2026"), QStringLiteral("Volunteers") }));
        EXPECT_EQ(DesignFiles(), QStringList({ QStringLiteral("BIN00002.R"), QStringLiteral("BIN00003.R") }));
    });
}

TEST_F(PrintReportsTest, ADamagedDesignIsNotOpenedSoItIsNotOverwritten)
{
    AddReport(QStringLiteral("Board"));
    const QByteArray damaged("not a design");
    {
        QFile file(sysdata() + QStringLiteral("BIN00001.R"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(damaged);
    }
    WithScreen([&](TReportSetup& screen) {
        ShowPage(screen, TReportSetup::pgDesigner);
        QPointer<QTimer> watch = whenModalNamed("ReportDesigner", [](QWidget* designer) {
            ADD_FAILURE() << "the designer opened";
            clickButton(designer, "CancelButton");
        });
        clickButton(&screen, "ModifyButton");
        delete watch.data();
        EXPECT_EQ(ui.messages.shown().size(), 1) << "the reader's message";
    });
    EXPECT_EQ(FileBytes(QStringLiteral("BIN00001.R")), damaged);
}

TEST_F(PrintReportsTest, AUserReportPreviewsWithOneRecordPerPage)
{
    AddReport(QStringLiteral("Board"));
    TStatusSeen status;
    int together = -1;
    int apart = -1;
    WithScreen([&](TReportSetup& screen) {
        ShowPage(screen, TReportSetup::pgDesigner);
        clickToggle(child<QRadioButton>(&screen, "rbQAll"));
        together = Preview(screen, &status);
        clickToggle(child<QCheckBox>(&screen, "OnePerPageCheck"));
        apart = Preview(screen, &status);
    });
    EXPECT_EQ(together, 1);
    EXPECT_EQ(apart, 3);
    EXPECT_TRUE(ui.messages.shown().isEmpty()) << ui.messages.lastText().toStdString();
}

} // namespace
} // namespace reports_gui
