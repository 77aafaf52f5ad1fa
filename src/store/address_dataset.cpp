#include "store/address_dataset.h"

#include "store/address_derived.h"
#include "store/address_layout.h"
#include "store/address_display_date.h"

namespace quorvel {

TAddressDataset::TAddressDataset(xbase::TApollo& engine, QObject* parent)
    : TDataset(engine, parent), dateFormat_(programDatePattern())
{
    setStoredFields(addressStoredFieldDefs());
    setCalculatedFields(addressCalculatedFieldDefs(),
                        [this](const TDataset&, const QString& name) { return calculate(name); });
}

void TAddressDataset::setGlobalTagId(const QString& tagId)
{
    tagId_ = tagId;
    Resync();
}

void TAddressDataset::setDisplayDateFormat(const QString& format)
{
    dateFormat_ = format;
    Resync();
}

void TAddressDataset::SetExtraFields(bool visible)
{
    extraFields_ = visible;
    Resync();
}

QString TAddressDataset::calculate(const QString& name) const
{
    const auto field = [this](const char* fieldName) { return FieldAsString(QString(QLatin1String(fieldName))); };
    if (name == u"Tagged")
        return addressIsTagged(field("TAG"), tagId_) ? QStringLiteral("Yes") : QStringLiteral("No");
    if (name == u"DisplayDate")
        return displayDate(field("DATE"), dateFormat_);
    if (!extraFields_ || IsEmpty())
        return {};
    if (name == u"FullName")
        return addressFullName(field("FNAME"), field("MIDDLE"), field("LNAME"));
    if (name == u"FullNameWithPrefix")
        return addressFullNameWithPrefix(field("PREFIX"), field("FNAME"), field("MIDDLE"), field("LNAME"));
    if (name == u"CityStateZip")
        return addressCityStateZip(field("CITY"), field("STATE"), field("ZIP"));
    return {};
}

} // namespace quorvel
