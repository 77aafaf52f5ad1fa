// "Envelope Size": the sizes in list order, the preselection and the answer.
#include "envelopes/envelope_sizes.h"
#include "envelopes/windows/choose_envelope_layout.h"
#include "label_windows_fixture.h"

#include <QComboBox>

namespace labels_gui {
namespace {

using envelopes::TChooseEnvelopeLayout;

QComboBox* SizeList(TChooseEnvelopeLayout& choose) { return child<QComboBox>(&choose, "EnvelopeSizeList"); }

TEST(ChooseEnvelopeLayoutTest, ListsEverySizeAndPreselectsTheCurrentCode)
{
    TChooseEnvelopeLayout choose(33);
    EXPECT_EQ(choose.windowTitle(), QStringLiteral("Envelope Size"));
    QComboBox* list = SizeList(choose);
    const auto sizes = envelopes::EnvelopeSizes();
    ASSERT_EQ(list->count(), static_cast<int>(sizes.size()));
    for (int row = 0; row < list->count(); ++row)
        EXPECT_EQ(list->itemText(row), sizes[static_cast<std::size_t>(row)].caption);
    EXPECT_EQ(list->currentText(), QStringLiteral("Envelope B4  250 x 353 mm"));
    EXPECT_EQ(choose.ChosenCode(), 33);
}

TEST(ChooseEnvelopeLayoutTest, AnUnknownCodeSelectsTheFirstEntry)
{
    for (const int unknown : { -1, 0, 24, 99 }) {
        TChooseEnvelopeLayout choose(unknown);
        EXPECT_EQ(SizeList(choose)->currentIndex(), 0) << unknown;
        EXPECT_EQ(choose.ChosenCode(), 19) << unknown;
    }
}

TEST(ChooseEnvelopeLayoutTest, OkGivesTheChosenSizeAndCancelTwo)
{
    TChooseEnvelopeLayout choose(20);
    whenModalNamed("ChooseEnvelopeLayout", [](QWidget* window) {
        child<QComboBox>(window, "EnvelopeSizeList")->setCurrentIndex(15);
        clickButton(window, "OKButton");
    });
    EXPECT_EQ(choose.exec(), 1);
    EXPECT_EQ(choose.ChosenCode(), 38);

    TChooseEnvelopeLayout cancelled(20);
    whenModalNamed("ChooseEnvelopeLayout", [](QWidget* window) { clickButton(window, "CancelButton"); });
    EXPECT_EQ(cancelled.exec(), 2);
}

} // namespace
} // namespace labels_gui
