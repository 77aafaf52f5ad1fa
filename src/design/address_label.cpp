#include "design/address_label.h"

#include "design/property_list.h"

namespace design {

void TGDMultiLineAddressLabel::ClearData() { SetItems({}); }

void TGDMultiLineAddressLabel::DefineProperties(TGPropertyList& list)
{
    TGMultiLineBaseLabel::DefineProperties(list);
    const auto flag = [&list](const char* name, bool& field) {
        list.Boolean(name, [&field] { return field; }, [&field](bool v) { field = v; }, std::nullopt);
    };
    flag("UseName", useName_);
    flag("UseTitle", useTitle_);
    flag("UseCompany", useCompany_);
    flag("UseStreet", useStreet_);
    flag("UseStreet2", useStreet2_);
    flag("UseCityState", useCityState_);
    flag("UseZip", useZip_);
    flag("UsePhone", usePhone_);
    flag("UseCountry", useCountry_);
    list.Enumeration<TZipFormatOptions>("ZipOptions", ZipFormatOptionsType(), [this] { return ZipOptions(); },
                                        [this](TZipFormatOptions v) { SetZipOptions(v); }, std::nullopt);
    flag("UpperCase", upperCase_);
}

} // namespace design
