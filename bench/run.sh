#!/usr/bin/env bash
# Runs every benchmark program from the runtime folder.
set -euo pipefail
build=${1:-build}
cd "$build/app"
for b in ../bench/bin/*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  QT_QPA_PLATFORM=offscreen "$b"
done
