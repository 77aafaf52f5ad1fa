// "Report Layout" on its own: the paper buttons for each stored size, the
// margins, the band pages and their picture, Defaults.
#include "label_windows_fixture.h"
#include "reports/windows/report_page_picture.h"
#include "reports/windows/report_properties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

namespace labels_gui {
namespace {

using reports::TReportProperties;
using reports::TReportSettings;

class ReportPropertiesTest : public LabelWindowsTest {
protected:
    void Open(const TReportSettings& settings, int ppi = 96)
    {
        dialog = std::make_unique<TReportProperties>(settings, ppi);
        dialog->show();
    }
    template <typename T> T* Control(const char* name) { return child<T>(dialog.get(), name); }
    QWidget* Tab(const char* name) { return Control<QWidget>(name); }
    QString CurrentTab() { return Control<QTabWidget>("LayoutTabs")->currentWidget()->objectName(); }

    std::unique_ptr<TReportProperties> dialog;
};

TEST_F(ReportPropertiesTest, ThePaperButtonsShowTheStoredSize)
{
    const struct {
        int ppi, width, height;
        const char* checked; // orientation and size; none for another size
    } cases[] = {
        { 96, 816, 1056, "PortraitButton LetterButton" },
        { 96, 1056, 816, "LandscapeButton LetterButton" },
        { 96, 793, 1121, "PortraitButton A4Button" },
        { 120, 1401, 992, "LandscapeButton A4Button" },
        { 96, 816, 1344, "" }, // legal paper, stored by another program
    };
    for (const auto& c : cases) {
        TReportSettings settings = reports::NewReportSettings(c.ppi);
        settings.pageWidth = c.width;
        settings.pageHeight = c.height;
        Open(settings, c.ppi);
        QStringList checked;
        for (const char* name : { "PortraitButton", "LandscapeButton", "LetterButton", "A4Button" })
            if (Control<QRadioButton>(name)->isChecked())
                checked.append(QString::fromLatin1(name));
        EXPECT_EQ(checked.join(u' '), QString::fromLatin1(c.checked)) << c.width << "x" << c.height;
    }
}

TEST_F(ReportPropertiesTest, AnotherSizeTakesLetterOrPortraitForTheButtonNotChosen)
{
    TReportSettings legal = reports::NewReportSettings(96);
    legal.pageHeight = 1344;
    Open(legal);
    clickToggle(Control<QRadioButton>("LandscapeButton"));
    EXPECT_TRUE(Control<QRadioButton>("LetterButton")->isChecked());
    EXPECT_EQ(dialog->Settings().pageWidth, 1056);
    EXPECT_EQ(dialog->Settings().pageHeight, 816);
}

TEST_F(ReportPropertiesTest, MarginsRangeFromHalfAnInchToTwoAndAHalfInHundredths)
{
    Open(reports::NewReportSettings(96));
    auto* left = Control<QDoubleSpinBox>("LeftMargin");
    EXPECT_EQ(left->value(), 0.5);
    EXPECT_EQ(left->decimals(), 2);
    left->setValue(3.0);
    EXPECT_EQ(dialog->Settings().leftMargin, 240) << "held at 2.5 inches";
    left->setValue(0.79);
    EXPECT_EQ(dialog->Settings().leftMargin, 75) << "0.79 x 96 truncated";
    left->setValue(0.1);
    EXPECT_EQ(dialog->Settings().leftMargin, 48);
}

TEST_F(ReportPropertiesTest, ABandPageChangesItsBorderAndThePictureOpensIt)
{
    Open(reports::NewReportSettings(96));
    auto* picture = Control<reports::TReportPagePicture>("PagePicture");
    const reports::TPagePictureLayout layout = reports::LayoutPagePicture(dialog->Settings(), 96);
    const QPoint origin((picture->width() - layout.page.width()) / 2, (picture->height() - layout.page.height()) / 2);
    QTest::mouseClick(picture, Qt::LeftButton, {}, origin + layout.bands[reports::rbMemo].center());
    EXPECT_EQ(CurrentTab(), QStringLiteral("MemoTab"));
    QTest::mouseClick(picture, Qt::LeftButton, {}, origin + layout.bands[reports::rbFooter].center());
    EXPECT_EQ(CurrentTab(), QStringLiteral("FooterTab"));

    QWidget* footer = Tab("FooterTab");
    clickToggle(child<QCheckBox>(footer, "BorderTop"));
    child<QSpinBox>(footer, "LineWidth")->setValue(3);
    auto* shade = child<QSpinBox>(footer, "ShadePercent");
    EXPECT_EQ(shade->singleStep(), 20);
    shade->setValue(40);
    auto* colours = child<QComboBox>(footer, "ShadeColor");
    colours->setCurrentIndex(colours->findText(QStringLiteral("Navy")));

    const reports::TBandBorder& border = dialog->Settings().borders[reports::rbFooter];
    EXPECT_TRUE(border.top);
    EXPECT_FALSE(border.bottom);
    EXPECT_EQ(border.lineWidth, 3);
    EXPECT_EQ(border.shadePercent, 40);
    EXPECT_EQ(qRgb(qRed(border.shadeColor), qGreen(border.shadeColor), qBlue(border.shadeColor)), qRgb(0, 0, 128));
    EXPECT_FALSE(dialog->Settings().borders[reports::rbHeader].top) << "only the footer's page";

    // The picture shows the shade at once: navy lightened to 40 %.
    QImage image(picture->size(), QImage::Format_RGB32);
    picture->render(&image);
    EXPECT_EQ(image.pixel(origin + layout.bands[reports::rbFooter].topLeft() + QPoint(3, 8)),
        reports::BandShade(border) | 0xFF000000);
}

TEST_F(ReportPropertiesTest, DefaultsPutLetterPortraitHalfInchMarginsAndPlainBands)
{
    TReportSettings settings = reports::NewReportSettings(96);
    reports::SetPaper(settings, reports::rpA4Landscape, 96);
    settings.topMargin = 192;
    settings.borders[reports::rbDetail].left = true;
    settings.borders[reports::rbDetail].shadePercent = 60;
    settings.detailHeight = 200;
    Open(settings);
    clickButton(dialog.get(), "DefaultsButton");
    const TReportSettings& after = dialog->Settings();
    EXPECT_EQ(after.pageWidth, 816);
    EXPECT_EQ(after.pageHeight, 1056);
    EXPECT_EQ(after.topMargin, 48);
    EXPECT_FALSE(after.borders[reports::rbDetail].left);
    EXPECT_EQ(after.borders[reports::rbDetail].shadePercent, 0);
    EXPECT_EQ(after.detailHeight, 200) << "band heights are not the layout's";
    EXPECT_TRUE(Control<QRadioButton>("PortraitButton")->isChecked());
    EXPECT_EQ(Control<QDoubleSpinBox>("TopMargin")->value(), 0.5);
    EXPECT_FALSE(child<QCheckBox>(Tab("DetailTab"), "BorderLeft")->isChecked());
}

TEST_F(ReportPropertiesTest, SaveAcceptsCancelRejectsHelpOpensItsPage)
{
    for (const char* button : { "SaveButton", "CancelButton" }) {
        Open(reports::NewReportSettings(96));
        clickButton(dialog.get(), "HelpButton");
        clickButton(dialog.get(), button);
        EXPECT_EQ(dialog->result(), button[0] == 'S' ? QDialog::Accepted : QDialog::Rejected);
    }
    EXPECT_EQ(ui.help.opened(), (QList<int> { TReportProperties::kHelpContext, TReportProperties::kHelpContext }));
}

} // namespace
} // namespace labels_gui
