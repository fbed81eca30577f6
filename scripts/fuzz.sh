#!/usr/bin/env bash
# Fuzzes the expression engine for a bounded time: builds the engine with clang, coverage
# instrumentation, AddressSanitizer and UndefinedBehaviorSanitizer into build-fuzz/, links the
# libFuzzer target tests/fuzz/fuzz_engine.cpp and runs it on the seed corpus.
#   FUZZ_SECONDS  how long to run (default 120)
#   FUZZ_BUILD    the build folder (default build-fuzz)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-120}
sanitizers=address,undefined

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,$sanitizers -fno-sanitize-recover=undefined" \
  >/dev/null
cmake --build "$build" --target engine

clang++ -std=c++20 -O1 -g -fPIC -fsanitize=fuzzer,$sanitizers -fno-sanitize-recover=undefined \
  -I"$root" $(pkg-config --cflags Qt6Widgets) \
  "$root/tests/fuzz/fuzz_engine.cpp" \
  "$build/engine/libengine.a" "$build/engine/libengine_core.a" \
  "$build/platform/libplatform.a" "$build/platform/libplatform_rtl.a" \
  $(pkg-config --libs Qt6Widgets libjpeg) \
  -o "$build/fuzz_engine"

# New inputs go to the build folder; the seeds in the repository stay as they are.
mkdir -p "$build/corpus" "$build/crashes"
QT_QPA_PLATFORM=offscreen "$build/fuzz_engine" \
  -max_total_time="$seconds" -max_len=512 -timeout=10 -print_final_stats=1 \
  -dict="$root/tests/fuzz/expression.dict" -artifact_prefix="$build/crashes/" \
  "$build/corpus" "$root/tests/fuzz/corpus"
