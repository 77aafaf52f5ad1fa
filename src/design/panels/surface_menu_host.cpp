#include "design/panels/surface_menu_host.h"

#include "design/dialogs/address_layout_dialog.h"
#include "design/dialogs/counter_dialog.h"
#include "design/dialogs/select_field_dialog.h"
#include "design/dialogs/symbol_selector_dialog.h"
#include "design/dialogs/text_edit_dialogs.h"
#include "design/dialogs/text_effects_dialog.h"
#include "design/model/address_label.h"
#include "design/model/data_label.h"
#include "design/model/design_owner.h"
#include "design/model/design_qcolor.h"
#include "design/model/dialog_font.h"
#include "design/model/memo_label.h"
#include "design/model/text_labels.h"
#include "design/panels/panel_data.h"
#include "ui/services.h"

#include <QCoreApplication>

namespace design {

namespace {

// The fields of the data set behind a data surface; none elsewhere.
std::vector<TGDataField> SurfaceFields(const TGBasePanel& panel)
{
    const auto* dataPanel = dynamic_cast<const TGDataPanel*>(&panel);
    const TGRecordSource* record = dataPanel ? dataPanel->RecordSource() : nullptr;
    return record ? record->DataFields() : std::vector<TGDataField>{};
}

} // namespace

TGSurfaceMenuHost::TGSurfaceMenuHost(TGBasePanel& panel, QObject* parent) : QObject(parent), panel_(panel) {}

std::optional<TColor> TGSurfaceMenuHost::ChooseColor(TColor initial)
{
    const auto chosen = quorvel::TServices::dialogs().colour(&panel_, ToQColor(initial));
    if (!chosen)
        return std::nullopt;
    return FromQColor(*chosen);
}

void TGSurfaceMenuHost::LoadImageFromDisk(TGImage& image) { panel_.LoadImageFromDisk(image); }

int TGSurfaceMenuHost::SurfaceWidth() const { return panel_.width(); }

int TGSurfaceMenuHost::SurfaceHeight() const { return panel_.height(); }

void TGSurfaceMenuHost::Repaint()
{
    // Pending geometry updates run first, so the repaint shows where the
    // objects are now.
    if (!panel_.Printing())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    panel_.update();
}

std::optional<TGFont> TGSurfaceMenuHost::ChooseFont(const TGFont& initial)
{
    const int pixelsPerInch = panel_.Owner().PixelsPerInch();
    const auto chosen = quorvel::TServices::dialogs().font(&panel_, DialogFont(initial, pixelsPerInch));
    if (!chosen)
        return std::nullopt;
    return DesignFontFrom(*chosen, pixelsPerInch, initial);
}

void TGSurfaceMenuHost::RunObjectCommand(TGGraphicControl& object, TGObjectCommand command)
{
    switch (command) {
    case TGObjectCommand::BringToFront:
        panel_.BringObjectToFront(object);
        break;
    case TGObjectCommand::SendToBack:
        panel_.SendObjectToBack(object);
        break;
    case TGObjectCommand::Cut:
        panel_.CutObject(object);
        break;
    case TGObjectCommand::Copy:
        panel_.CopyObject(object);
        break;
    case TGObjectCommand::Delete:
        panel_.DeleteObject(object);
        break;
    case TGObjectCommand::Clone:
        panel_.CloneObject(object);
        break;
    case TGObjectCommand::Deselect:
        panel_.Handle().Remove(&object);
        break;
    }
    panel_.update();
}

bool TGSurfaceMenuHost::OpenObjectDialog(TGGraphicControl& object, TGObjectDialog dialog)
{
    if (dialog == TGObjectDialog::DataField || dialog == TGObjectDialog::MemoField)
        return OpenFieldDialog(object, dialog);
    return OpenTextDialog(object, dialog);
}

bool TGSurfaceMenuHost::OpenTextDialog(TGGraphicControl& object, TGObjectDialog dialog)
{
    quorvel::THelp* help = &quorvel::TServices::help();
    switch (dialog) {
    case TGObjectDialog::Text:
        if (auto* label = dynamic_cast<TGPLabel*>(&object))
            return EditText(*label, help, &panel_);
        break;
    case TGObjectDialog::TextEffects:
        if (auto* label = dynamic_cast<TGBaseLabel*>(&object))
            return EditTextEffects(*label, help, &panel_, [this](TColor initial) { return ChooseColor(initial); });
        break;
    case TGObjectDialog::Counter:
        if (auto* counter = dynamic_cast<TGCounterLabel*>(&object))
            return EditCounter(*counter, help, &panel_);
        break;
    case TGObjectDialog::MultiLineText:
        if (auto* label = dynamic_cast<TGMultiLineBaseLabel*>(&object))
            return EditMultiLineText(*label, &panel_);
        break;
    case TGObjectDialog::AddressLayout:
        if (auto* address = dynamic_cast<TGDMultiLineAddressLabel*>(&object))
            return EditAddressLayout(*address, help, &panel_);
        break;
    case TGObjectDialog::Symbol:
        if (auto* symbol = dynamic_cast<TGSymbolLabel*>(&object))
            return SelectSymbol(*symbol, help, &panel_);
        break;
    default:
        break;
    }
    return false;
}

// Whatever the answer, the surface shows the record afresh, so that the
// object shows its (new or old) field's value.
bool TGSurfaceMenuHost::OpenFieldDialog(TGGraphicControl& object, TGObjectDialog dialog)
{
    quorvel::THelp* help = &quorvel::TServices::help();
    bool chosen = false;
    if (auto* label = dynamic_cast<TGPDLabel*>(&object); label && dialog == TGObjectDialog::DataField)
        chosen = SelectDataField(*label, SurfaceFields(panel_), help, &panel_);
    else if (auto* memo = dynamic_cast<TGDMultiLineLabel*>(&object); memo && dialog == TGObjectDialog::MemoField)
        chosen = SelectMemoField(*memo, SurfaceFields(panel_), help, &panel_);
    panel_.RefreshData();
    panel_.update();
    return chosen;
}

} // namespace design
