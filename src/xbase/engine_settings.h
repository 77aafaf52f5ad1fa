#pragma once

#include <functional>

namespace xbase {

// The engine-wide switches every work area reads. Defaults are the ones
// callers rely on: four-digit years, deleted records hidden, inexact string
// comparison, no soft seek, failures returned as results.
struct EngineSettings {
    bool century = true;
    bool deleted = true;  // true: records carrying the deletion flag are invisible
    bool exact = false;   // true: string "=" compares whole values
    bool softSeek = false; // true: a failed seek stops at the next greater key
    int errorLevel = 0;
    // false: queries always read every record (for comparing the planner
    // with a plain scan); true: a query an order can answer reads only its
    // key range.
    bool optimizeQueries = true;
};

// Reports 0 to 100 during packs and index builds; returning false cancels.
using ProgressHook = std::function<bool(int percent)>;

} // namespace xbase
