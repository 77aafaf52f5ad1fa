// "Count Zip Codes" opened from the main window as a user opens it: the
// count over the filtered records, its finished text, the report printed
// to a PDF file and previewed, Cancel during the count, and the main
// window on its record, order and filter afterwards.
#include "city_filter.h"
#include "direct_records.h"
#include "label_windows_fixture.h"
#include "labels/windows/count_zip_codes.h"
#include "main_window_fixture.h"
#include "output/file_preview.h"
#include "output/preview_form.h"
#include "output/rp_device.h"
#include "store/dataset.h"

#include <QFileInfo>
#include <QLabel>

namespace labels_gui {
namespace {

using labels::TCountZipCodes;
using quorvel::TAnswer;

const QString kFinished = QStringLiteral("Finished counting. Press Print or Preview for the report");

// Runs `action` once the named window has shown and whatever the window
// queued on showing has started: the action comes in the middle of it.
class WhenStarted : public QObject {
public:
    WhenStarted(const char* objectName, std::function<void(QWidget*)> action)
        : name_(QString::fromLatin1(objectName)), action_(std::move(action))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == name_ && action_) {
            auto* window = static_cast<QWidget*>(watched);
            auto action = std::move(action_);
            action_ = nullptr;
            QTimer::singleShot(0, window, [window, action] { QTimer::singleShot(0, window, [window, action] {
                action(window);
            }); });
        }
        return false;
    }

private:
    QString name_;
    std::function<void(QWidget*)> action_;
};

// Runs `action` on the print status window once its job has ended (its
// button reads Ok); the job lets events run while it prints, so the window
// is up well before.
void whenStatusEnded(std::function<void(QWidget*)> action)
{
    whenModalNamed("TPrintStatusWindow", [action](QWidget* status) {
        if (child<QAbstractButton>(status, "CancelButton")->text() == QStringLiteral("Ok"))
            action(status);
        else
            whenStatusEnded(action);
    });
}

// Runs `action` on "Count Zip Codes" once its count has finished. The
// count lets events run as it goes, so the window is up before.
void whenCounted(std::function<void(TCountZipCodes&)> action)
{
    whenModalNamed("TCountZipCodes", [action](QWidget* opened) {
        auto& screen = *static_cast<TCountZipCodes*>(opened);
        if (!screen.ReportLines().isEmpty())
            action(screen);
        else
            whenCounted(action);
    });
}

class CountZipCodesTest : public quorvel::testing::MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        const std::pair<const char*, const char*> records[] = {
            {"Baker", "30301"}, {"Clark", "30305"}, {"Adams", ""}, {"Young", "30301-1234"}, {"Evans", "K1A 0B1"}};
        for (const auto& [name, zip] : records) {
            quorvel::testing::addDirectly(table(), {{QStringLiteral("LNAME"), QString::fromLatin1(name)},
                                                    {QStringLiteral("CITY"), QStringLiteral("Boston")},
                                                    {QStringLiteral("ZIP"), QString::fromLatin1(zip)}});
        }
        quorvel::testing::addDirectly(table(), {{QStringLiteral("LNAME"), QStringLiteral("Olsen")},
                                                {QStringLiteral("CITY"), QStringLiteral("Albany")},
                                                {QStringLiteral("ZIP"), QStringLiteral("12203")}});
        ui.messages.clear();
    }

    // Sorted by last name, filtered on Boston, on Clark's record.
    void PrepareMainWindow()
    {
        trigger("mnuSortLNAME");
        quorvel::testing::setCityFilter(main(), QStringLiteral("Boston"));
        for (bool more = table().First(); more && value("LNAME") != QStringLiteral("Clark"); more = table().Next()) {
        }
        ASSERT_EQ(value("LNAME"), QStringLiteral("Clark"));
        query_ = table().Query();
        record_ = table().RecNo();
    }

    void ExpectMainWindowAsBefore()
    {
        EXPECT_EQ(value("LNAME"), QStringLiteral("Clark"));
        EXPECT_EQ(box("LNAME")->text(), QStringLiteral("Clark"));
        EXPECT_EQ(table().RecNo(), record_);
        EXPECT_EQ(table().Order().toUpper(), QStringLiteral("LNAME"));
        EXPECT_EQ(table().Query(), query_);
        EXPECT_TRUE(main().filterSet());
        EXPECT_FALSE(table().ControlsDisabled());
    }

    QString query_;
    std::uint32_t record_ = 0;
};

TEST_F(CountZipCodesTest, CountsTheFilteredRecordsThenPrintsAndPreviews)
{
    PrepareMainWindow();
    const QString pdf = home() + QStringLiteral("zips.pdf");
    output::TRPDevice::Shared().SelectPrinterByName(output::TRPDevice::PdfPrinterName());
    bool ran = false;
    whenCounted([&](TCountZipCodes& screen) {
        EXPECT_EQ(screen.windowTitle(), QStringLiteral("Count Zip Codes"));
        EXPECT_EQ(child<QLabel>(&screen, "WhatDoing")->text(),
                  QStringLiteral("Counting the number of occurrences of each zip code:"));
        EXPECT_EQ(child<QLabel>(&screen, "StatusLabel")->text(), kFinished);
        EXPECT_FALSE(child<QWidget>(&screen, "CancelButton")->isVisible());
        // Olsen in Albany is filtered out.
        EXPECT_EQ(screen.ReportLines(),
                  QStringList({QStringLiteral("30301     2"), QStringLiteral("30305     1"), QString(), QString(),
                               QStringLiteral("K1A 0     1"), QStringLiteral("BLANK     1")}));

        QString printStatus;
        whenStatusEnded([&printStatus](QWidget* status) {
            printStatus = child<QLabel>(status, "RStatusLabel")->text();
            clickButton(status, "CancelButton");
        });
        ui.dialogs.setNextFileName(pdf);
        clickButton(&screen, "PrintButton");
        EXPECT_EQ(printStatus, QStringLiteral("\nPrint Completed!"));
        EXPECT_GT(QFileInfo(pdf).size(), 0);

        QString previewStatus;
        int pages = 0;
        double zoom = 0;
        QString caption;
        whenStatusEnded([&](QWidget* status) {
            previewStatus = child<QLabel>(status, "RStatusLabel")->text();
            whenModalNamed("TPreviewForm", [&](QWidget* preview) {
                auto& form = *static_cast<output::TPreviewForm*>(preview);
                pages = form.FilePreview().PageCount();
                zoom = form.FilePreview().ZoomFactor();
                caption = form.windowTitle();
                form.accept();
            });
            clickButton(status, "CancelButton");
        });
        clickButton(&screen, "PreviewButton");
        EXPECT_EQ(previewStatus, QStringLiteral("\nPreview Ready!"));
        EXPECT_EQ(pages, 1);
        EXPECT_EQ(zoom, 100.0);
        // The form's caption follows its page once it shows.
        EXPECT_EQ(caption, QStringLiteral("Preview Page 1 of 1 ( 100% )"));
        // The count is kept: the window shows it still.
        EXPECT_EQ(screen.ReportLines().size(), 6);
        ran = true;
        clickButton(&screen, "OKButton");
    });
    trigger("mnuCountZip");
    EXPECT_TRUE(ran);
    ExpectMainWindowAsBefore();
}

TEST_F(CountZipCodesTest, CancelAsksAndClosesTheWindow)
{
    for (int i = 0; i < 120; ++i) {
        quorvel::testing::addDirectly(
            table(), {{QStringLiteral("LNAME"), QStringLiteral("Zed")}, {QStringLiteral("CITY"), QStringLiteral("Boston")}});
    }
    PrepareMainWindow();
    ui.messages.setNextAnswer(TAnswer::Yes);
    WhenStarted cancel("TCountZipCodes", [](QWidget* screen) { clickButton(screen, "CancelButton"); });
    // Should the window stay open, it is closed for the test to fail
    // rather than hang.
    bool leftOpen = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&leftOpen] {
        if (auto* screen = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            leftOpen = true;
            screen->done(1);
        }
    });
    guard.start(20000);
    trigger("mnuCountZip");
    EXPECT_FALSE(leftOpen);
    ASSERT_FALSE(ui.messages.shown().isEmpty());
    EXPECT_EQ(ui.messages.shown().last().caption, QStringLiteral("CANCEL"));
    EXPECT_EQ(ui.messages.lastText(), QStringLiteral("Cancel Count?"));
    ExpectMainWindowAsBefore();
}

} // namespace
} // namespace labels_gui
