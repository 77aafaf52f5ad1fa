#include "design/file/report_data.h"

#include "design/model/windows1252.h"

namespace design {

void TGReportDataBuilder::AddInteger(std::int32_t value) { data_.push_back(TGStreamValue::Integer(value)); }

void TGReportDataBuilder::AddBoolean(bool value) { data_.push_back(TGStreamValue::Boolean(value)); }

bool TGReportDataBuilder::AddString(const QString& text)
{
    auto bytes = toWindows1252(text);
    if (!bytes)
        return false;
    data_.push_back(TGStreamValue::String(std::move(*bytes)));
    return true;
}

const TGStreamValue* TGReportDataCursor::Peek(TGStreamValue::Kind kind) const
{
    if (AtEnd() || data_[next_].kind != kind)
        return nullptr;
    return &data_[next_];
}

std::optional<std::int32_t> TGReportDataCursor::ReadInteger()
{
    const TGStreamValue* value = Peek(TGStreamValue::Kind::Integer);
    if (!value)
        return std::nullopt;
    ++next_;
    return value->integer;
}

std::optional<bool> TGReportDataCursor::ReadBoolean()
{
    const TGStreamValue* value = Peek(TGStreamValue::Kind::Boolean);
    if (!value)
        return std::nullopt;
    ++next_;
    return value->boolean;
}

std::optional<QString> TGReportDataCursor::ReadString()
{
    const TGStreamValue* value = Peek(TGStreamValue::Kind::String);
    if (!value)
        return std::nullopt;
    ++next_;
    return fromWindows1252(value->bytes);
}

} // namespace design
