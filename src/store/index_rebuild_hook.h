#pragma once

#include "store/index_rebuild.h"
#include "xbase/apollo.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace quorvel {

inline void tellStatus(const TRebuildProgress& progress, const QString& text)
{
    if (progress.status)
        progress.status(text);
}

inline void tellGauge(const TRebuildProgress& progress, int position)
{
    if (progress.gauge)
        progress.gauge(std::clamp(position, 0, 100));
}

// Attaches the engine's progress hook for one step and detaches it again
// however the step ends, so no later operation reports into a window that
// has gone. The rebuild is never cancelled from the hook.
class TGaugeHookScope {
public:
    TGaugeHookScope(xbase::TApollo& engine, std::function<void(int percent)> onReport) : engine_(engine)
    {
        engine_.sx_SetGaugeHook([report = std::move(onReport)](int percent) {
            report(percent);
            return true;
        });
    }
    ~TGaugeHookScope() { engine_.sx_SetGaugeHook({}); }
    TGaugeHookScope(const TGaugeHookScope&) = delete;
    TGaugeHookScope& operator=(const TGaugeHookScope&) = delete;

private:
    xbase::TApollo& engine_;
};

} // namespace quorvel
