#include "app/main_window_texts.h"

#include <QVariant>
#include <QWidget>

#include <array>

namespace quorvel {

namespace {

TBoxSpec spec(const char* field, const char* caption, const char* whatsThis)
{
    return {QString::fromLatin1(field), QString::fromLatin1(caption), QString::fromLatin1(whatsThis)};
}

const std::array<TBoxSpec, 6> kNameBoxes = {
    spec("LNAME", "Last", "The person's last name. Records are sorted by it unless you choose another order."),
    spec("FNAME", "First", "The person's first name."),
    spec("MIDDLE", "MI", "The middle initial, always a capital letter."),
    spec("PREFIX", "Prefix", "How the person is addressed, such as Mr. or Dr."),
    spec("TITLE", "Title", "The person's job title."),
    spec("ORG", "Org", "The company or organization."),
};

const std::array<TBoxSpec, 13> kAddressBoxes = {
    spec("STREET", "Address 1", "The first line of the street address."),
    spec("STREET2", "Address 2", "A second address line, such as a suite or a post office box."),
    spec("CITY", "City", "The city or town."),
    spec("STATE", "State or Prov", "The state or province."),
    spec("ZIP", "Zip or Postal ", "The ZIP or postal code."),
    spec("COUNTRY", "Country", "The country; leave it empty for your own."),
    spec("PHONE", "Phone 1", "The main telephone number."),
    spec("PHONE2", "Phone 2", "Another telephone number."),
    spec("FAX", "Fax", "The fax number."),
    spec("EMAIL", "E-mail", "The e-mail address."),
    spec("CODES", "Codes", "Codes of your own to group records, for example for filters."),
    spec("USER1", "Comment 1", "A short comment of your own."),
    spec("USER2", "Comment 2", "Another short comment."),
};

const char* const kWithoutWindow = "quorvelWithoutWindow";

} // namespace

std::span<const TBoxSpec> nameBoxSpecs() { return kNameBoxes; }
std::span<const TBoxSpec> addressBoxSpecs() { return kAddressBoxes; }

int addressBoxRow(const QString& field)
{
    for (std::size_t i = 0; i < kAddressBoxes.size(); ++i) {
        if (kAddressBoxes[i].field == field)
            return static_cast<int>(i);
    }
    return -1;
}

void markWithoutWindow(QWidget* control) { control->setProperty(kWithoutWindow, true); }
bool hasWindow(const QWidget* control) { return !control->property(kWithoutWindow).toBool(); }

} // namespace quorvel
