// "Print Current Record" opened from the main window as a user opens it:
// the field boxes and "All", Printer Setup, a preview at page width, a print into a PDF
// file, the dialog open through both, and the main window left as it was.
#include "city_filter.h"
#include "label_windows_fixture.h"
#include "labels/windows/print_current_record.h"
#include "main_window_fixture.h"
#include "output/preview_form.h"
#include "output/rp_device.h"
#include "store/dataset.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace labels_gui {
namespace {

using labels::TPrintCurrentRecord;

// Every caption a preview window is given, from the caller's on.
class PreviewCaptions : public QObject {
public:
    QStringList seen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowTitleChange)
            if (auto* form = qobject_cast<output::TPreviewForm*>(watched))
                seen << form->windowTitle();
        return false;
    }
};

class PrintCurrentRecordTest : public quorvel::testing::MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        for (const auto& [name, city] : {std::pair{"Baker", "Boston"}, {"Clark", "Albany"}, {"Adams", "Boston"}})
            addRecord({{QStringLiteral("LNAME"), QString::fromLatin1(name)},
                       {QStringLiteral("CITY"), QString::fromLatin1(city)}});
        ui.messages.clear();
    }

    std::vector<QCheckBox*> Boxes(QWidget* dialog) const
    {
        std::vector<QCheckBox*> boxes;
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
            if (box->objectName() != QStringLiteral("cbAll"))
                boxes.push_back(box);
        return boxes;
    }

    int Checked(QWidget* dialog) const
    {
        int checked = 0;
        for (QCheckBox* box : Boxes(dialog))
            checked += box->isChecked() ? 1 : 0;
        return checked;
    }

    // Prints into a PDF file through the status window and closes it with
    // Ok once the job has ended; the status it ended with.
    QString PrintToPdf(QWidget* dialog, const QString& pdf)
    {
        output::TRPDevice::Shared().SelectPrinterByName(output::TRPDevice::PdfPrinterName());
        ui.dialogs.setNextFileName(pdf);
        QString ending;
        CloseStatusWhenEnded(ending);
        clickButton(dialog, "PrintButton");
        return ending;
    }

    // Waits for the coming status window's job to end, keeps the status it
    // ended with and closes the window with Ok.
    static void CloseStatusWhenEnded(QString& ending, const std::function<void()>& beforeOk = {})
    {
        whenModalNamed("TPrintStatusWindow", [&ending, beforeOk](QWidget* status) {
            auto* button = child<QPushButton>(status, "CancelButton");
            for (int wait = 0; wait < 1000 && button->text() != QStringLiteral("Ok"); ++wait)
                QTest::qWait(10);
            ending = child<QLabel>(status, "RStatusLabel")->text();
            if (beforeOk)
                beforeOk();
            clickButton(status, "CancelButton");
        });
    }
};

TEST_F(PrintCurrentRecordTest, AllSetsEveryBoxAndTheDialogStaysOpenThroughPreviewAndPrint)
{
    quorvel::testing::setCityFilter(main(), QStringLiteral("Boston"));
    main().SetCurrentOrder(QStringLiteral("City"));
    table().Last();
    const std::uint32_t record = table().RecNo();
    const QString query = table().Query();
    const QString order = table().Order();
    const QString name = table().FieldAsString(u"LNAME");

    PreviewCaptions captions;
    qApp->installEventFilter(&captions);
    testing_support::TempDir out;
    const QString pdf = QString::fromStdString(out.file("record.pdf"));
    bool ran = false;
    whenModalNamed("PrintCurrentRecord", [&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Print Current Record"));
        auto* all = child<QCheckBox>(dialog, "cbAll");
        auto* memo = child<QCheckBox>(dialog, "cbMEMO");
        ASSERT_EQ(Boxes(dialog).size(), 21u);
        EXPECT_EQ(Checked(dialog), 21) << "all checked at start";
        EXPECT_TRUE(all->isChecked());

        clickToggle(all);
        EXPECT_EQ(Checked(dialog), 0);
        EXPECT_FALSE(memo->isChecked()) << "the memo's box too";
        const labels::TRecordReportChoice none = static_cast<TPrintCurrentRecord*>(dialog)->Choice();
        EXPECT_TRUE(none.fields.none());
        EXPECT_FALSE(none.memo);
        clickToggle(all);
        EXPECT_EQ(Checked(dialog), 21);
        clickToggle(child<QCheckBox>(dialog, "cbZIP"));
        EXPECT_FALSE(static_cast<TPrintCurrentRecord*>(dialog)->Choice().fields.test(10));

        ui.dialogs.setNextPrintAccepted(false);
        clickButton(dialog, "PrinterSetupButton");
        ASSERT_FALSE(ui.dialogs.requests().isEmpty());
        EXPECT_EQ(ui.dialogs.requests().last().kind, quorvel::TScriptedDialogs::TKind::PrinterSetup);

        int pages = 0;
        double zoom = 0.0;
        QString previewEnding;
        // The status window waits for Ok on its ready text; the preview follows.
        CloseStatusWhenEnded(previewEnding, [&] {
            whenModalNamed("TPreviewForm", [&](QWidget* opened) {
                auto& form = *static_cast<output::TPreviewForm*>(opened);
                pages = form.FilePreview().PageCount();
                zoom = form.FilePreview().ZoomFactor();
                form.FilePreview().ZoomPageWidth();
                EXPECT_DOUBLE_EQ(form.FilePreview().ZoomFactor(), zoom) << "opened at page width";
                form.accept();
            });
        });
        clickButton(dialog, "PreviewButton");
        EXPECT_EQ(previewEnding, QStringLiteral("\nReport Preview Ready!"));
        EXPECT_EQ(pages, 1);
        ASSERT_FALSE(captions.seen.isEmpty());
        EXPECT_EQ(captions.seen.first(), QStringLiteral("Preview Report"));
        EXPECT_TRUE(dialog->isVisible()) << "open after a preview";

        // The label shows the carriage return as a line break.
        EXPECT_EQ(PrintToPdf(dialog, pdf), QStringLiteral("\nReport Print Completed!"));
        EXPECT_TRUE(QFile::exists(pdf));
        EXPECT_TRUE(dialog->isVisible()) << "open after printing";
        ran = true;
        clickButton(dialog, "CancelButton");
    });
    trigger("mnuPrintCurrentRecord");
    qApp->removeEventFilter(&captions);
    output::TRPDevice::ReleaseShared();
    EXPECT_TRUE(ran);

    EXPECT_EQ(table().RecNo(), record);
    EXPECT_EQ(table().FieldAsString(u"LNAME"), name);
    EXPECT_EQ(table().Query(), query);
    EXPECT_EQ(table().Order(), order);
    EXPECT_TRUE(main().filterSet());
}

} // namespace
} // namespace labels_gui
