#include "ui/services.h"

#include "ui/qt_dialogs.h"
#include "ui/qt_messages.h"
#include "ui/viewer_help.h"

namespace quorvel {

namespace {

TMessages* installedMessages = nullptr;
TDialogs* installedDialogs = nullptr;
THelp* installedHelp = nullptr;

} // namespace

TMessages& TServices::messages()
{
    static TQtMessages real;
    return installedMessages ? *installedMessages : real;
}

TDialogs& TServices::dialogs()
{
    static TQtDialogs real;
    return installedDialogs ? *installedDialogs : real;
}

THelp& TServices::help()
{
    static TViewerHelp real;
    return installedHelp ? *installedHelp : real;
}

TServicesScope::TServicesScope(TMessages& messages, TDialogs& dialogs, THelp& help)
    : previousMessages_(installedMessages), previousDialogs_(installedDialogs), previousHelp_(installedHelp)
{
    installedMessages = &messages;
    installedDialogs = &dialogs;
    installedHelp = &help;
}

TServicesScope::~TServicesScope()
{
    installedMessages = previousMessages_;
    installedDialogs = previousDialogs_;
    installedHelp = previousHelp_;
}

} // namespace quorvel
