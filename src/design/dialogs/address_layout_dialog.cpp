#include "design/dialogs/address_layout_dialog.h"

#include "design/dialogs/text_dialog_buttons.h"
#include "design/model/address_label.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace design {

namespace {

struct TZipButton {
    const char* caption;
    const char* objectName;
};

constexpr std::array<TZipButton, 4> kZipButtons{{
    {"&After state", "ZipAfterStateButton"},
    {"&Before city", "ZipBeforeCityButton"},
    {"A&fter country", "ZipAfterCountryButton"},
    {"B&efore country", "ZipBeforeCountryButton"},
}};

} // namespace

TAddressLabelLayout::TAddressLabelLayout(const TAddressLayout& layout, quorvel::THelp* help, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AddressLabelLayout"));
    setWindowTitle(QStringLiteral("Address Label Layout"));
    auto* column = new QVBoxLayout(this);
    NameCheckBox = AddCheckBox(QStringLiteral("&Name"), "NameCheckBox", layout.UseName);
    TitleCheckBox = AddCheckBox(QStringLiteral("&Title"), "TitleCheckBox", layout.UseTitle);
    OrganizationCheckBox = AddCheckBox(QStringLiteral("&Organization"), "OrganizationCheckBox", layout.UseCompany);
    Street1CheckBox = AddCheckBox(QStringLiteral("Address &1"), "Street1CheckBox", layout.UseStreet);
    Street2CheckBox = AddCheckBox(QStringLiteral("Address &2"), "Street2CheckBox", layout.UseStreet2);
    CityStateCheckBox = AddCheckBox(QStringLiteral("City + &State"), "CityStateCheckBox", layout.UseCityState);
    ZipCheckBox = AddCheckBox(QStringLiteral("&Zip/Postal code"), "ZipCheckBox", layout.UseZip);

    auto* zipGroup = new QGroupBox(this);
    zipGroup->setObjectName(QStringLiteral("ZipOptionsGroup"));
    auto* zipColumn = new QVBoxLayout(zipGroup);
    for (std::size_t i = 0; i < kZipButtons.size(); ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(kZipButtons[i].caption), zipGroup);
        button->setObjectName(QString::fromLatin1(kZipButtons[i].objectName));
        button->setChecked(static_cast<std::size_t>(layout.ZipOptions) == i);
        zipColumn->addWidget(button);
        ZipOptionButtons[i] = button;
    }
    column->addWidget(zipGroup);

    PhoneCheckBox = AddCheckBox(QStringLiteral("&Phone #1"), "PhoneCheckBox", layout.UsePhone);
    CountryCheckBox = AddCheckBox(QStringLiteral("&Country"), "CountryCheckBox", layout.UseCountry);
    UpperCaseCheckBox = AddCheckBox(QStringLiteral("&Uppercase"), "UpperCaseCheckBox", layout.UpperCase);
    column->addLayout(MakeDialogButtons(*this, help, kHelpContext));

    connect(ZipCheckBox, &QCheckBox::toggled, this, &TAddressLabelLayout::ZipCheckBoxClick);
    ZipCheckBoxClick();
}

QCheckBox* TAddressLabelLayout::AddCheckBox(const QString& caption, const char* objectName, bool checked)
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setChecked(checked);
    layout()->addWidget(box);
    return box;
}

void TAddressLabelLayout::ZipCheckBoxClick()
{
    for (QRadioButton* button : ZipOptionButtons)
        button->setEnabled(ZipCheckBox->isChecked());
}

TAddressLayout TAddressLabelLayout::Layout() const
{
    TAddressLayout layout;
    layout.UseName = NameCheckBox->isChecked();
    layout.UseTitle = TitleCheckBox->isChecked();
    layout.UseCompany = OrganizationCheckBox->isChecked();
    layout.UseStreet = Street1CheckBox->isChecked();
    layout.UseStreet2 = Street2CheckBox->isChecked();
    layout.UseCityState = CityStateCheckBox->isChecked();
    layout.UseZip = ZipCheckBox->isChecked();
    layout.UsePhone = PhoneCheckBox->isChecked();
    layout.UseCountry = CountryCheckBox->isChecked();
    layout.UpperCase = UpperCaseCheckBox->isChecked();
    for (std::size_t i = 0; i < ZipOptionButtons.size(); ++i)
        if (ZipOptionButtons[i]->isChecked())
            layout.ZipOptions = static_cast<TZipFormatOptions>(i);
    return layout;
}

bool EditAddressLayout(TGDMultiLineAddressLabel& label, quorvel::THelp* help, QWidget* parent)
{
    TAddressLabelLayout dialog(label.Layout(), help, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    label.SetLayout(dialog.Layout());
    return true;
}

} // namespace design
