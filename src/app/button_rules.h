#pragma once

#include <QString>

#include <optional>

namespace quorvel {

// What the main window's controls depend on.
struct TRecordWindowFacts {
    bool open = false;      // an address file is open
    bool editing = false;   // the record is being edited or entered
    bool onRecord = false;  // positioned on a record (not on an empty file or filter)
    bool filterSet = false; // the filter expression is not empty
};

// Which controls are enabled or shown. Names say what a group covers; the
// window maps each group onto its buttons and menu items.
struct TButtonStates {
    // "Ed&it", rebuild indexes, the import items, "Clear &Tags", "&Restore Filter".
    bool needsOpenFile = false;
    // "Search", "&Edit", "&Delete", "Browse", the print buttons, the "&Sort",
    // "&Print" and "&Utilities" menus, "&Export ", clone, copy to clipboard.
    bool needsRecord = false;
    // The four record buttons, the dial buttons and "Search &Memo".
    bool recordButtonsVisible = false;
    bool addEnabled = false;
    // "&Save" and "&Cancel": shown and enabled exactly while editing.
    bool saveCancelShown = false;
    // "&Add", "&Edit", "&Delete" and "E&xit": shown exactly while not editing.
    bool idleButtonsShown = false;
    // "Find &Next" shows while not editing and the last memo search found a record.
    bool findNextAllowed = false;
    // "&File" with its "E&xit ".
    bool fileMenuEnabled = false;
    bool recordMenuEnabled = false;
    bool clearFilterVisible = false;
    bool clearFilterEnabled = false;
    // "&Save Filter", "&Clear Filter" and "&Tag All Filter Matches".
    bool filterCommandsEnabled = false;
    // "Filter" and "Set &Filter".
    bool setFilterEnabled = false;

    bool operator==(const TButtonStates&) const = default;
};

// The rules of the main window's buttons and menus.
TButtonStates buttonStates(const TRecordWindowFacts& facts);

// The status line's filter text, or nothing when it is hidden (no file open).
std::optional<QString> filterStatusText(bool open, bool filterSet, quint32 matching);

} // namespace quorvel
