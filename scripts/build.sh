#!/usr/bin/env bash
# Configures and builds Quorvel into ./build (or $QUORVEL_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QUORVEL_BUILD_DIR:-build}
launcher=()
if command -v ccache >/dev/null; then
  # Rebuilds after a fresh clone or a switch of branch come from the cache;
  # the precompiled headers need the two sloppiness settings to be cached.
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
cmake --build "$build" --parallel "$(nproc)"
