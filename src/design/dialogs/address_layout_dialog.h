#pragma once

#include "design/model/address_composition.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QRadioButton;

namespace quorvel {
class THelp;
}

namespace design {

class TGDMultiLineAddressLabel;

// "Address Label Layout": which lines an address block shows and where its
// ZIP code goes. The ZIP position buttons are enabled only while the ZIP
// box is checked.
class TAddressLabelLayout : public QDialog {
public:
    static constexpr int kHelpContext = 40009;

    TAddressLabelLayout(const TAddressLayout& layout, quorvel::THelp* help, QWidget* parent = nullptr);

    TAddressLayout Layout() const;

private:
    QCheckBox* AddCheckBox(const QString& caption, const char* objectName, bool checked);
    void ZipCheckBoxClick();

    QCheckBox* NameCheckBox;
    QCheckBox* TitleCheckBox;
    QCheckBox* OrganizationCheckBox;
    QCheckBox* Street1CheckBox;
    QCheckBox* Street2CheckBox;
    QCheckBox* CityStateCheckBox;
    QCheckBox* ZipCheckBox;
    QCheckBox* PhoneCheckBox;
    QCheckBox* CountryCheckBox;
    QCheckBox* UpperCaseCheckBox;
    // In the order of TZipFormatOptions.
    std::array<QRadioButton*, 4> ZipOptionButtons{};
};

// Opens the dialog on the object; on OK the object takes the layout,
// refreshes its lines and notifies its surface. Returns whether OK was pressed.
bool EditAddressLayout(TGDMultiLineAddressLabel& label, quorvel::THelp* help, QWidget* parent = nullptr);

} // namespace design
