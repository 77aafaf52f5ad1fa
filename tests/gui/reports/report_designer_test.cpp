// The report designer on its own: a new report, tools and their bands,
// switches and sizers, the memo band, Change Layout, the default font, and
// what Save and Cancel leave behind.
#include "design/file/label_object_filer.h"
#include "design/model/address_record.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/graphic_control.h"
#include "design/model/surface_objects.h"
#include "design/panels/panel_report.h"
#include "label_windows_fixture.h"
#include "reports/windows/report_band_sizer.h"
#include "reports/windows/report_design_tools.h"
#include "reports/windows/report_designer.h"
#include "reports/windows/report_page_view.h"
#include "store/address_dataset.h"
#include "store/address_file.h"
#include "store/field_lengths.h"
#include "store/ini_file.h"
#include "surface_mouse.h"
#include "xbase/apollo.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace labels_gui {
namespace {

using design::TRPanelState;
using reports::TReportBand;
using reports::TReportDesigner;

// A record whose only content is its notes.
class TMemoRecord : public design::TGRecordSource {
public:
    std::vector<design::TGDataField> DataFields() const override { return {}; }
    std::optional<QString> FieldText(const QString&) const override { return std::nullopt; }
    QString MemoText(const QString& fieldName) const override
    {
        return fieldName.compare(QStringLiteral("MEMO"), Qt::CaseInsensitive) == 0 ? memo : QString();
    }

    QString memo = QStringLiteral("Board member since 1998");
};

// What a design file holds once written: the three bands' objects and the
// settings list as stored.
struct TWrittenReport {
    design::TGDesignOwner owner { 96 };
    design::TGSurfaceObjects header { design::TGClassSet::ReportBand() };
    design::TGSurfaceObjects detail { design::TGClassSet::ReportBand() };
    design::TGSurfaceObjects footer { design::TGClassSet::ReportBand() };
    design::TGReportData data;

    explicit TWrittenReport(const QString& path)
    {
        design::TGLabelObjectFiler filer;
        EXPECT_TRUE(filer.LoadReportFile(owner, header, detail, footer, data, path).IsOk());
    }
    // The first values: nine lengths in thousandths of an inch, then the
    // four band switches.
    std::vector<int> Lengths() const
    {
        design::TGReportDataCursor cursor(data);
        std::vector<int> lengths;
        for (int i = 0; i < 9; ++i)
            lengths.push_back(cursor.ReadInteger().value_or(-1));
        return lengths;
    }
    std::vector<bool> Switches() const
    {
        design::TGReportDataCursor cursor(data);
        for (int i = 0; i < 9; ++i)
            cursor.ReadInteger();
        std::vector<bool> switches;
        for (int i = 0; i < 4; ++i)
            switches.push_back(cursor.ReadBoolean().value_or(false));
        return switches;
    }
};

class ReportDesignerTest : public LabelWindowsTest {
protected:
    void Open(const reports::TReportDefinition* definition = nullptr)
    {
        labels::TDesignScreenContext context { sysdata(), &ini, nullptr, &record };
        designer = std::make_unique<TReportDesigner>(context);
        if (definition)
            designer->LoadReport(*definition);
        else
            designer->LoadNew();
        designer->show();
    }
    design::TReportPanel& Band(TReportBand band) { return designer->Band(band); }
    QToolButton* Tool(const char* name) { return child<QToolButton>(designer.get(), name); }
    QCheckBox* Switch(const char* name) { return child<QCheckBox>(designer.get(), name); }
    QString LayoutCaption() { return child<QLabel>(designer.get(), "LayoutCaption")->text(); }

    // Drags on a band with the tool of that button.
    void Draw(const char* tool, TReportBand band, QPoint from, QPoint to)
    {
        QTest::mouseClick(Tool(tool), Qt::LeftButton);
        TSurfaceMouse mouse(Band(band));
        mouse.Press(from);
        mouse.Move(to);
        mouse.Release(to);
    }

    // A text with the text tool, its text taken as the dialog offers it.
    void DrawText(TReportBand band)
    {
        whenModalNamed("TextDialog", [](QWidget* dialog) { clickButton(dialog, "OKButton"); });
        Draw("DrawLabelButton", band, QPoint(10, 5), QPoint(120, 25));
    }

    // Drags a band's sizer down by that many pixels, as the mouse would.
    void DragSizer(TReportBand band, int down)
    {
        reports::TReportBandSizer* sizer = designer->PageView().Sizer(band);
        // The sizer moves away while the band grows, so the mouse is
        // followed on the screen, as a real one would be.
        const QPoint pressed = sizer->mapToGlobal(QPoint(20, 2));
        const auto send = [sizer, pressed](QEvent::Type type, int moved, Qt::MouseButtons buttons) {
            const QPoint global = pressed + QPoint(0, moved);
            QMouseEvent event(type, QPointF(sizer->mapFromGlobal(global)), QPointF(global), Qt::LeftButton, buttons,
                Qt::NoModifier);
            QApplication::sendEvent(sizer, &event);
        };
        send(QEvent::MouseButtonPress, 0, Qt::LeftButton);
        send(QEvent::MouseMove, down / 2, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, down, Qt::NoButton);
    }

    // Save through the window; the design file written as the caller would.
    QString SaveAs(const char* name)
    {
        clickButton(designer.get(), "SaveButton");
        EXPECT_EQ(designer->result(), QDialog::Accepted);
        const QString path = sysdata() + QString::fromLatin1(name);
        EXPECT_TRUE(designer->SaveDesign(path).IsOk());
        return path;
    }

    // "Change Layout" choosing these paper buttons, then Save or Cancel.
    void ChangeLayout(std::vector<const char*> buttons, const char* closeWith = "SaveButton")
    {
        whenModalNamed("ReportProperties", [buttons, closeWith](QWidget* dialog) {
            for (const char* button : buttons)
                clickToggle(child<QRadioButton>(dialog, button));
            clickButton(dialog, closeWith);
        });
        clickButton(designer.get(), "ChangeLayoutButton");
    }

    quorvel::TIniFile ini { iniPath() };
    TMemoRecord record;
    std::unique_ptr<TReportDesigner> designer;
};

TEST_F(ReportDesignerTest, ANewReportIsLetterPortraitWithHeaderAndDetail)
{
    Open();
    EXPECT_EQ(designer->windowTitle(), QStringLiteral("Report Designer"));
    EXPECT_EQ(child<QLineEdit>(designer.get(), "ReportDescription")->text(), QStringLiteral("<new report>"));
    EXPECT_EQ(LayoutCaption(), QStringLiteral("Letter Size, Portrait"));
    EXPECT_TRUE(Switch("HeaderCheck")->isChecked());
    EXPECT_TRUE(Switch("DetailCheck")->isChecked());
    EXPECT_FALSE(Switch("MemoCheck")->isChecked());
    EXPECT_FALSE(Switch("FooterCheck")->isChecked());
    // 8.5 inches less two half-inch margins and a quarter inch.
    EXPECT_EQ(Band(reports::rbHeader).size(), QSize(696, 33));
    EXPECT_EQ(Band(reports::rbDetail).size(), QSize(696, 33));
    EXPECT_FALSE(Band(reports::rbFooter).isVisible());
    EXPECT_EQ(child<QPushButton>(designer.get(), "DefaultFontbutton")->text(),
        QStringLiteral("Default Font: Arial, 10 pt "));
    EXPECT_TRUE(child<QPushButton>(designer.get(), "SaveButton")->isVisible()) << "a new report can be saved at once";
}

TEST_F(ReportDesignerTest, EachToolEnablesOnlyTheBandsItWorksOn)
{
    Open();
    const struct {
        const char* tool;
        bool header, detail, footer;
    } cases[] = {
        { "DrawFieldButton", false, true, false },
        { "DrawImageButton", true, false, false },
        { "DrawDateTimeButton", true, false, true },
        { "DrawPageNumberButton", true, false, true },
        { "DrawLabelButton", true, true, true },
        { "DrawRectanglebutton", true, true, true },
        { "Pointerbutton", true, true, true },
    };
    for (const auto& c : cases) {
        QTest::mouseClick(Tool(c.tool), Qt::LeftButton);
        EXPECT_EQ(Band(reports::rbHeader).EditingEnabled(), c.header) << c.tool;
        EXPECT_EQ(Band(reports::rbDetail).EditingEnabled(), c.detail) << c.tool;
        EXPECT_EQ(Band(reports::rbFooter).EditingEnabled(), c.footer) << c.tool;
    }
    for (const reports::TReportDesignTool& tool : reports::ReportDesignTools())
        EXPECT_EQ(Tool(tool.buttonName)->toolTip(), QString::fromLatin1(tool.hint));
}

TEST_F(ReportDesignerTest, TheFieldToolOnTheHeaderBeepsAndPlacesNothing)
{
    Open();
    Draw("DrawFieldButton", reports::rbHeader, QPoint(10, 5), QPoint(120, 25));
    EXPECT_EQ(ui.messages.beeps(), 1);
    EXPECT_EQ(Band(reports::rbHeader).Objects().Count(), 0);
    EXPECT_TRUE(ui.messages.shown().isEmpty()) << "a beep, not a message";
}

TEST_F(ReportDesignerTest, ObjectsPlacedOnTheHeaderAreSavedWithIt)
{
    Open();
    Draw("DrawFieldButton", reports::rbHeader, QPoint(10, 5), QPoint(12, 7)); // refused
    DrawText(reports::rbHeader);
    Draw("DrawPageNumberButton", reports::rbHeader, QPoint(300, 5), QPoint(360, 25));
    ASSERT_EQ(Band(reports::rbHeader).Objects().Count(), 2);
    EXPECT_EQ(Band(reports::rbHeader).Objects().At(0)->ClassName(), QByteArrayLiteral("TGPLabel"));
    EXPECT_EQ(Band(reports::rbHeader).Objects().At(1)->ClassName(), QByteArrayLiteral("TGPageNumberLabel"));
    EXPECT_TRUE(Band(reports::rbDetail).EditingEnabled()) << "placing an object enables every band";

    const TWrittenReport written(SaveAs("BIN00001.R"));
    EXPECT_EQ(written.header.Count(), 2);
    EXPECT_EQ(written.detail.Count(), 0);
}

TEST_F(ReportDesignerTest, ANewReportSavedAtOnceStoresInchesInThousandths)
{
    Open();
    const TWrittenReport written(SaveAs("BIN00001.R"));
    EXPECT_EQ(written.Lengths(), (std::vector<int> { 8500, 11000, 500, 500, 500, 500, 343, 343, 343 }));
    EXPECT_EQ(written.Switches(), (std::vector<bool> { true, true, false, false }));
    EXPECT_EQ(designer->Definition().description, QStringLiteral("<new report>"));
    EXPECT_EQ(designer->Definition().layout, QStringLiteral("Letter Size, Portrait"));
}

TEST_F(ReportDesignerTest, TheDetailSizerStopsAtThePrintableHeight)
{
    Open();
    DragSizer(reports::rbDetail, 5000);
    // 11 inches less the margins: 960 pixels for header and detail.
    EXPECT_EQ(Band(reports::rbHeader).height() + Band(reports::rbDetail).height(), 960);
    EXPECT_EQ(designer->Settings().detailHeight, 960 - 33);
    DragSizer(reports::rbDetail, -100);
    EXPECT_EQ(designer->Settings().detailHeight, 960 - 33 - 100);
    EXPECT_TRUE(designer->Changed());
}

TEST_F(ReportDesignerTest, ASizerPullsObjectsBackIntoTheShorterBand)
{
    Open();
    Draw("DrawRectanglebutton", reports::rbDetail, QPoint(10, 15), QPoint(60, 30));
    ASSERT_EQ(Band(reports::rbDetail).Objects().Count(), 1);
    // The box starts at 15: a band of 10 pulls it back up.
    DragSizer(reports::rbDetail, -23);
    const design::TGGraphicControl* box = Band(reports::rbDetail).Objects().At(0);
    EXPECT_EQ(designer->Settings().detailHeight, 10);
    EXPECT_EQ(box->Top(), 10) << "at the band's new bottom edge";
}

TEST_F(ReportDesignerTest, KeysGoToTheBandHoldingTheSelection)
{
    Open();
    Draw("DrawRectanglebutton", reports::rbHeader, QPoint(10, 5), QPoint(60, 25));
    Draw("DrawRectanglebutton", reports::rbDetail, QPoint(10, 5), QPoint(60, 25));
    QTest::mouseClick(Tool("Pointerbutton"), Qt::LeftButton);
    TSurfaceMouse(Band(reports::rbDetail)).Click(QPoint(30, 15));
    ASSERT_EQ(Band(reports::rbDetail).Selection().size(), 1u);
    QTest::keyClick(designer.get(), Qt::Key_Delete);
    EXPECT_EQ(Band(reports::rbDetail).Objects().Count(), 0);
    EXPECT_EQ(Band(reports::rbHeader).Objects().Count(), 1);
}

TEST_F(ReportDesignerTest, ChangeLayoutToA4LandscapeIsWhatSaveKeeps)
{
    Open();
    ChangeLayout({ "A4Button", "LandscapeButton" });
    EXPECT_EQ(LayoutCaption(), QStringLiteral("A4 Size, Landscape"));
    // 11.68 by 8.27 inches, less the margins and a quarter inch.
    EXPECT_EQ(Band(reports::rbDetail).width(), 1121 - 96 - 24);
    const TWrittenReport written(SaveAs("BIN00001.R"));
    EXPECT_EQ(designer->Definition().layout, QStringLiteral("A4 Size, Landscape"));
    EXPECT_EQ(written.Lengths()[0], 11677);
}

TEST_F(ReportDesignerTest, ALowerPageShrinksTheDetailBandToFit)
{
    Open();
    DragSizer(reports::rbDetail, 5000);
    ChangeLayout({ "LandscapeButton" });
    EXPECT_EQ(LayoutCaption(), QStringLiteral("Letter Size, Landscape"));
    // 8.5 inches less the margins: 720 pixels, of which the header keeps 33.
    EXPECT_EQ(designer->Settings().headerHeight, 33);
    EXPECT_EQ(designer->Settings().detailHeight, 720 - 33);
}

TEST_F(ReportDesignerTest, CancelledLayoutChangesNothing)
{
    Open();
    ChangeLayout({ "A4Button" }, "CancelButton");
    EXPECT_EQ(LayoutCaption(), QStringLiteral("Letter Size, Portrait"));
    EXPECT_EQ(designer->Settings().pageWidth, 816);
}

TEST_F(ReportDesignerTest, ModifyLoadsWhatSaveWrote)
{
    Open();
    ChangeLayout({ "A4Button", "LandscapeButton" });
    DrawText(reports::rbDetail);
    clickToggle(Switch("FooterCheck"));
    const QString path = SaveAs("BIN00007.R");
    const reports::TReportSettings saved = designer->Settings();

    const reports::TReportDefinition row { QStringLiteral("Members"), QStringLiteral("A4 Size, Landscape"),
        QStringLiteral("BIN00007.R") };
    Open(&row);
    EXPECT_EQ(child<QLineEdit>(designer.get(), "ReportDescription")->text(), QStringLiteral("Members"));
    EXPECT_EQ(LayoutCaption(), QStringLiteral("A4 Size, Landscape"));
    EXPECT_EQ(designer->Settings().pageWidth, saved.pageWidth);
    EXPECT_EQ(designer->Settings().footerHeight, saved.footerHeight);
    EXPECT_TRUE(Switch("FooterCheck")->isChecked());
    EXPECT_EQ(Band(reports::rbDetail).Objects().Count(), 1);
    EXPECT_EQ(designer->Definition().designFile, QStringLiteral("BIN00007.R"));
}

TEST_F(ReportDesignerTest, AMissingOrForeignDesignFileOpensEmptyBands)
{
    for (const char* file : { "BIN00042.R", "../QUORVL.ini" }) {
        const reports::TReportDefinition row { QStringLiteral("Lost"), QStringLiteral("Letter Size, Portrait"),
            QString::fromLatin1(file) };
        Open(&row);
        EXPECT_EQ(Band(reports::rbHeader).Objects().Count(), 0) << file;
        EXPECT_EQ(designer->Settings().pageWidth, 816) << file;
        EXPECT_TRUE(ui.messages.shown().isEmpty()) << file;
    }
}

TEST_F(ReportDesignerTest, ADamagedDesignFileIsToldAndOpensEmpty)
{
    QFile damaged(sysdata() + QStringLiteral("BIN00003.R"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("TPF0 not a design");
    damaged.close();
    const reports::TReportDefinition row { QStringLiteral("Broken"), QStringLiteral("A4 Size, Portrait"),
        QStringLiteral("BIN00003.R") };
    labels::TDesignScreenContext context { sysdata(), &ini, nullptr, &record };
    designer = std::make_unique<TReportDesigner>(context);
    EXPECT_FALSE(designer->LoadReport(row).IsOk());
    EXPECT_EQ(ui.messages.shown().size(), 1);
    for (TReportBand band : { reports::rbHeader, reports::rbDetail, reports::rbFooter })
        EXPECT_EQ(Band(band).Objects().Count(), 0);
    EXPECT_EQ(designer->Settings().pageWidth, 816) << "the settings of a new report";
}

TEST_F(ReportDesignerTest, SavingWithNoBandSaysSoAndStaysOpen)
{
    Open();
    clickToggle(Switch("HeaderCheck"));
    clickToggle(Switch("DetailCheck"));
    clickButton(designer.get(), "SaveButton");
    EXPECT_EQ(ui.messages.lastText(), QStringLiteral("No report bands are selected. Please select at least one"));
    EXPECT_TRUE(designer->isVisible());
}

TEST_F(ReportDesignerTest, AFailedSaveKeepsTheWindowOpen)
{
    Open();
    bool written = false;
    designer->SetSaver([&written](TReportDesigner& saving) {
        EXPECT_EQ(saving.Definition().description, QStringLiteral("Members"));
        return written;
    });
    QLineEdit* description = child<QLineEdit>(designer.get(), "ReportDescription");
    description->selectAll();
    QTest::keyClicks(description, QStringLiteral("Members"));
    clickButton(designer.get(), "SaveButton");
    EXPECT_TRUE(designer->isVisible()) << "nothing written: the design stays to be saved again";
    written = true;
    clickButton(designer.get(), "SaveButton");
    EXPECT_FALSE(designer->isVisible());
    EXPECT_EQ(designer->result(), QDialog::Accepted);
}

TEST_F(ReportDesignerTest, ABandSwitchedOffSavesOffAndEmpty)
{
    Open();
    DrawText(reports::rbHeader);
    clickToggle(Switch("HeaderCheck"));
    EXPECT_FALSE(Band(reports::rbHeader).isVisible());
    EXPECT_FALSE(designer->PageView().Sizer(reports::rbHeader)->isEnabled());
    const TWrittenReport written(SaveAs("BIN00001.R"));
    EXPECT_EQ(written.Switches()[0], false);
    EXPECT_EQ(written.header.Count(), 0);
}

TEST_F(ReportDesignerTest, ABandSwitchedBackOnIsTwentyPixelsHigh)
{
    Open();
    clickToggle(Switch("FooterCheck"));
    EXPECT_EQ(designer->Settings().footerHeight, 33) << "a new report's footer keeps its height";
    clickToggle(Switch("HeaderCheck"));
    clickToggle(Switch("HeaderCheck"));
    EXPECT_EQ(Band(reports::rbHeader).height(), 20);
}

TEST_F(ReportDesignerTest, TheMemoBandShowsTheNotesInItsFontAndAlignment)
{
    Open();
    clickToggle(Switch("MemoCheck"));
    auto* memo = child<QLabel>(designer.get(), "MemoBand");
    EXPECT_EQ(memo->text(), record.memo);
    EXPECT_EQ(memo->height(), 33);

    QMenu& menu = designer->PageView().MemoMenu();
    QStringList texts;
    for (QAction* action : menu.actions())
        texts.append(action->text() + (action->isChecked() ? QStringLiteral("*") : QString()));
    EXPECT_EQ(texts.join(u'|'), QStringLiteral("Font|Left Aligned*|Centered|Right Aligned"));
    menu.actions().at(3)->trigger();
    EXPECT_EQ(designer->Settings().memoAlignment, 1);
    EXPECT_TRUE(memo->alignment() & Qt::AlignRight);
    EXPECT_TRUE(menu.actions().at(3)->isChecked());

    ui.dialogs.setNextFont(QFont(QStringLiteral("Courier New"), 12));
    menu.actions().at(0)->trigger();
    EXPECT_EQ(designer->Settings().memoFontName, QStringLiteral("Courier New"));
    EXPECT_EQ(memo->font().pointSize(), 12);
}

TEST_F(ReportDesignerTest, RecordButtonsMoveTheAddressFileAndTheMemoBandFollows)
{
    const QString path = home() + QStringLiteral("add0001.DBF");
    xbase::TApollo engine;
    quorvel::TAddressDataset addresses(engine);
    ASSERT_TRUE(quorvel::CreateAddressFile(path, addresses, quorvel::TNewFileFieldLengths()).ok);
    ASSERT_TRUE(quorvel::OpenTableFile(path, addresses).ok);
    for (const char* memo : { "First notes", "Second notes" }) {
        ASSERT_TRUE(addresses.Insert());
        ASSERT_TRUE(addresses.SetMemoText(u"MEMO", QString::fromLatin1(memo)));
        ASSERT_TRUE(addresses.Post());
    }
    addresses.First();
    const design::TGAddressRecord address(addresses);
    labels::TDesignScreenContext context { sysdata(), &ini, &addresses, &address };
    designer = std::make_unique<TReportDesigner>(context);
    designer->LoadNew();
    designer->show();
    clickToggle(Switch("MemoCheck"));
    auto* memo = child<QLabel>(designer.get(), "MemoBand");
    EXPECT_EQ(memo->text(), QStringLiteral("First notes"));
    clickButton(designer.get(), "LastButton");
    EXPECT_EQ(memo->text(), QStringLiteral("Second notes"));
    clickButton(designer.get(), "PriorButton");
    EXPECT_EQ(memo->text(), QStringLiteral("First notes"));
}

TEST_F(ReportDesignerTest, TheDefaultFontGoesToTheBandsAndTheReport)
{
    Open();
    QFont chosen(QStringLiteral("Times New Roman"), 12);
    chosen.setBold(true);
    ui.dialogs.setNextFont(chosen);
    clickButton(designer.get(), "DefaultFontbutton");
    EXPECT_EQ(child<QPushButton>(designer.get(), "DefaultFontbutton")->text(),
        QStringLiteral("Default Font: Times New Roman, 12 pt , bold"));
    for (TReportBand band : { reports::rbHeader, reports::rbDetail, reports::rbFooter })
        EXPECT_EQ(Band(band).font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(designer->Settings().defaultFontSize, 12);
    EXPECT_TRUE(designer->Settings().defaultBold);
}

TEST_F(ReportDesignerTest, GridAndSnapReachEveryBandFieldNamesOnlyTheDetail)
{
    Open();
    QTest::mouseClick(Tool("ShowGrid"), Qt::LeftButton);
    QTest::mouseClick(Tool("SnapToGrid"), Qt::LeftButton);
    for (TReportBand band : { reports::rbHeader, reports::rbDetail, reports::rbFooter }) {
        EXPECT_TRUE(Band(band).ShowGrid());
        EXPECT_TRUE(Band(band).SnapToGrid());
    }
    const bool headerValues = Band(reports::rbHeader).DisplayDataValues();
    const bool detailValues = Band(reports::rbDetail).DisplayDataValues();
    QTest::mouseClick(Tool("ShowFieldNamesButton"), Qt::LeftButton);
    EXPECT_NE(Band(reports::rbDetail).DisplayDataValues(), detailValues);
    EXPECT_EQ(Band(reports::rbHeader).DisplayDataValues(), headerValues);
}

TEST_F(ReportDesignerTest, CancelRejectsHelpOpensItsPageAndThePlacementIsKept)
{
    Open();
    clickButton(designer.get(), "HelpButton");
    EXPECT_EQ(ui.help.opened(), QList<int> { TReportDesigner::kHelpContext });
    designer->resize(780, 500);
    clickButton(designer.get(), "CancelButton");
    EXPECT_EQ(designer->result(), QDialog::Rejected);

    Open();
    EXPECT_EQ(designer->size(), QSize(780, 500));
}

} // namespace
} // namespace labels_gui
