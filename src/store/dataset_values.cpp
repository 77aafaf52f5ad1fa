// TDataset: reading and changing field values and memos.
#include "store/dataset.h"

#include "store/cp1252.h"
#include "store/dataset_names.h"
#include "xbase/apollo.h"

#include <algorithm>

namespace quorvel {

namespace {

QByteArray withoutTrailingBlanks(QByteArray bytes)
{
    qsizetype end = bytes.size();
    while (end > 0 && bytes.at(end - 1) == ' ')
        --end;
    bytes.truncate(end);
    return bytes;
}

bool isTrueText(QStringView text)
{
    return text == u"T" || text == u"t" || text == u"Y" || text == u"y" || text == u".T." || text == u"Yes";
}

// The spellings of a logical value the engine accepts; "" blanks it.
std::optional<QByteArray> logicalBytes(const QString& value)
{
    static const QStringList falseTexts = {QString(), QStringLiteral("F"), QStringLiteral("f"), QStringLiteral("N"),
                                           QStringLiteral("n"), QStringLiteral(".F."), QStringLiteral("No")};
    if (isTrueText(value))
        return QByteArray("T");
    if (falseTexts.contains(value))
        return QByteArray("F");
    return std::nullopt;
}

} // namespace

char TDataset::engineFieldType(QStringView name) const
{
    if (state_ == TDataSetState::dsInactive)
        return '\0';
    return engine_.sx_FieldType(engineName(name));
}

QString TDataset::FieldAsString(QStringView name) const
{
    if (state_ == TDataSetState::dsInactive)
        return {};
    if (const TFieldDef* calculated = calculatedDef(name))
        return calculator_ ? calculator_(*this, calculated->name) : QString();
    const char type = engineFieldType(name);
    if (type == 'M')
        return MemoText(name);
    if (type == '\0')
        return {};
    const QString text = fromCp1252(withoutTrailingBlanks(storedBytes(name)));
    if (type == 'L')
        return isTrueText(text) ? QStringLiteral("T") : QStringLiteral("F");
    return text;
}

// The bytes of a stored field: the edit's change when there is one, blank
// in a new record, else the engine's current record.
QByteArray TDataset::storedBytes(QStringView name) const
{
    const QString key = name.toString().toUpper();
    if (isEditing()) {
        const auto changed = changes_.find(key);
        if (changed != changes_.end())
            return changed->second;
        if (state_ == TDataSetState::dsInsert)
            return {};
    }
    if (engine_.sx_Eof())
        return {};
    return QByteArray::fromStdString(engine_.sx_GetString(engineName(name)));
}

bool TDataset::FieldAsBoolean(QStringView name) const { return isTrueText(FieldAsString(name)); }

bool TDataset::SetFieldAsString(QStringView name, const QString& value)
{
    const char type = engineFieldType(name);
    if (!isEditing())
        return fail(QStringLiteral("The record is not being edited"));
    if (calculatedDef(name))
        return fail(QStringLiteral("The field ") + name.toString() + QStringLiteral(" is computed and cannot be changed"));
    if (type == '\0')
        return fail(QStringLiteral("The file has no field ") + name.toString());
    if (type == 'M')
        return SetMemoText(name, value);
    const std::optional<QByteArray> bytes = type == 'L' ? logicalText(value) : characterBytes(name, value);
    if (!bytes)
        return false;
    const QString key = name.toString().toUpper();
    changes_[key] = *bytes;
    notifyField(key);
    return true;
}

std::optional<QByteArray> TDataset::logicalText(const QString& value)
{
    std::optional<QByteArray> bytes = logicalBytes(value);
    if (!bytes)
        fail(QStringLiteral("\"") + value + QStringLiteral("\" is not a logical value (T or F)"));
    return bytes;
}

std::optional<QByteArray> TDataset::characterBytes(QStringView name, const QString& value)
{
    const TCp1252Encoding encoded = toCp1252(value);
    if (!encoded.ok()) {
        fail(encoded.message);
        return std::nullopt;
    }
    QByteArray bytes = withoutTrailingBlanks(encoded.bytes);
    const int width = FieldWidth(name);
    if (engineFieldType(name) == 'C' && bytes.size() > width) {
        fail(QStringLiteral("The value is too long for the field ") + name.toString().toUpper() +
             QStringLiteral(", which holds ") + QString::number(width) + QStringLiteral(" characters"));
        return std::nullopt;
    }
    return bytes;
}

bool TDataset::SetFieldAsBoolean(QStringView name, bool value)
{
    return SetFieldAsString(name, value ? QStringLiteral("T") : QStringLiteral("F"));
}

QString TDataset::MemoText(QStringView name) const
{
    if (state_ == TDataSetState::dsInactive)
        return {};
    const QString key = name.toString().toUpper();
    if (isEditing()) {
        const auto changed = memoChanges_.find(key);
        if (changed != memoChanges_.end())
            return fromCp1252(changed->second);
        if (state_ == TDataSetState::dsInsert)
            return {};
    }
    if (engine_.sx_Eof())
        return {};
    return fromCp1252(QByteArray::fromStdString(engine_.sx_GetMemo(engineName(name))));
}

bool TDataset::SetMemoText(QStringView name, const QString& text)
{
    if (!isEditing())
        return fail(QStringLiteral("The record is not being edited"));
    if (engineFieldType(name) != 'M')
        return fail(QStringLiteral("The file has no memo field ") + name.toString());
    const TCp1252Encoding encoded = toCp1252(text);
    if (!encoded.ok())
        return fail(encoded.message);
    const QString key = name.toString().toUpper();
    memoChanges_[key] = encoded.bytes;
    notifyField(key);
    return true;
}

int TDataset::FieldWidth(QStringView name) const
{
    if (state_ == TDataSetState::dsInactive) {
        const TFieldDef* def = findFieldDef(name);
        return def ? def->width : 0;
    }
    return engine_.sx_FieldWidth(engineName(name));
}

const TFieldDef* TDataset::calculatedDef(QStringView name) const
{
    const auto found = std::find_if(calculated_.begin(), calculated_.end(), [&](const TFieldDef& def) {
        return def.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    return found == calculated_.end() ? nullptr : &*found;
}

} // namespace quorvel
