#pragma once

#include "ui/scripted_dialogs.h"
#include "ui/scripted_help.h"
#include "ui/scripted_messages.h"
#include "ui/services.h"

namespace quorvel {

// For tests: all three seams scripted and installed while this object lives.
//   TScriptedServices ui;
//   ui.messages.setNextAnswer(TAnswer::No);
//   ... drive the window ...
//   EXPECT_EQ(ui.messages.lastText(), ...);
class TScriptedServices {
public:
    TScriptedMessages messages;
    TScriptedDialogs dialogs;
    TScriptedHelp help;

private:
    TServicesScope scope_{messages, dialogs, help};
};

} // namespace quorvel
