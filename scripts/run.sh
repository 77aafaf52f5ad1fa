#!/usr/bin/env bash
# Installs what is needed, builds Quorvel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
bash scripts/build.sh -DQUORVEL_BUILD_TESTS=OFF -DQUORVEL_BUILD_BENCH=OFF
exec "${QUORVEL_BUILD_DIR:-build}/src/app/quorvel" "$@"
