// The envelope design screen on its own: objects placed as drawn, the
// tools, sizes and zoom, the default font, both overlays on the screen, and
// Save into ENVELOPE.DBF and the design file.
#include "design/model/base_label.h"
#include "design/model/class_set.h"
#include "design/model/data_label.h"
#include "design/model/postnet.h"
#include "envelopes/envelope_layouts.h"
#include "envelopes/windows/envelope_design_screen.h"
#include "envelopes/windows/envelope_design_tools.h"
#include "envelopes/windows/envelope_panel.h"
#include "label_windows_fixture.h"
#include "store/dataset.h"
#include "store/ini_file.h"
#include "surface_mouse.h"
#include "xbase/apollo.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QComboBox>
#include <QPushButton>
#include <QToolButton>

namespace labels_gui {
namespace {

using envelopes::TEnvelopeDesignScreen;
using envelopes::TEnvelopeLayout;
using envelopes::TEPanelState;

constexpr int kNumber10 = 20;
constexpr int kB4 = 33;

TEnvelopeLayout NewLayout(int sizeCode = kNumber10)
{
    TEnvelopeLayout layout;
    layout.description = QStringLiteral("<New envelope>");
    layout.sizeCode = sizeCode;
    return layout;
}

// Closes whatever window opens modally meanwhile, and remembers its title:
// drawing on the envelope surface must open none.
class ModalWatch {
public:
    ModalWatch()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                titles_.append(modal->windowTitle());
                modal->reject();
            }
        });
        timer_.start();
    }
    const QStringList& Titles() const { return titles_; }

private:
    QTimer timer_;
    QStringList titles_;
};

class EnvelopeDesignTest : public LabelWindowsTest {
protected:
    void Open(const TEnvelopeLayout& layout = NewLayout(), bool isNew = true)
    {
        envelopes::TEnvelopeDesignContext context;
        context.sysdataFolder = sysdata();
        context.ini = &ini;
        context.printer = printer;
        context.layouts = layouts.get();
        screen = std::make_unique<TEnvelopeDesignScreen>(context, layout, isNew);
        ASSERT_TRUE(screen->LoadDesign());
        screen->show();
    }
    void OpenTable()
    {
        layouts = std::make_unique<quorvel::TDataset>(engine);
        const quorvel::TTableResult opened = envelopes::OpenEnvelopeLayoutTable(*layouts, sysdata());
        ASSERT_TRUE(opened.ok) << opened.messages.join(u'\n').toStdString();
    }
    // The rows of ENVELOPE.DBF; the table is left on its last row.
    int Rows()
    {
        if (layouts->IsEmpty())
            return 0;
        int rows = 0;
        layouts->First();
        do {
            ++rows;
            layouts->Next();
        } while (!layouts->Eof());
        return rows;
    }
    envelopes::TEnvelopePanel& Panel() { return screen->Panel(); }
    QToolButton* Toggle(const char* name) { return child<QToolButton>(screen.get(), name); }
    void Click(const char* name) { clickButton(screen.get(), name); }

    // Drags a rectangle on the surface with the tool of that button.
    design::TGGraphicControl* Draw(const char* tool, QPoint from, QPoint to)
    {
        QTest::mouseClick(Toggle(tool), Qt::LeftButton);
        TSurfaceMouse mouse(Panel());
        mouse.Press(from);
        mouse.Move(to);
        mouse.Release(to);
        return Panel().Objects().Count() ? Panel().Objects().At(Panel().Objects().Count() - 1) : nullptr;
    }

    void ChangeSize(int listRow)
    {
        whenModalNamed("ChooseEnvelopeLayout", [listRow](QWidget* choose) {
            child<QComboBox>(choose, "EnvelopeSizeList")->setCurrentIndex(listRow);
            clickButton(choose, "OKButton");
        });
        Click("ChangeSizeButton");
    }

    QImage Grab()
    {
        QImage image(Panel().size(), QImage::Format_RGB32);
        Panel().render(&image);
        return image;
    }

    quorvel::TIniFile ini { iniPath() };
    // Letter paper with a quarter inch the printer cannot reach on each side.
    envelopes::TPrinterArea printer { 24, 24, 24, 24, 816, 1056 };
    xbase::TApollo engine;
    std::unique_ptr<quorvel::TDataset> layouts;
    std::unique_ptr<TEnvelopeDesignScreen> screen;
};

TEST_F(EnvelopeDesignTest, ANumber10EnvelopeIsNineHundredTwelveByThreeHundredNinetySixPixels)
{
    Open();
    EXPECT_EQ(Panel().size(), QSize(912, 396));
    EXPECT_EQ(child<QLabel>(screen.get(), "EnvelopeSizeCaption")->text(),
        QStringLiteral("Envelope #10 4 1/8 x 9 1/2 inches"));
    EXPECT_EQ(child<QLineEdit>(screen.get(), "EnvelopeDescription")->text(), QStringLiteral("<New envelope>"));
    EXPECT_EQ(Panel().Objects().Count(), 0) << "no address block of its own";
    EXPECT_TRUE(ui.messages.shown().isEmpty()) << "no word of help for a new layout";
    EXPECT_FALSE(screen->Changed());
}

TEST_F(EnvelopeDesignTest, AnUnknownSizeCodeOpensAsNumber10)
{
    Open(NewLayout(-1), false);
    EXPECT_EQ(Panel().size(), QSize(912, 396));
    EXPECT_EQ(screen->Layout().sizeCode, kNumber10);
}

TEST_F(EnvelopeDesignTest, ATinyTextDragKeepsFiftyByFifteenAndOpensNoDialog)
{
    Open();
    ModalWatch watch;
    // The object as placed, when the surface reports the change: later its
    // own text layout raises the height to a line, as on every surface.
    QRect placed;
    QObject::connect(&Panel(), &design::TGBasePanel::LabelChangedEvent, [this, &placed] {
        const design::TGGraphicControl* object = Panel().Objects().At(0);
        if (placed.isNull())
            placed = QRect(object->Left(), object->Top(), object->Width(), object->Height());
    });
    design::TGGraphicControl* text = Draw("DrawLabelButton", QPoint(100, 100), QPoint(103, 103));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->ClassName(), QByteArrayLiteral("TGPLabel"));
    EXPECT_EQ(placed, QRect(100, 100, 50, 15));
    EXPECT_EQ(dynamic_cast<design::TGBaseLabel*>(text)->Caption(), QStringLiteral("<text>"));
    QTest::qWait(20);
    EXPECT_EQ(text->Width(), 50) << "not fitted to its text";
    EXPECT_TRUE(watch.Titles().isEmpty()) << watch.Titles().join(u',').toStdString();
    EXPECT_TRUE(screen->Changed());
}

TEST_F(EnvelopeDesignTest, EachToolSetsItsStateAndPlacesItsObjectAsDrawn)
{
    struct Case {
        const char* button;
        QByteArray className; // empty: the selection tool places nothing
    };
    const Case cases[] = {
        { "Pointerbutton", {} },
        { "DrawLabelButton", "TGPLabel" },
        { "DrawMLTextButton", "TGMultiLineLabel" },
        { "DrawRectanglebutton", "TGLabelShapes" },
        { "DrawEllipseButton", "TGLabelShapes" },
        { "DrawRoundrectbutton", "TGLabelShapes" },
        { "DrawLinebutton", "TGLineShape" },
        { "DrawImageButton", "TGImage" },
        { "DrawPostNetBarCodeButton", "TGPostNetBarCode" },
        { "DrawFieldButton", "TGPDLabel" },
        { "DrawAddressButton", "TGDMultiLineAddressLabel" },
        { "DrawFIMBarCodeButton", "TGFIMBarCode" },
    };
    Open(NewLayout(kB4));
    ModalWatch watch;
    const auto tools = envelopes::EnvelopeDesignTools();
    ASSERT_EQ(std::size(cases), tools.size());
    for (std::size_t i = 0; i < tools.size(); ++i) {
        const Case& c = cases[i];
        ASSERT_STREQ(tools[i].buttonName, c.button);
        Panel().ClearObjects();
        QTest::mouseClick(Toggle(c.button), Qt::LeftButton);
        EXPECT_EQ(Panel().PanelState(), tools[i].state) << c.button;
        EXPECT_EQ(Toggle(c.button)->toolTip(), QString::fromLatin1(tools[i].hint));
        EXPECT_EQ(Panel().Pointing(), c.className.isEmpty()) << c.button;
        if (!c.className.isEmpty()) {
            EXPECT_EQ(Panel().cursor().shape(), Qt::CrossCursor) << c.button;
        }
        const QRect drawn(20, 30, 120, 60);
        design::TGGraphicControl* placed = Draw(c.button, drawn.topLeft(), drawn.topLeft() + QPoint(120, 60));
        if (c.className.isEmpty()) {
            EXPECT_EQ(placed, nullptr);
            continue;
        }
        ASSERT_NE(placed, nullptr) << c.button;
        EXPECT_EQ(placed->ClassName(), c.className) << c.button;
        EXPECT_EQ(QPoint(placed->Left(), placed->Top()), drawn.topLeft()) << c.button;
        // Text keeps the width drawn (its height follows its own layout);
        // the barcodes take the size of their bars.
        if (c.className != "TGFIMBarCode" && c.className != "TGPostNetBarCode") {
            EXPECT_EQ(placed->Width(), drawn.width()) << c.button;
        }
    }
    EXPECT_TRUE(watch.Titles().isEmpty()) << watch.Titles().join(u',').toStdString();
}

TEST_F(EnvelopeDesignTest, PostNetIsBoundToZipAndStreetAndFieldsShowTheirPlaceholder)
{
    Open(NewLayout(38)); // 6 3/4: a POSTNET barcode has no width rule here
    auto* barcode
        = dynamic_cast<design::TGPostNetBarCode*>(Draw("DrawPostNetBarCodeButton", QPoint(10, 10), QPoint(300, 40)));
    ASSERT_NE(barcode, nullptr);
    EXPECT_EQ(barcode->ZipCodeField(), QStringLiteral("ZIP"));
    EXPECT_EQ(barcode->AddressField(), QStringLiteral("STREET"));
    EXPECT_TRUE(ui.messages.shown().isEmpty());
    auto* field = dynamic_cast<design::TGPDLabel*>(Draw("DrawFieldButton", QPoint(10, 60), QPoint(100, 80)));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->DataFieldName(), QStringLiteral("<field>"));
}

TEST_F(EnvelopeDesignTest, ZoomStepsEndExactlyAtHalfAndOneAndAHalf)
{
    Open();
    for (int i = 0; i < 9; ++i)
        Click("ZoomOutButton");
    EXPECT_EQ(Panel().Zoom(), 0.5f);
    EXPECT_EQ(child<QLabel>(screen.get(), "ZoomCaption")->text(), QStringLiteral("50%"));
    EXPECT_EQ(Panel().size(), QSize(456, 198));
    for (int i = 0; i < 15; ++i)
        Click("ZoomInButton");
    EXPECT_EQ(Panel().Zoom(), 1.5f);
    EXPECT_EQ(child<QLabel>(screen.get(), "ZoomCaption")->text(), QStringLiteral("150%"));
    EXPECT_EQ(Panel().size(), QSize(1368, 594));
    for (int i = 0; i < 10; ++i)
        Click("ZoomOutButton");
    EXPECT_EQ(Panel().Zoom(), 0.5f) << "down and up again, no drift";
    EXPECT_FALSE(screen->Changed()) << "zooming is no change of the design";
}

TEST_F(EnvelopeDesignTest, ChangeSizeResizesAtActualSizeAndPullsObjectsIn)
{
    Open(NewLayout(kB4));
    EXPECT_EQ(Panel().size(), QSize(1356, 960));
    design::TGGraphicControl* text = Draw("DrawLabelButton", QPoint(1200, 800), QPoint(1300, 830));
    ASSERT_NE(text, nullptr);
    Click("ZoomOutButton"); // the new size is set at 100 % and zoomed again
    ChangeSize(1); // #10
    EXPECT_EQ(screen->Layout().sizeCode, kNumber10);
    EXPECT_EQ(child<QLabel>(screen.get(), "EnvelopeSizeCaption")->text(),
        QStringLiteral("Envelope #10 4 1/8 x 9 1/2 inches"));
    EXPECT_EQ(Panel().size(), QSize(821, 356));
    EXPECT_EQ(Panel().Zoom(), 0.9f);
    // Pulled back until its corner is on the envelope again.
    EXPECT_LT(text->Left(), Panel().width());
    EXPECT_LT(text->Top(), Panel().height());
    EXPECT_TRUE(screen->Changed());
}

TEST_F(EnvelopeDesignTest, DefaultFontIsReadFromAndWrittenToTheEnvelopeSection)
{
    ASSERT_TRUE(ini.write({ { QStringLiteral("Envelope"), QStringLiteral("DefaultFontName"), QStringLiteral("Courier New") },
        { QStringLiteral("Envelope"), QStringLiteral("DefaultFontSize"), QStringLiteral("12") } }));
    Open();
    auto* button = child<QPushButton>(screen.get(), "DefaultFontbutton");
    EXPECT_EQ(button->text(), QStringLiteral("Default Font: Courier New, 12 pt "));

    QFont chosen(QStringLiteral("Times New Roman"), 14);
    chosen.setItalic(true);
    ui.dialogs.setNextFont(chosen);
    Click("DefaultFontbutton");
    EXPECT_EQ(button->text(), QStringLiteral("Default Font: Times New Roman, 14 pt , italic"));
    EXPECT_EQ(ini.readString(QStringLiteral("Envelope"), QStringLiteral("DefaultFontName")),
        QStringLiteral("Times New Roman"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Envelope"), QStringLiteral("DefaultFontSize"), 0), 14);
    EXPECT_TRUE(ini.readBool(QStringLiteral("Envelope"), QStringLiteral("DefaultFontItalic"), false));
    EXPECT_TRUE(ini.readString(QStringLiteral("Label"), QStringLiteral("DefaultFontName")).isEmpty());
    design::TGGraphicControl* text = Draw("DrawLabelButton", QPoint(10, 10), QPoint(100, 30));
    EXPECT_EQ(dynamic_cast<design::TGBaseLabel*>(text)->Font().Name, QStringLiteral("Times New Roman"));
}

TEST_F(EnvelopeDesignTest, TheTemplateBoxesAndPrinterMarginsAreDrawnOverTheDesign)
{
    Open();
    const QImage plain = Grab();
    EXPECT_EQ(plain.pixel(100, 200), qRgb(255, 255, 255));

    QTest::mouseClick(Toggle("USPSTemplate"), Qt::LeftButton);
    EXPECT_EQ(Toggle("USPSTemplate")->toolTip(), QStringLiteral("Show USPS Automation Template"));
    const QImage boxes = Grab();
    // The address box of a #10 starts half an inch in: 48 pixels.
    EXPECT_EQ(boxes.pixel(47, 250), qRgb(255, 255, 255));
    EXPECT_EQ(boxes.pixel(48, 250), qRgb(128, 128, 128));
    EXPECT_EQ(boxes.pixel(100, 250), qRgb(239, 239, 239));
    EXPECT_EQ(boxes.pixel(50, 134), qRgb(192, 192, 192)) << "the caption's silver ground";
    EXPECT_EQ(boxes.pixel(700, 30), qRgb(239, 239, 239)) << "FIM area";

    QTest::mouseClick(Toggle("ShowPrinterMarginsButton"), Qt::LeftButton);
    const QImage margins = Grab();
    int red = 0;
    for (int y = 24; y < 396; ++y)
        red += margins.pixel(24, y) == qRgb(255, 0, 0) ? 1 : 0;
    EXPECT_GT(red, 0) << "the printable area's left edge, dotted";
    EXPECT_LT(red, 396 - 24) << "dotted, not solid";
}

TEST_F(EnvelopeDesignTest, SaveWritesTheRowAndTheDesignFile)
{
    OpenTable();
    Open();
    Draw("DrawLabelButton", QPoint(100, 100), QPoint(103, 103));
    auto* description = child<QLineEdit>(screen.get(), "EnvelopeDescription");
    description->setText(QString(60, u'x'));
    Click("SaveButton");
    ASSERT_TRUE(screen->Saved()) << ui.messages.lastText().toStdString();
    EXPECT_EQ(screen->result(), 1);
    EXPECT_EQ(screen->Layout().description, QString(50, u'x'));

    ASSERT_EQ(Rows(), 1);
    layouts->First();
    const TEnvelopeLayout row = envelopes::ReadCurrentEnvelopeLayout(*layouts);
    EXPECT_EQ(row.description, QString(50, u'x'));
    EXPECT_EQ(row.sizeCode, kNumber10);
    EXPECT_EQ(row.designFile, screen->Layout().designFile);
    design::TGDesignOwner owner;
    design::TGSurfaceObjects objects(design::TGClassSet::EnvelopeSurface());
    const envelopes::TEnvelopeDesignLoad load
        = envelopes::LoadEnvelopeDesign(sysdata(), row.designFile, owner, objects);
    ASSERT_TRUE(load.found);
    ASSERT_TRUE(load.status.IsOk()) << load.status.Message().toStdString();
    ASSERT_EQ(objects.Count(), 1);
    EXPECT_EQ(objects.At(0)->Width(), 50);
}

TEST_F(EnvelopeDesignTest, AFailedDesignWriteIsToldAndPostsNoRow)
{
    OpenTable();
    Open();
    Draw("DrawLabelButton", QPoint(100, 100), QPoint(200, 120));
    // The table stays open while its folder goes away: the design file
    // cannot be written.
    ASSERT_TRUE(QDir().rename(sysdata(), home() + QStringLiteral("gone")));
    Click("SaveButton");
    EXPECT_FALSE(screen->Saved());
    EXPECT_TRUE(screen->isVisible()) << "the design is still there to be saved elsewhere";
    EXPECT_FALSE(ui.messages.shown().isEmpty());
    EXPECT_EQ(Rows(), 0);
}

TEST_F(EnvelopeDesignTest, ModifyReadsTheDesignAndCancelWritesNothing)
{
    OpenTable();
    Open();
    Draw("DrawAddressButton", QPoint(300, 150), QPoint(600, 250));
    Click("SaveButton");
    ASSERT_TRUE(screen->Saved());
    const TEnvelopeLayout saved = screen->Layout();
    const QString path = envelopes::EnvelopeDesignPath(sysdata(), saved.designFile);
    const QByteArray bytes = [&] { QFile file(path); file.open(QIODevice::ReadOnly); return file.readAll(); }();

    layouts->First();
    Open(saved, false);
    ASSERT_EQ(Panel().Objects().Count(), 1);
    EXPECT_EQ(Panel().Objects().At(0)->Left(), 300);
    Draw("DrawLabelButton", QPoint(10, 10), QPoint(50, 30));
    Click("CancelButton");
    EXPECT_EQ(screen->result(), 2);
    EXPECT_FALSE(screen->Saved());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
    EXPECT_EQ(Rows(), 1);
}

TEST_F(EnvelopeDesignTest, AMissingDesignFileOpensEmptyAndIsSavedUnderANewName)
{
    OpenTable();
    TEnvelopeLayout layout = NewLayout();
    layout.description = QStringLiteral("Office");
    layout.designFile = QStringLiteral("BIN00007.E"); // no such file
    Open(layout, true);
    Draw("DrawLabelButton", QPoint(100, 100), QPoint(200, 120));
    Click("SaveButton");
    ASSERT_TRUE(screen->Saved());
    layouts->First();
    Open(envelopes::ReadCurrentEnvelopeLayout(*layouts), false);
    ASSERT_EQ(Panel().Objects().Count(), 1);
    ASSERT_TRUE(QFile::remove(envelopes::EnvelopeDesignPath(sysdata(), screen->Layout().designFile)));
    const QString removed = screen->Layout().designFile;

    layouts->First();
    Open(envelopes::ReadCurrentEnvelopeLayout(*layouts), false);
    EXPECT_EQ(Panel().Objects().Count(), 0);
    EXPECT_TRUE(ui.messages.shown().isEmpty());
    Draw("DrawLabelButton", QPoint(10, 10), QPoint(60, 30));
    Click("SaveButton");
    ASSERT_TRUE(screen->Saved());
    EXPECT_EQ(Rows(), 1);
    EXPECT_FALSE(screen->Layout().designFile.isEmpty());
    EXPECT_TRUE(QFile::exists(envelopes::EnvelopeDesignPath(sysdata(), screen->Layout().designFile)));
    EXPECT_NE(screen->Layout().designFile, removed);
}

TEST_F(EnvelopeDesignTest, ADamagedDesignFileIsToldAndNotOpened)
{
    TEnvelopeLayout layout = NewLayout();
    layout.designFile = QStringLiteral("BIN00001.E");
    QFile damaged(sysdata() + layout.designFile);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("\x01TPF0\x08TGPLabel\x08Special1\x04Left\x02");
    damaged.close();
    envelopes::TEnvelopeDesignContext context;
    context.sysdataFolder = sysdata();
    TEnvelopeDesignScreen designer(context, layout, false);
    EXPECT_FALSE(designer.LoadDesign());
    EXPECT_FALSE(ui.messages.lastText().isEmpty());
    EXPECT_EQ(designer.Panel().Objects().Count(), 0);
}

} // namespace
} // namespace labels_gui
