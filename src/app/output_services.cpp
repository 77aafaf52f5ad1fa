#include "app/output_services.h"

#include "output/preview_form.h"
#include "ui/services.h"

namespace quorvel {

namespace {

TOutputServices* installed = nullptr;

} // namespace

TOutputServices::TOutputServices(TIniFile& ini, TIniPlacementStore::TMainWindowSource mainWindow,
                                 TWindowPlacement::TScreenSource screen)
    : placement_(ini, std::move(mainWindow), std::move(screen))
{
}

void TOutputServices::preparePreview(output::TPreviewForm& form, int helpContext)
{
    form.SetDialogs(&dialogs_);
    form.SetPlacementStore(&placement_);
    form.SetHelpHandler([helpContext] { TServices::help().showTopic(helpContext); });
}

TOutputServices* TOutputServices::current() { return installed; }

TOutputServicesScope::TOutputServicesScope(TOutputServices& services) : previous_(installed) { installed = &services; }

TOutputServicesScope::~TOutputServicesScope() { installed = previous_; }

} // namespace quorvel
