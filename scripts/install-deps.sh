#!/usr/bin/env bash
# Installs the Debian packages that building, testing and benchmarking need,
# only those that are missing, so repeated calls cost a dpkg query.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  libjpeg62-turbo-dev libxrandr-dev libx11-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev libmuparser-dev
  clang clang-format libclang-rt-dev
  xvfb xauth x11-utils libxtst-dev
  fonts-dejavu-core fonts-liberation2
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
