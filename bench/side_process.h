#pragma once

#include "phase_clock.h"

#include <functional>
#include <string>
#include <vector>

namespace quorvel::bench {

using SideRun = std::function<std::vector<PhaseResult>()>;

// Runs one side of a benchmark in a child process, so that the peak memory
// it reports is its own, and reads back its phases. Throws
// std::runtime_error when the side failed (it prints why on stderr).
std::vector<PhaseResult> runInChild(const SideRun& side, const char* label);

// Prints both sides phase by phase (seconds, ratio, answers, memory); false
// when they disagree on an answer or a phase is missing.
bool printSideBySide(const std::vector<PhaseResult>& ours, const std::vector<PhaseResult>& reference,
                     const char* referenceName = "SQLite");

// A fresh folder under the system's temporary folder for one run.
std::string makeRunFolder(const char* prefix);

} // namespace quorvel::bench
