// Runs a check on two lanes and, where the processor has them, on four: the evaluator's results
// must be the same bit for bit on both.
#pragma once

#include "engine/unit_graf_columns.h"

class LaneWidth {
 public:
  explicit LaneWidth(bool wide) { columns::UseWideLanes(wide); }
  ~LaneWidth() { columns::UseWideLanes(true); }
  LaneWidth(const LaneWidth&) = delete;
  LaneWidth& operator=(const LaneWidth&) = delete;

  static const char* Name(bool wide) { return wide ? "four lanes" : "two lanes"; }
};

inline constexpr bool kLaneWidths[] = {false, true};
