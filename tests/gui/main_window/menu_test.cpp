// The menu bar: its items in order with their captions and shortcuts, which
// of them work in each state of the window, and the items that open help,
// the web site and the About box.
#include "app/about_box.h"
#include "app/main_menu.h"
#include "main_window_fixture.h"
#include "store/address_layout.h"
#include "store/filter_state.h"
#include "ui/scripted_help.h"

#include <QAbstractButton>
#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>

namespace quorvel::testing {
namespace {

struct TMenuItemCase {
    const char* caption;
    const char* shortcut; // portable text, "" for none
};

struct TMenuCase {
    const char* caption;
    std::vector<TMenuItemCase> items; // separators and recent files left out
};

// Every menu of the bar, in order, with every item in order.
const TMenuCase kMenus[] = {
    { "&File",
        { { "&New Address Database", "" }, { "&Open Address DataBase", "" }, { "&Browse", "Ctrl+B" },
            { "&Search", "Ctrl+S" }, { "&Import", "" }, { "&Export ", "" }, { "Set &Filter", "Ctrl+F" },
            { "&Clear Filter", "" }, { "&Save Filter", "" }, { "&Restore Filter", "" }, { "Clear &Tags", "" },
            { "&Tag All Filter Matches", "" }, { "&Rebuild Indexes for this file", "" },
            { "Rebuild S&ystem File indexes", "" }, { "Pre&ferences", "" }, { "E&xit ", "" } } },
    { "Ed&it", { { "&Undo typing", "Ctrl+Z" }, { "Cu&t", "Ctrl+X" }, { "&Copy", "Ctrl+C" }, { "&Paste", "Ctrl+V" } } },
    { "&Record",
        { { "&First", "Ctrl+Up" }, { "&Previous", "Ctrl+Left" }, { "&Next", "Ctrl+Right" }, { "&Last", "Ctrl+Down" },
            { "&Add", "" }, { "&Edit", "" }, { "&Delete", "" }, { "Copy To &Clipboard", "" },
            { "Create a Duplicate &Record (Clone)", "" } } },
    { "&Sort", {} }, // the orders of the address file, below
    { "&Utilities",
        { { "Count &Zip Codes", "" }, { "Check && Repair &State and Zip Codes", "" }, { "Con&vert Case", "" },
            { "Delete &Records", "" }, { "&Search && Replace Field Values", "" },
            { "Check && Repair &Duplicates", "" } } },
    { "&Print",
        { { "Print &Labels", "Ctrl+L" }, { "Print Le&tters", "Ctrl+T" }, { "Print &Envelopes", "Ctrl+E" },
            { "Print &Reports", "Ctrl+R" }, { "Print C&urrent Record", "Ctrl+P" } } },
    { "Online", { { " Visit Our Internet Website", "" } } },
    { "&Help",
        { { "&Contents", "" }, { "&Getting Started", "" }, { "&About...", "" }, { "Search for Help On", "" },
            { "How to Use Help", "" } } },
};

QList<QAction*> itemsOf(QMenu* menu)
{
    QList<QAction*> items;
    for (QAction* item : menu->actions()) {
        if (!item->isSeparator() && !item->objectName().startsWith(QStringLiteral("mnuRecent")))
            items.append(item);
    }
    return items;
}

class MenuTest : public MainWindowTest {
protected:
    QMenuBar* bar() const { return main().menuBar(); }
    TAddressMain& main() const { return *window; }
    bool itemEnabled(const char* name) const { return control<QAction>(QString::fromLatin1(name))->isEnabled(); }

    void addThreeRecords()
    {
        for (const char* name : { "Baker", "Clark", "Adams" })
            addRecord({ { QStringLiteral("LNAME"), QString::fromLatin1(name) },
                { QStringLiteral("CITY"), QStringLiteral("Boston") } });
        ui.messages.clear();
    }
};

TEST_F(MenuTest, EveryMenuHasItsItemsInOrderWithTheirShortcuts)
{
    start();
    const QList<QAction*> menus = bar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(std::size(kMenus)));
    for (std::size_t m = 0; m < std::size(kMenus); ++m) {
        const TMenuCase& expected = kMenus[m];
        SCOPED_TRACE(expected.caption);
        EXPECT_EQ(menus[static_cast<qsizetype>(m)]->text(), QString::fromLatin1(expected.caption));
        std::vector<TMenuItemCase> wanted = expected.items;
        if (wanted.empty()) {
            for (const TSortOrder& order : addressSortOrders())
                wanted.push_back({ order.caption.data(), "" });
        }
        const QList<QAction*> items = itemsOf(menus[static_cast<qsizetype>(m)]->menu());
        ASSERT_EQ(items.size(), static_cast<qsizetype>(wanted.size()));
        for (std::size_t i = 0; i < wanted.size(); ++i) {
            const QAction* item = items[static_cast<qsizetype>(i)];
            EXPECT_EQ(item->text(), QString::fromLatin1(wanted[i].caption));
            EXPECT_EQ(item->shortcut().toString(QKeySequence::PortableText), QString::fromLatin1(wanted[i].shortcut))
                << wanted[i].caption;
            EXPECT_FALSE(item->objectName().isEmpty()) << wanted[i].caption;
        }
    }
}

TEST_F(MenuTest, ImportSubmenuAndRecentFilesFollowExit)
{
    start();
    const QList<QAction*> imports = itemsOf(control<QMenu>(QStringLiteral("mnuImport")));
    QStringList captions;
    for (const QAction* item : imports)
        captions.append(item->text());
    EXPECT_EQ(captions,
        (QStringList { QStringLiteral("Import from &DBF File"), QStringLiteral("Import from &ASCII File"),
            QStringLiteral("Import from Quorvel 1.x DBF"), QStringLiteral("Import from Quorvel 2.x DBF") }));
    const QList<QAction*> file = itemsOf(control<QMenu>(QStringLiteral("mnuFile")));
    const QList<QAction*> all = control<QMenu>(QStringLiteral("mnuFile"))->actions();
    const qsizetype exit = all.indexOf(file.last());
    ASSERT_GE(exit, 0);
    const auto recent = std::find_if(
        all.begin(), all.end(), [](QAction* a) { return a->objectName() == QStringLiteral("mnuRecent1"); });
    ASSERT_NE(recent, all.end());
    EXPECT_GT(recent - all.begin(), exit);
    EXPECT_TRUE((*recent)->text().endsWith(QStringLiteral("add0001.DBF"), Qt::CaseInsensitive));
}

struct TStateCase {
    const char* item;
    bool noFile, emptyFile, browsing, editing;
};

// Which items work in which state. Items whose windows the program does
// not have yet stay disabled everywhere.
const TStateCase kStates[] = {
    // item                       no file empty  browse edit
    { "mnuFileItem", true, true, true, false },
    { "mnuNewFile", true, true, true, true },
    { "mnuExit", true, true, true, false },
    { "mnuRebuildIndexes", false, true, true, true },
    { "mnuRebuildSystemIndexes", true, true, true, true },
    { "mnuRestoreFilter", false, true, true, true },
    { "mnuClearTags", false, true, true, true },
    { "mnuImportItem", false, true, true, true },
    { "mnuSetFilter", false, false, true, false },
    { "mnuClearFilter", false, false, false, false },
    { "mnuSaveFilter", false, false, false, false },
    { "mnuTagAll", false, false, false, false },
    { "mnuEditItem", false, true, true, true },
    { "mnuRecordItem", false, true, true, false },
    { "mnuAdd", false, true, true, false },
    { "mnuClone", false, false, true, false },
    { "mnuSortItem", false, false, true, false },
    { "mnuUtilitiesItem", false, false, true, false },
    { "mnuPrintItem", false, false, true, false },
    { "mnuPrintLabels", false, false, true, false },
    { "mnuExport", false, false, false, false },
    { "mnuImportAscii", false, false, false, false },
    { "mnuCountZip", false, false, true, false },
    { "mnuOnlineItem", true, true, true, true },
    { "mnuHelpItem", true, true, true, true },
    { "mnuAbout", true, true, true, true },
};

TEST_F(MenuTest, ItemsFollowTheWindowState)
{
    start();
    const auto expectColumn = [this](const char* state, bool TStateCase::*column) {
        for (const TStateCase& c : kStates)
            EXPECT_EQ(itemEnabled(c.item), c.*column) << state << ": " << c.item;
    };
    expectColumn("empty file", &TStateCase::emptyFile);
    addThreeRecords();
    expectColumn("browsing", &TStateCase::browsing);
    click("EditButton");
    expectColumn("editing", &TStateCase::editing);
    click("CancelButton");
    QFile garbage(home() + QStringLiteral("garbage.dbf"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(700, '\x5a'));
    garbage.close();
    main().OpenQVWDBF(garbage.fileName());
    ASSERT_FALSE(table().Active());
    expectColumn("no file", &TStateCase::noFile);
}

// Until the program has the window a command hands over to, its items
// and buttons are there to see but do nothing.
TEST_F(MenuTest, CommandsWithoutTheirWindowsStayVisibleAndDisabled)
{
    start();
    addThreeRecords();
    for (const char* name : { "mnuImportDbf", "mnuImportAscii", "mnuImportOlder1", "mnuImportOlder2", "mnuExport",
             "mnuStateZip", "mnuConvertCase", "mnuDeleteRecords", "mnuSearchReplace", "mnuDuplicates",
             "mnuPrintLetters" }) {
        const QAction* item = control<QAction>(QString::fromLatin1(name));
        EXPECT_TRUE(item->isVisible()) << name;
        EXPECT_FALSE(item->isEnabled()) << name;
    }
    for (const char* name : { "LettersButton", "DialPhone1Button", "DialPhone2Button" }) {
        EXPECT_TRUE(visible(name)) << name;
        EXPECT_FALSE(enabled(name)) << name;
    }
}

TEST_F(MenuTest, FilterItemsWorkOnlyWithAFilter)
{
    start();
    addThreeRecords();
    TFilterState& filter = main().filterState();
    filter.value(TFilterBox::fbLName) = QStringLiteral("Clark");
    filter.BuildQueryString(main().dataset().globalTagId());
    main().ApplyFilter();
    main().SetButtons();
    ASSERT_TRUE(main().filterSet());
    for (const char* item : { "mnuSetFilter", "mnuClearFilter", "mnuSaveFilter", "mnuTagAll" })
        EXPECT_TRUE(itemEnabled(item)) << item;
    click("EditButton");
    EXPECT_FALSE(itemEnabled("mnuFileItem"));
}

// Catches the address the desktop would be asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

TEST_F(MenuTest, WebSiteGoesToTheDesktopsBrowser)
{
    start();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    trigger("mnuWebSite");
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(catcher.opened, QList<QUrl> { productWebSite() });
    EXPECT_EQ(productWebSite().scheme(), QStringLiteral("https"));
}

TEST_F(MenuTest, HelpItemsOpenTheirPlacesInHelp)
{
    start();
    const std::pair<const char*, int> cases[] = {
        { "mnuHelpContents", TScriptedHelp::kContents },
        { "mnuHelpSearch", TScriptedHelp::kSearch },
        { "mnuHowToUseHelp", help_context::kHowToUseHelp },
    };
    for (const auto& [item, opened] : cases) {
        trigger(item);
        ASSERT_FALSE(ui.help.opened().isEmpty()) << item;
        EXPECT_EQ(ui.help.opened().last(), opened) << item;
    }
}

TEST_F(MenuTest, AboutBoxNamesTheProgramAndItsVersion)
{
    start();
    QString name, version, title;
    whenModal([&](QWidget* modal) {
        title = modal->windowTitle();
        name = modal->findChild<QLabel*>(QStringLiteral("ProgramNameLabel"))->text();
        version = modal->findChild<QLabel*>(QStringLiteral("VersionLabel"))->text();
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    });
    trigger("mnuAbout");
    EXPECT_TRUE(name.contains(QStringLiteral("Quorvel")));
    EXPECT_TRUE(title.contains(QStringLiteral("Quorvel")));
    EXPECT_EQ(version, TAboutBox::versionText());
    EXPECT_TRUE(version.contains(QRegularExpression(QStringLiteral("\\d+\\.\\d+"))));
}

TEST_F(MenuTest, GettingStartedOpensFromHelp)
{
    start();
    QString title;
    whenModal([&](QWidget* modal) {
        title = modal->windowTitle();
        modal->close();
    });
    trigger("mnuGettingStarted");
    EXPECT_FALSE(title.isEmpty());
}

bool isOwnControl(const QWidget* control)
{
    // Qt's own parts of a tab bar or tool bar are not the window's controls.
    return !control->objectName().startsWith(QStringLiteral("qt_")) && !qobject_cast<QTabBar*>(control->parentWidget());
}

TEST_F(MenuTest, EveryControlOffersWhatsThisOnRightClick)
{
    start();
    QList<QWidget*> controls;
    for (QWidget* control : main().findChildren<QWidget*>()) {
        const bool interactive = qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control)
            || qobject_cast<QPlainTextEdit*>(control);
        if (interactive && isOwnControl(control))
            controls.append(control);
    }
    ASSERT_GT(controls.size(), 30);
    for (const QWidget* control : controls) {
        EXPECT_FALSE(control->whatsThis().isEmpty()) << control->objectName().toStdString();
        EXPECT_EQ(control->contextMenuPolicy(), Qt::CustomContextMenu) << control->objectName().toStdString();
    }
}

} // namespace
} // namespace quorvel::testing

#include "menu_test.moc"
