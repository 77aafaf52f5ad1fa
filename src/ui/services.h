#pragma once

#include "ui/dialogs.h"
#include "ui/help.h"
#include "ui/messages.h"

namespace quorvel {

// The message boxes, common dialogs and help the application owns. Windows
// reach them here; the real ones are used unless someone installed others.
class TServices {
public:
    static TMessages& messages();
    static TDialogs& dialogs();
    static THelp& help();
};

// Puts implementations in place while it lives (the application for its run,
// a test for its own) and brings the previous ones back when it goes.
class TServicesScope {
public:
    TServicesScope(TMessages& messages, TDialogs& dialogs, THelp& help);
    ~TServicesScope();
    TServicesScope(const TServicesScope&) = delete;
    TServicesScope& operator=(const TServicesScope&) = delete;

private:
    TMessages* previousMessages_;
    TDialogs* previousDialogs_;
    THelp* previousHelp_;
};

} // namespace quorvel
