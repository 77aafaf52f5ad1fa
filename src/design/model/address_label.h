#pragma once

#include "design/model/address_composition.h"
#include "design/model/multi_line_label.h"
#include "design/model/record_values.h"

namespace design {

// The address block composed from the current record by the layout
// switches below.
class TGDMultiLineAddressLabel : public TGMultiLineBaseLabel, public TGRecordBinding {
public:
    using TGMultiLineBaseLabel::TGMultiLineBaseLabel;
    QByteArray ClassName() const override { return QByteArrayLiteral("TGDMultiLineAddressLabel"); }

    bool UseName() const { return useName_; }
    void SetUseName(bool use) { useName_ = use; }
    bool UseTitle() const { return useTitle_; }
    void SetUseTitle(bool use) { useTitle_ = use; }
    bool UseCompany() const { return useCompany_; }
    void SetUseCompany(bool use) { useCompany_ = use; }
    bool UseStreet() const { return useStreet_; }
    void SetUseStreet(bool use) { useStreet_ = use; }
    bool UseStreet2() const { return useStreet2_; }
    void SetUseStreet2(bool use) { useStreet2_ = use; }
    bool UseCityState() const { return useCityState_; }
    void SetUseCityState(bool use) { useCityState_ = use; }
    bool UseZip() const { return useZip_; }
    void SetUseZip(bool use) { useZip_ = use; }
    bool UsePhone() const { return usePhone_; }
    void SetUsePhone(bool use) { usePhone_ = use; }
    bool UseCountry() const { return useCountry_; }
    void SetUseCountry(bool use) { useCountry_ = use; }
    TZipFormatOptions ZipOptions() const { return zipOptions_; }
    void SetZipOptions(TZipFormatOptions options) { zipOptions_ = options; }
    bool UpperCase() const { return upperCase_; }
    void SetUpperCase(bool upper) { upperCase_ = upper; }

    // All switches at once, as the "Address Label Layout" dialog sets them.
    TAddressLayout Layout() const;
    void SetLayout(const TAddressLayout& layout);

    // The address of the current record, or "[Address Label]" in design view.
    void ShowData() override;
    // Record values never go into a design file.
    void ClearData() override;
    void DefineProperties(TGPropertyList& list) override;
    // Adds "Address Layout".
    TGMenuItems MenuItems(TGMenuHost& host) override;

private:
    bool useName_ = true;
    bool useTitle_ = true;
    bool useCompany_ = true;
    bool useStreet_ = true;
    bool useStreet2_ = true;
    bool useCityState_ = true;
    bool useZip_ = true;
    bool usePhone_ = false;
    bool useCountry_ = true;
    TZipFormatOptions zipOptions_ = TZipFormatOptions::zoAfterState;
    bool upperCase_ = false;
};

} // namespace design
