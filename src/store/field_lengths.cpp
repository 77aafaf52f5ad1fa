#include "store/field_lengths.h"

#include "store/ini_file.h"

namespace quorvel {

namespace {

const QString kSection = QStringLiteral("NewFileFieldLengths");

const std::array<TNewFileField, TNewFileFieldLengths::kCount> kFields = {{
    {QLatin1String("LNAME"), 30}, {QLatin1String("FNAME"), 30}, {QLatin1String("PREFIX"), 12},
    {QLatin1String("TITLE"), 30}, {QLatin1String("ORG"), 30}, {QLatin1String("STREET"), 40},
    {QLatin1String("STREET2"), 40}, {QLatin1String("CITY"), 30}, {QLatin1String("STATE"), 20},
    {QLatin1String("ZIP"), 10}, {QLatin1String("COUNTRY"), 30}, {QLatin1String("PHONE"), 30},
    {QLatin1String("PHONE2"), 30}, {QLatin1String("FAX"), 40}, {QLatin1String("EMAIL"), 40},
    {QLatin1String("CODES"), 30}, {QLatin1String("USER1"), 40}, {QLatin1String("USER2"), 40},
}};

QString keyOf(const TNewFileField& field) { return QStringLiteral("Field") + QString(field.name); }

} // namespace

TNewFileFieldLengths::TNewFileFieldLengths()
{
    for (std::size_t i = 0; i < kFields.size(); ++i)
        widths_[i] = kFields[i].defaultWidth;
}

std::span<const TNewFileField> TNewFileFieldLengths::fields() { return kFields; }

TNewFileFieldLengths TNewFileFieldLengths::buttonDefaults()
{
    TNewFileFieldLengths lengths;
    lengths.setWidth(u"FAX", 30);
    return lengths;
}

TNewFileFieldLengths TNewFileFieldLengths::load(const TIniFile& ini)
{
    const TIniDocument document = ini.read();
    TNewFileFieldLengths lengths;
    for (int i = 0; i < kCount; ++i) {
        const TNewFileField& field = kFields[static_cast<std::size_t>(i)];
        const std::optional<QString> text = document.value(kSection, keyOf(field));
        const std::optional<int> width = text ? parseIniInteger(*text) : std::nullopt;
        lengths.widths_[static_cast<std::size_t>(i)] = validated(i, width.value_or(field.defaultWidth));
    }
    return lengths;
}

bool TNewFileFieldLengths::save(TIniFile& ini) const
{
    QList<TIniEntry> entries;
    for (int i = 0; i < kCount; ++i)
        entries.append({kSection, keyOf(kFields[static_cast<std::size_t>(i)]), QString::number(validated(i, widthAt(i)))});
    return ini.write(entries);
}

std::optional<int> TNewFileFieldLengths::width(QStringView field) const
{
    const int index = indexOf(field);
    return index < 0 ? std::nullopt : std::optional<int>(widthAt(index));
}

void TNewFileFieldLengths::setWidth(QStringView field, int width)
{
    const int index = indexOf(field);
    if (index >= 0)
        widths_[static_cast<std::size_t>(index)] = width;
}

int TNewFileFieldLengths::validated(int index, int width)
{
    if (width < kMinWidth || width > kMaxWidth)
        return kFields[static_cast<std::size_t>(index)].defaultWidth;
    return width;
}

int TNewFileFieldLengths::indexOf(QStringView field)
{
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (field.compare(kFields[i].name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace quorvel
