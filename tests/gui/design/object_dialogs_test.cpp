// "Select Field" and "Symbol Selector" opened from the objects' menus and
// answered as a user would, and the choices behind them.

#include "design/dialogs/symbol_choice.h"
#include "design/model/data_label.h"
#include "design/model/dialog_font.h"
#include "design/model/memo_label.h"
#include "design/model/text_labels.h"
#include "object_menu_fixture.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace design;

namespace object_menu_test {

namespace {

QStringList Entries(const QListWidget& list)
{
    QStringList entries;
    for (int row = 0; row < list.count(); ++row)
        entries.append(list.item(row)->text());
    return entries;
}

void Press(QDialog& dialog, const char* button)
{
    auto* found = dialog.findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(found, nullptr) << button;
    found->click();
}

TEST_F(ObjectMenuTest, SelectFieldListsVisibleCharacterFieldsAndBindsTheChoice)
{
    panel.SetDisplayDataValues(true);
    auto* field = Place<TGPDLabel>(QRect(40, 40, 120, 30));
    field->SetDataFieldDescript(QStringLiteral("First Name"));
    QStringList shown;
    QString preselected;
    WhenModal([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Field"));
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("FieldList"));
        ASSERT_NE(list, nullptr);
        shown = Entries(*list);
        preselected = list->currentItem()->text();
        Press(dialog, "HelpButton");
        list->setCurrentRow(2);
        Press(dialog, "OKButton");
    });
    const int before = changes;
    Choose(*field, "mnuField");
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Last Name"), QStringLiteral("First Name"),
                                  QStringLiteral("ZIP Code")}));
    EXPECT_EQ(preselected, QStringLiteral("First Name"));
    EXPECT_EQ(field->DataFieldName(), QStringLiteral("ZIP"));
    EXPECT_EQ(field->DataFieldDescript(), QStringLiteral("ZIP Code"));
    EXPECT_EQ(field->Caption(), QStringLiteral("12345")); // the surface showed the record afresh
    EXPECT_GT(changes, before);
    EXPECT_EQ(ui.help.opened(), QList<int>{40007});
}

TEST_F(ObjectMenuTest, SelectFieldCancelledKeepsTheFieldButShowsTheRecord)
{
    panel.SetDisplayDataValues(true);
    auto* field = Place<TGPDLabel>(QRect(40, 40, 120, 30));
    field->SetDataFieldName(QStringLiteral("LNAME"));
    field->SetDataFieldDescript(QStringLiteral("Last Name"));
    field->SetCaption(QStringLiteral("stale"));
    WhenModal([&](QDialog& dialog) {
        dialog.findChild<QListWidget*>(QStringLiteral("FieldList"))->setCurrentRow(1);
        Press(dialog, "CancelButton");
    });
    const int before = changes;
    Choose(*field, "mnuField");
    EXPECT_EQ(field->DataFieldName(), QStringLiteral("LNAME"));
    EXPECT_EQ(field->Caption(), QStringLiteral("Smith"));
    EXPECT_EQ(changes, before);
}

TEST_F(ObjectMenuTest, MemoFieldListsEveryMemoField)
{
    auto* memo = Place<TGDMultiLineLabel>(QRect(40, 40, 150, 60));
    memo->SetDataFieldDescript(QStringLiteral("nothing like it"));
    QStringList shown;
    int preselected = -1;
    WhenModal([&](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("FieldList"));
        shown = Entries(*list);
        preselected = list->currentRow();
        list->setCurrentRow(1);
        Press(dialog, "OKButton");
    });
    Choose(*memo, "mnuMemoField");
    // Tag and visibility do not keep a memo out.
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Notes"), QStringLiteral("Remarks")}));
    EXPECT_EQ(preselected, 0);
    EXPECT_EQ(memo->DataFieldName(), QStringLiteral("MEMO2"));
    EXPECT_EQ(memo->Items(), QStringList{QStringLiteral("[Remarks]")});
}

TEST_F(ObjectMenuTest, SymbolSelectorShowsTheFontAndSetsTheChosenCharacter)
{
    auto* symbol = Place<TGSymbolLabel>(QRect(40, 40, 30, 30));
    int columnsBefore = 0;
    int preselected = -1;
    QString captionBefore;
    int columnsAfter = 0;
    QString captionAfter;
    QFont chosen(QStringLiteral("Arial"), 12);
    chosen.setBold(true);
    chosen.setItalic(true);
    ui.dialogs.setNextFont(chosen);
    WhenModal([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Symbol Selector"));
        auto* grid = dialog.findChild<QTableWidget*>(QStringLiteral("SymbolGrid"));
        auto* font = dialog.findChild<QPushButton*>(QStringLiteral("FontButton"));
        ASSERT_NE(grid, nullptr);
        ASSERT_NE(font, nullptr);
        columnsBefore = grid->columnCount();
        preselected = grid->currentRow() * grid->columnCount() + grid->currentColumn();
        captionBefore = font->text();
        font->click();
        columnsAfter = grid->columnCount();
        captionAfter = font->text();
        // 'A' (65) is entry 33.
        grid->setCurrentCell(33 / columnsAfter, 33 % columnsAfter);
        Press(dialog, "HelpButton");
        Press(dialog, "OKButton");
    });
    const int before = changes;
    Choose(*symbol, "mnuSymbolSelector");
    EXPECT_EQ(columnsBefore, 8); // 24 points
    EXPECT_EQ(preselected, '[' - 32);
    EXPECT_EQ(captionBefore, QStringLiteral("WingDings, 24pt "));
    EXPECT_EQ(columnsAfter, 10); // 12 points
    EXPECT_EQ(captionAfter, QStringLiteral("Arial, 12pt Italic "));
    EXPECT_EQ(symbol->Caption(), QStringLiteral("A"));
    EXPECT_EQ(symbol->Font().Name, QStringLiteral("Arial"));
    EXPECT_TRUE(symbol->Font().Style.Has(TFontStyle::fsBold));
    EXPECT_GT(changes, before);
    EXPECT_EQ(ui.help.opened(), QList<int>{40005});
}

TEST_F(ObjectMenuTest, SymbolSelectorCancelledChangesNothing)
{
    auto* symbol = Place<TGSymbolLabel>(QRect(40, 40, 30, 30));
    const TGFont font = symbol->Font();
    ui.dialogs.setNextFont(QFont(QStringLiteral("Arial"), 40));
    WhenModal([&](QDialog& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("FontButton"))->click();
        Press(dialog, "CancelButton");
    });
    Choose(*symbol, "mnuSymbolSelector");
    EXPECT_EQ(symbol->Caption(), QStringLiteral("["));
    EXPECT_EQ(symbol->Font(), font);
}

TEST(SymbolChoice, ColumnsFollowThePointSize)
{
    const std::pair<int, int> cases[] = {{5, 1},  {6, 14}, {10, 14}, {11, 10}, {20, 10}, {21, 8}, {30, 8},
                                         {31, 6}, {40, 6}, {41, 4},  {50, 4},  {51, 3},  {60, 3}, {61, 2},
                                         {72, 2}, {73, 1}, {0, 1},   {-4, 1}};
    for (const auto& [points, columns] : cases)
        EXPECT_EQ(SymbolColumns(points), columns) << points;
}

TEST(SymbolChoice, CaptionsMapToEntriesAndBack)
{
    const std::pair<QString, int> cases[] = {
        {QStringLiteral("["), 59},
        {QStringLiteral(" "), 0},
        {QString(QChar(0x00FF)), 223},   // the last code
        {QString(QChar(0x20AC)), 0x80 - 32}, // the euro sign is code 128
        {QString(), 0},                  // an empty caption from a file
        {QString(QChar(0x0007)), 0},     // below the list
        {QString(QChar(0x4E00)), 0},     // not a Windows-1252 character
    };
    for (const auto& [caption, index] : cases)
        EXPECT_EQ(SymbolIndexOfCaption(caption), index) << caption.toStdString();
    EXPECT_EQ(SymbolOfIndex(33), QStringLiteral("A"));
    EXPECT_EQ(SymbolOfIndex(0x80 - 32), QString(QChar(0x20AC)));
}

TEST(SymbolChoice, FontCaptionNamesSizeAndOneStyle)
{
    struct Case {
        bool bold;
        bool italic;
        const char* expected;
    };
    const Case cases[] = {{false, false, "Symbol, 9pt "},
                          {true, false, "Symbol, 9pt Bold "},
                          {false, true, "Symbol, 9pt Italic "},
                          {true, true, "Symbol, 9pt Italic "}};
    for (const Case& c : cases)
        EXPECT_EQ(SymbolFontCaption(QStringLiteral("Symbol"), 9, c.bold, c.italic), QString::fromLatin1(c.expected));
}

TEST(FieldChoice, LastFieldWithTheLabelWinsAndAnEmptyListPreselectsNothing)
{
    const std::vector<TGDataField> fields = {
        {QStringLiteral("CITY"), QStringLiteral("Town"), 'C', 0, true},
        {QStringLiteral("TOWN"), QStringLiteral("Town"), 'C', 0, true},
    };
    ASSERT_TRUE(FieldForLabel(fields, QStringLiteral("Town")));
    EXPECT_EQ(FieldForLabel(fields, QStringLiteral("Town"))->Name, QStringLiteral("TOWN"));
    EXPECT_FALSE(FieldForLabel(fields, QStringLiteral("town"))); // labels match exactly
    EXPECT_FALSE(PreselectedField({}, QStringLiteral("Town")));
    EXPECT_EQ(PreselectedField({QStringLiteral("A"), QStringLiteral("B")}, QStringLiteral("B")), 1);
    EXPECT_EQ(PreselectedField({QStringLiteral("A"), QStringLiteral("B")}, QStringLiteral("C")), 0);
}

TEST(DialogFont, PointSizesAndStylesSurviveTheRoundTrip)
{
    const int ppiCases[] = {96, 120};
    for (const int ppi : ppiCases) {
        TGFont font = TGFont::Make(QStringLiteral("Arial"), 13, ppi, ColorValue(0x0000FF00));
        font.Style = font.Style.With(TFontStyle::fsItalic).With(TFontStyle::fsUnderline);
        font.Pitch = TFontPitch::fpFixed;
        const QFont dialog = DialogFont(font, ppi);
        EXPECT_EQ(dialog.pointSize(), 13);
        EXPECT_TRUE(dialog.italic());
        EXPECT_EQ(DesignFontFrom(dialog, ppi, font), font) << ppi;
    }
}

} // namespace

} // namespace object_menu_test
