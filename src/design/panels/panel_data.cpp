#include "design/panels/panel_data.h"

#include "design/model/graphic_control.h"

namespace design {

void TGDataPanel::SetDisplayDataValues(bool display)
{
    context_.DisplayDataValues = display;
    ShowAllData();
}

void TGDataPanel::SetRecordSource(const TGRecordSource* source, bool active)
{
    context_.Record = source;
    active_ = active;
    BindRecordContext(Objects().Objects(), &context_);
}

void TGDataPanel::SetPrinting(bool printing)
{
    TGBasePanel::SetPrinting(printing);
    context_.Printing = printing;
}

void TGDataPanel::RefreshData()
{
    if (context_.Record && active_)
        ShowAllData();
}

void TGDataPanel::ShowAllData()
{
    Objects().ShowAllData();
    ProcessPendingUpdates();
    update();
}

void TGDataPanel::AdoptObjects()
{
    HookAllObjects();
    RefreshData();
    update();
}

void TGDataPanel::HookObject(TGGraphicControl& object)
{
    TGBasePanel::HookObject(object);
    BindRecordContext({&object}, &context_);
}

} // namespace design
