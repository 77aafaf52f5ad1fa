#pragma once

#include "design/file/stream_value.h"

#include <QString>

#include <optional>
#include <vector>

namespace design {

// The settings list that a report design file carries after its three
// object lists: plain integers, Booleans and strings whose meaning belongs
// to the report designer.
using TGReportData = std::vector<TGStreamValue>;

// Builds the list value by value.
class TGReportDataBuilder {
public:
    void AddInteger(std::int32_t value);
    void AddBoolean(bool value);
    // False (and nothing added) when the text holds a character that a
    // design file cannot store.
    bool AddString(const QString& text);

    const TGReportData& Data() const { return data_; }

private:
    TGReportData data_;
};

// Takes the list apart value by value. A read gives nothing, and consumes
// nothing, when the list is exhausted or the next value is of another type;
// the caller then reports the file as damaged.
class TGReportDataCursor {
public:
    explicit TGReportDataCursor(const TGReportData& data) : data_(data) {}

    bool AtEnd() const { return next_ >= data_.size(); }
    std::optional<std::int32_t> ReadInteger();
    std::optional<bool> ReadBoolean();
    std::optional<QString> ReadString();

private:
    const TGStreamValue* Peek(TGStreamValue::Kind kind) const;

    const TGReportData& data_;
    std::size_t next_ = 0;
};

} // namespace design
