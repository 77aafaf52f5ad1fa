#include "design/model/address_label.h"

#include "design/model/property_list.h"

namespace design {

TAddressLayout TGDMultiLineAddressLabel::Layout() const
{
    return {useName_,  useTitle_, useCompany_, useStreet_,  useStreet2_, useCityState_,
            useZip_,   usePhone_, useCountry_, zipOptions_, upperCase_};
}

void TGDMultiLineAddressLabel::SetLayout(const TAddressLayout& layout)
{
    useName_ = layout.UseName;
    useTitle_ = layout.UseTitle;
    useCompany_ = layout.UseCompany;
    useStreet_ = layout.UseStreet;
    useStreet2_ = layout.UseStreet2;
    useCityState_ = layout.UseCityState;
    useZip_ = layout.UseZip;
    usePhone_ = layout.UsePhone;
    useCountry_ = layout.UseCountry;
    zipOptions_ = layout.ZipOptions;
    upperCase_ = layout.UpperCase;
    ShowData();
    Changed();
}

TGMenuItems TGDMultiLineAddressLabel::MenuItems(TGMenuHost& host)
{
    TGMenuItems items = TGMultiLineBaseLabel::MenuItems(host);
    AppendMenuItems(items, {TGMenuItem::Separator(), TGMenuItem::Command(QStringLiteral("Address Layout"), [this, &host] {
                                if (host.OpenObjectDialog(*this, TGObjectDialog::AddressLayout))
                                    host.Repaint();
                            })});
    return items;
}

void TGDMultiLineAddressLabel::ShowData()
{
    const TGRecordContext& context = RecordContext();
    if (context.ShowsValues())
        SetItems(ComposeAddress(Layout(), *context.Record));
    else
        SetItems({QStringLiteral("[Address Label]")});
    // The wrapped lines follow the record too, or the block would print the
    // previous address wrapped.
    Rewrap();
}

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
