#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace design {

class TGGraphicControl;

// One field of the data set behind a record source, as the field dialogs
// list it and the record-bound objects find it by its display label.
struct TGDataField {
    QString Name;         // the DBF name, "LNAME"
    QString DisplayLabel; // what the user sees, "Last Name"
    char Type = 'C';      // C, N, L, D or M
    int Tag = 0;          // negative: kept out of the character field list
    bool Visible = true;
};

// The field with exactly this display label; when several have it, the last
// one in field order.
std::optional<TGDataField> FieldForLabel(const std::vector<TGDataField>& fields, const QString& label);

// The current record as the record-bound design objects read it. The
// surfaces implement it over their dataset; tests use an in-memory record.
class TGRecordSource {
public:
    virtual ~TGRecordSource() = default;

    // Every field of the data set, in field order.
    virtual std::vector<TGDataField> DataFields() const = 0;
    // The text of the field with this name (matched without regard to
    // letter case), trailing blanks removed; nothing when the record has no
    // such field.
    virtual std::optional<QString> FieldText(const QString& fieldName) const = 0;
    // The memo text of the current record (lines separated by CR LF or LF);
    // empty when the memo is empty or the field is not a memo.
    virtual QString MemoText(const QString& fieldName) const = 0;

    // The name of the field whose display label equals the text exactly; when
    // several do, the last one in field order.
    std::optional<QString> FieldNameForDisplayLabel(const QString& displayLabel) const;
    // The same among the memo fields, which are listed apart from the others.
    std::optional<QString> MemoFieldForDisplayLabel(const QString& displayLabel) const;
};

// What a surface tells its objects when they refresh from the record: where
// the values come from and whether to show them at all.
struct TGRecordContext {
    const TGRecordSource* Record = nullptr;
    // The design view shows record values instead of "[Field]" placeholders.
    bool DisplayDataValues = false;
    // A print run is under way: values are always shown, placeholders never.
    bool Printing = false;

    bool ShowsValues() const { return Record && (DisplayDataValues || Printing); }
};

// The part of a record-bound object that the surface sets: the context its
// ShowData reads. Surfaces find it on their objects with dynamic_cast.
class TGRecordBinding {
public:
    void SetRecordContext(const TGRecordContext* context) { context_ = context; }
    const TGRecordContext& RecordContext() const;

protected:
    TGRecordBinding() = default;
    ~TGRecordBinding() = default;

private:
    const TGRecordContext* context_ = nullptr;
};

// Binds every record-bound object on the surface to the context.
void BindRecordContext(const std::vector<TGGraphicControl*>& objects, const TGRecordContext* context);

} // namespace design
