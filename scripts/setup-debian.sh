#!/usr/bin/env bash
# Installs everything Quorvel needs to build, run and test on Debian 12.
# Run as root. Safe to run again.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config git ccache lld
  # Qt 6
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev
  qt6-image-formats-plugins
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev libsqlite3-dev
  clang libclang-rt-14-dev
  # fonts that stand in for Arial, Times New Roman, Wingdings and Symbol
  fonts-liberation2 fonts-wine fontconfig
  # PDF text extraction for output tests
  poppler-utils
  # another RTF reader for the letters' interoperability tests
  unrtf
  # other xBase readers and writers for the interoperability tests
  libdbd-xbase-perl python3-dbfread python3-dbf python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
