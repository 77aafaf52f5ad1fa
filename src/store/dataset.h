#pragma once

#include "store/dataset_fields.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace xbase {
class TApollo;
}

namespace quorvel {

// What a dataset is doing: closed, showing records, changing the current
// record, or filling in a new one.
enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

// A table as the windows see it: the fields it declares, the current record,
// the edit and insert states, and change notifications for the controls
// bound to it. It works through one engine component (TApollo), which it
// does not own; the engine keeps the position, the order and the query.
//
// Values are QStrings, converted from and to the table's Windows-1252 bytes
// at this boundary. Character values are read with trailing blanks removed;
// logical fields read "T" or "F" as text.
//
// Changes are kept in the dataset until Post, and only then reach the
// engine: a cancelled insert leaves no record in the file, a cancelled edit
// leaves the record as it was. When Post returns true the record and its
// memo are on disk.
//
// Operations that can fail return false and leave the reason in
// lastError(); nothing throws. Moving while editing posts first, as in
// every xBase program; a move whose post fails does not move.
//
// Notifications come in two kinds:
//  - for the bound controls (the data source): stateChanged, recordChanged,
//    fieldChanged. DisableControls/EnableControls nest; while any
//    DisableControls is outstanding none of these is emitted, and the last
//    EnableControls emits stateChanged and recordChanged once so that the
//    controls catch up.
//  - events for the window that owns the dataset: afterOpen, afterClose,
//    afterScroll, afterPost, afterCancel, afterDelete. These are emitted
//    whether or not the controls are disabled (the main window keeps its own
//    switch for reacting to them).
class TDataset : public QObject {
    Q_OBJECT
public:
    explicit TDataset(xbase::TApollo& engine, QObject* parent = nullptr);
    ~TDataset() override;

    xbase::TApollo& engine() { return engine_; }

    // ---- Declared fields ----------------------------------------------
    // The stored fields this dataset expects of its table, and the computed
    // ones it adds. A table that lacks a declared stored field does not
    // open; fields the dataset does not declare are still readable by name.
    void setStoredFields(std::vector<TFieldDef> fields);
    const std::vector<TFieldDef>& storedFields() const { return stored_; }
    // Computed fields are worked out by `calculator` from the current
    // values whenever one is read; they cannot be written.
    void setCalculatedFields(std::vector<TFieldDef> fields, TCalcFieldsFunction calculator);
    const std::vector<TFieldDef>& calculatedFields() const { return calculated_; }
    // Stored first, then computed, in declaration order.
    std::vector<TFieldDef> fieldDefs() const;
    // The declared field of that name (any letter case), or null.
    const TFieldDef* findFieldDef(QStringView name) const;
    // Takes over a width (Open does this from the file for every declared
    // stored field).
    void setFieldWidth(QStringView name, int width);

    // ---- Where the table is ---------------------------------------------
    // The folder, always kept with a trailing "/", and the file name.
    void setDatabaseName(const QString& folder);
    const QString& databaseName() const { return folder_; }
    void setTableName(const QString& fileName);
    const QString& tableName() const { return tableName_; }
    QString filePath() const { return folder_ + tableName_; }
    // The order to select at open ("" for record number order).
    void setIndexName(const QString& tagName) { indexName_ = tagName; }
    const QString& indexName() const { return indexName_; }

    // ---- Opening and closing ------------------------------------------
    // Address files and system tables are opened exclusively; a shared open
    // lets other programs and users work on the table at the same time, each
    // post then taking the record's lock.
    void setExclusive(bool exclusive) { exclusive_ = exclusive; }
    bool exclusive() const { return exclusive_; }
    // Opens the table (exclusively unless told otherwise), takes over the widths of the declared
    // stored fields, selects indexName() and goes to the first record.
    bool Open();
    // Cancels a pending edit or insert, then closes.
    void Close();
    bool Active() const { return state_ != TDataSetState::dsInactive; }
    TDataSetState State() const { return state_; }
    bool isEditing() const { return state_ == TDataSetState::dsEdit || state_ == TDataSetState::dsInsert; }

    // ---- Moving (within the current order and query) ---------------------
    bool First();
    bool Last();
    // At the last record Next stays there and sets Eof; at the first Prior
    // stays there and sets Bof.
    bool Next();
    bool Prior();
    // Moves `count` records (negative: backwards); false when it ran past
    // either end (the dataset then stays on the first or last record).
    bool MoveBy(long count);
    // The current record's number in the file; 0 when there is none.
    std::uint32_t RecNo() const;
    // Makes that record current, as the engine's go does, whether or not
    // the query selects it (a remembered record is returned to even after
    // an edit took it out of the filter); false, position unchanged, when
    // it does not exist.
    bool GoTo(std::uint32_t recno);
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    // No record to show: the file, or the query's selection, is empty.
    bool IsEmpty() const;
    // Re-reads the current record from the engine (after another component
    // changed the position or the query) and tells the controls.
    void Resync();

    // Seeks `key` in the current order (the engine's exact setting applies).
    // On a match the found record becomes current; otherwise the current
    // record stays as it was. A key Windows-1252 cannot hold finds nothing.
    bool Seek(const QString& key);

    // A remembered place: the record number.
    std::uint32_t GetBookmark() const { return RecNo(); }
    bool GotoBookmark(std::uint32_t bookmark) { return GoTo(bookmark); }

    // ---- Changing records ----------------------------------------------
    bool Edit();
    // A new, blank record; nothing reaches the file before Post.
    bool Insert();
    bool Post();
    void Cancel();
    // Sets the current record's deletion flag (at once, durably). The
    // record stays current until the next move.
    bool Delete();

    // ---- Field values --------------------------------------------------
    // Stored (declared or not) and computed fields by name, any letter case.
    // Empty when the field does not exist or no record is current.
    QString FieldAsString(QStringView name) const;
    // Logical fields and the computed "Yes"/"No" fields.
    bool FieldAsBoolean(QStringView name) const;
    // Needs the edit or insert state. Refused (false, lastError()) for a
    // character Windows-1252 cannot hold, a value longer than the field, a
    // computed or unknown field.
    bool SetFieldAsString(QStringView name, const QString& value);
    bool SetFieldAsBoolean(QStringView name, bool value);
    // The memo of the current record (or as changed in the edit).
    QString MemoText(QStringView name) const;
    // Needs the edit or insert state; refused like SetFieldAsString.
    bool SetMemoText(QStringView name, const QString& text);
    // Width of a stored field as the open file has it (0 when unknown).
    int FieldWidth(QStringView name) const;

    // ---- Orders and the query --------------------------------------------
    // Selects the tag by name (any letter case); "" selects record number
    // order. The current record stays current.
    bool SetOrder(const QString& tagName);
    QString Order() const;
    // Sets the engine query ("" clears it) and goes to the first record it
    // selects.
    bool SetQuery(const QString& expression);
    QString Query() const;
    // How many records the query selects (all records without a query).
    std::uint32_t QueryRecCount();

    // ---- Controls --------------------------------------------------------
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }

    const QString& lastError() const { return lastError_; }

signals:
    void stateChanged();
    void recordChanged();
    void fieldChanged(const QString& fieldName);

    void afterOpen();
    void afterClose();
    void afterScroll();
    void afterPost();
    void afterCancel();
    void afterDelete();

private:
    bool fail(const QString& message);
    bool failFromEngine(const QString& action);
    void setState(TDataSetState state);
    void notifyState();
    void notifyRecord();
    void notifyField(const QString& name);
    bool checkBrowseMode();
    bool checkFieldsPresent();
    bool selectOrderAtOpen();
    void takeOverWidths();
    bool afterMove();
    bool storeChanges();
    bool replaceChangedFields();
    void takeBackFromEngine();
    void clearChanges();
    char engineFieldType(QStringView name) const;
    const TFieldDef* calculatedDef(QStringView name) const;
    QByteArray storedBytes(QStringView name) const;
    std::optional<QByteArray> logicalText(const QString& value);
    std::optional<QByteArray> characterBytes(QStringView name, const QString& value);

    xbase::TApollo& engine_;
    std::vector<TFieldDef> stored_;
    std::vector<TFieldDef> calculated_;
    TCalcFieldsFunction calculator_;
    QString folder_;
    QString tableName_;
    QString indexName_;
    bool exclusive_ = true;
    TDataSetState state_ = TDataSetState::dsInactive;
    bool bof_ = true;
    bool eof_ = true;
    int disableCount_ = 0;
    std::uint32_t editRecNo_ = 0;
    std::uint32_t insertReturn_ = 0; // the record current when Insert began
    // Changed values of the edit or insert in progress, by upper-case field
    // name, as Windows-1252 bytes.
    std::map<QString, QByteArray> changes_;
    std::map<QString, QByteArray> memoChanges_;
    QString lastError_;
};

} // namespace quorvel
