#!/usr/bin/env bash
# Installs what is needed, builds everything and runs the whole test suite
# without a display. This is what CI runs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
# Only tested here, never debugged: no debugging information to write.
bash scripts/build.sh -DQUORVEL_WERROR=ON -DQUORVEL_DEBUG_INFO=OFF
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${QUORVEL_BUILD_DIR:-build}" --output-on-failure --parallel "$(nproc)" --timeout 600
