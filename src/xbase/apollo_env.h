#pragma once

#include "xbase/engine_settings.h"

namespace xbase {

// The engine's process-wide settings, shared by every TApollo that uses it.
// Callers normally keep the defaults and switch one briefly (deleted off
// while deleting, soft seek on for a search).
class TApolloEnv {
public:
    void sx_SetCentury(bool on) { settings_.century = on; }
    void sx_SetDeleted(bool on) { settings_.deleted = on; }
    void sx_SetExact(bool on) { settings_.exact = on; }
    void sx_SetSoftSeek(bool on) { settings_.softSeek = on; }
    // Only 0 exists here: failures are always returned, never shown.
    void sx_ErrorLevel(int level) { settings_.errorLevel = level; }

    bool sx_GetCentury() const { return settings_.century; }
    bool sx_GetDeleted() const { return settings_.deleted; }
    bool sx_GetExact() const { return settings_.exact; }
    bool sx_GetSoftSeek() const { return settings_.softSeek; }

    const EngineSettings& settings() const { return settings_; }

    // The environment TApollo objects use unless given another.
    static TApolloEnv& global();

private:
    EngineSettings settings_;
};

} // namespace xbase
