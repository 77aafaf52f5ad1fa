#pragma once

#include "app/button_rules.h"
#include "app/main_window_controls.h"
#include "store/address_dataset.h"
#include "store/filter_state.h"
#include "store/home_folder.h"
#include "store/preferences.h"
#include "store/settings.h"
#include "xbase/apollo.h"

#include <QDate>
#include <QMainWindow>

#include <functional>

namespace quorvel {

class TMainMenu;
enum class TMemoSearchStart;
struct TFilterOutcome;

// The values carried from the record that was current when adding started.
struct TCarriedValues {
    QString org, street, street2, city, state, zip, country;
};

// The program's main window: one address record at a time, the commands
// that change it, and the hub from which every other window starts. It owns
// the open address file (TableQVW over Apollo1).
class TAddressMain : public QMainWindow {
    Q_OBJECT
public:
    // The home folder given, or the user's own.
    explicit TAddressMain(const QString& homeRoot, QWidget* parent = nullptr);
    explicit TAddressMain(QWidget* parent = nullptr);
    ~TAddressMain() override;

    // For the windows this one opens, and for tests.
    TAddressDataset& dataset() { return TableQVW; }
    xbase::TApollo& engine() { return Apollo1; }
    const THomeFolder& home() const { return home_; }
    TSettings& settings() { return settings_; }
    // The open address file, empty when none.
    const QString& currentPath() const { return currentPath_; }
    const QString& currentOrderName() const { return currentOrderName_; }
    // True once the first activation has run (the first file is open).
    bool started() const { return !firstActivation_; }
    // Today, as the window sees it (tests set a fixed day).
    void setClock(std::function<QDate()> today) { today_ = std::move(today); }

    // Record commands (buttons, menu items and keys lead here).
    void FirstRecord();
    void PriorRecord();
    void NextRecord();
    void LastRecord();
    void AddButtonClick();
    void EditButtonClick();
    void SaveButtonClick();
    void CancelButtonClick();
    void DeleteButtonClick();
    void CloneMenuClick();
    void CopyToClipboardClick();
    void DateButtonClick();

    // File commands.
    void NewFileMenuClick();
    void OpenFileMenuClick();
    void MRUItemClick(const QString& path);
    void PreferencesMenuClick();
    bool OpenQVWDBF(const QString& path);

    // Filters and tags (main_window_filter.cpp, main_window_tags.cpp).
    void SetFilterClick();
    void ClearFilterClick();
    void SaveFilterClick();
    void RestoreFilterClick();
    void ClearTagsClick();
    void TagAllClick();
    void ToggleTag();

    // Search and browse (main_window_search.cpp, main_window_browse.cpp).
    void SearchClick();
    void SearchMemoClick();
    void FindNextClick();
    void BrowseClick();

    // Index maintenance (main_window_maintenance.cpp).
    void RebuildIndexesClick();
    void RebuildSystemIndexesClick();

    // Whether table events update the window. Windows the address file is
    // handed to switch them off; switching them on again shows the record
    // as it now is (main_window_maintenance.cpp).
    bool eventReactions() const { return eventReactions_; }
    void setEventReactions(bool on);

    // Orders.
    void SetOrderTo(const QString& orderName);
    // A "&Sort" item's caption ("&Last Name").
    void SetMenuOrder(const QString& caption);
    void SetCurrentOrder(const QString& tagName);

    // Recomputes every enabled and visible state and the filter status.
    void SetButtons();
    // Makes the filter the table's query ("!ISDEL" without one) and shows
    // the first record it selects; the number selected, 0 when the filter
    // was dropped or none is set.
    quint32 ApplyFilter();
    // Whether a filter is set, and what it was built from.
    bool filterSet() const { return filter_.isSet(); }
    TFilterState& filterState() { return filter_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Set-up (main_window.cpp)
    void bindControls();
    void connectControls();
    void connectDataset();
    TRecordWindowFacts facts();
    void applyStates(const TButtonStates& states);
    void refreshFilterStatus();
    // ApplyFilter, telling also why a filter was refused (already shown).
    TFilterOutcome runFilter();
    void focusLastNameWhileEditing();

    // First activation (main_window_startup.cpp)
    void FormActivate();
    bool openFirstFile();

    // Record events
    void TableQVWAfterScroll();
    void TableQVWAfterPost();
    void reloadMemo();
    bool moveTo(bool (TDataset::*step)());
    bool storeMemo();
    void setRecordDate(const QString& stored);
    bool ensureEditing();

    // Adding (main_window_adding.cpp)
    void takeCarriedValues();
    bool askNewRecord(QString& lastName, QString& firstName, QString& zip);
    bool CheckDupName(const QString& firstName, const QString& lastName);
    bool FillCityState(const QString& zip, QString& city, QString& state);
    void fillNewRecord(const QString& lastName, const QString& firstName, const QString& zip, const QString& city,
                       const QString& state);
    void setNewField(const QString& field, const QString& value);
    void focusFirstNewRecordBox();
    void SetSkipFields(bool skipping);
    QList<QWidget*> skippedControls() const;

    // Keyboard (main_window_keyboard.cpp)
    bool handleKey(QObject* watched, QKeyEvent* event);
    bool handleEditingKey(QKeyEvent* event);
    bool handleBrowsingKey(QKeyEvent* event);
    void SaveAndAskForAnother();
    bool startEditFromMemo();

    // Memo search (main_window_search.cpp)
    void findInMemos(TMemoSearchStart start);

    // Orders (main_window_sort.cpp)
    void showOrder(const QString& orderName);
    void clearOrder();

    // Files (main_window_files.cpp)
    void OnOpenQVWFile(bool open);
    bool rebuildIndexes(const QString& notice = QString());
    bool createAddressFile(const QString& path, const TNewFileFieldLengths& lengths);
    void showMessages(const QStringList& messages);
    void UpdateMRUList(const QString& path);
    void UpdateMenuMRUList();
    void CheckCloseAndOpen();
    bool reopenCurrentFile();

    THomeFolder home_;
    TSettings settings_;
    xbase::TApolloEnv& ApolloEnv1;
    xbase::TApollo Apollo1;
    TAddressDataset TableQVW;
    TMainControls controls_;
    TMainMenu* menu_ = nullptr; // a child of the window
    std::function<QDate()> today_;

    QString currentPath_;
    QString currentOrderName_;
    TFilterState filter_;
    QString filterFolder_; // of the last filter file saved or restored
    bool firstActivation_ = true;
    bool startupQueued_ = false;
    bool eventReactions_ = false;
    bool loadingRecordArea_ = false;
    bool skipping_ = false;
    bool insertToggle_ = false;
    int saveCounter_ = 0;
    bool memoFound_ = false;
    QString memoSearchText_;
    TCarriedValues carried_;
    TProgramPreferences preferences_;
};

} // namespace quorvel
