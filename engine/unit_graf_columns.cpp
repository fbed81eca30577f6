#include "engine/unit_graf_columns.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

#include "engine/unit_graf_round.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

// The run, once for two lanes (SSE2 on x86-64, or whatever vectors of two doubles the target
// has) and on x86-64 once more for four lanes with AVX2 and FMA, each copy in its own namespace.
// Nothing is contracted into fused multiply-adds (the engine is built with -ffp-contract=off):
// the four lanes use one where they say so.
namespace columns {

namespace lanes2 {
#define ZALMIRA_LANES 2
#include "engine/unit_graf_lanes.h"
#undef ZALMIRA_LANES
}  // namespace lanes2

#if defined(__x86_64__)
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2,fma"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2,fma")
// GCC gives lambdas the default target even here and warns that they would pass four lanes
// differently; every lambda that takes lanes is always inlined into the code around it.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"
#endif
namespace lanes4 {
#define ZALMIRA_LANES 4
#include "engine/unit_graf_lanes.h"
#undef ZALMIRA_LANES
}  // namespace lanes4
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC diagnostic pop
#pragma GCC pop_options
#endif
#endif

namespace {

bool Supported() {
#if defined(__x86_64__)
  __builtin_cpu_init();  // may run before the library's own initialisation
  return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
#else
  return false;
#endif
}

bool& Wide() {
  static bool wide = Supported();
  return wide;
}

}  // namespace

void Program::SetWidth(std::size_t n) {
  width = std::max<std::size_t>(4, (n + 3) & ~std::size_t{3});
  values.resize(static_cast<std::size_t>(std::max(levels, 1)) * width);
  if (!divisions.empty()) positive.resize(divisions.size() * width);
}

void Run(Program& program) {
  const int count = static_cast<int>(program.operations.size());
  if (!program.divisions.empty()) program.stops.assign(program.width, count);
  if (!program.valid) {
    std::fill(program.values.begin(),
              program.values.begin() + static_cast<std::ptrdiff_t>(program.width), NAN);
    return;
  }
#if defined(__x86_64__)
  if (Wide()) {
    lanes4::RunProgram(program);
  } else {
    lanes2::RunProgram(program);
  }
#else
  lanes2::RunProgram(program);
#endif
  // A variable that is no finite number stops the evaluation where the list first names it.
  if (!program.divisions.empty() && program.firstX < count) {
    for (std::size_t s = 0; s < program.width; ++s) {
      if (std::isnan(program.rx[s])) program.stops[s] = std::min(program.stops[s], program.firstX);
    }
  }
}

double Apply(Code code, double a, double b) {
  return lanes2::Apply(code, a, b);
}

bool WideLanes() {
  return Wide();
}

void UseWideLanes(bool wide) {
  Wide() = wide && Supported();
}

}  // namespace columns

void RoundTo15DigitsKeep(double* values, std::size_t n) {
#if defined(__x86_64__)
  if (columns::Wide()) {
    columns::lanes4::RoundKeep(values, n);
    return;
  }
#endif
  columns::lanes2::RoundKeep(values, n);
}
