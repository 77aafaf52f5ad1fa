#include "text_test_support.h"

namespace design_testing {

TMemoryRecord& TMemoryRecord::Set(const QString& field, const QString& value)
{
    values_.insert(field.toUpper(), value);
    return *this;
}

TMemoryRecord& TMemoryRecord::Label(const QString& displayLabel, const QString& field)
{
    fields_.push_back({field, displayLabel, 'C'});
    return *this;
}

TMemoryRecord& TMemoryRecord::Memo(const QString& displayLabel, const QString& field, const QString& text)
{
    fields_.push_back({field, displayLabel, 'M'});
    memos_.insert(field.toUpper(), text);
    return *this;
}

std::optional<QString> TMemoryRecord::FieldText(const QString& fieldName) const
{
    const auto found = values_.constFind(fieldName.toUpper());
    if (found == values_.constEnd())
        return std::nullopt;
    return *found;
}

QString TMemoryRecord::MemoText(const QString& fieldName) const { return memos_.value(fieldName.toUpper()); }

QStringList Lines(const std::vector<const char*>& lines)
{
    QStringList list;
    for (const char* line : lines)
        list.append(QString::fromUtf8(line));
    return list;
}

TMemoryRecord AnnCole()
{
    TMemoryRecord record;
    const QList<QPair<QString, QString>> fields{
        {QStringLiteral("PREFIX"), QStringLiteral("Dr")},     {QStringLiteral("FNAME"), QStringLiteral("Ann")},
        {QStringLiteral("MIDDLE"), QStringLiteral("B")},      {QStringLiteral("LNAME"), QStringLiteral("Cole")},
        {QStringLiteral("TITLE"), QString()},                 {QStringLiteral("ORG"), QString()},
        {QStringLiteral("STREET"), QStringLiteral("12 Elm St")}, {QStringLiteral("STREET2"), QString()},
        {QStringLiteral("CITY"), QStringLiteral("Springfield")}, {QStringLiteral("STATE"), QStringLiteral("IL")},
        {QStringLiteral("ZIP"), QStringLiteral("62701")},     {QStringLiteral("COUNTRY"), QString()},
        {QStringLiteral("PHONE"), QStringLiteral("555-0100")},
    };
    for (const auto& [name, value] : fields)
        record.Set(name, value);
    return record;
}

} // namespace design_testing
