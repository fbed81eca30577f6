// The goniometric exercise pages of 4.7 (sine, cosine, tangent, cotangent) share one shape:
// the same tabs, the same buttons and the same handlers. Each page gives only what differs
// (its slot, its folder and the pieces of the period hints of items c and d), so that a
// fault mended here is mended on all four.
#pragma once

#include <string>
#include <vector>

#include "exercises/exercise_page.h"

struct GonPage {
  std::string folder;  // "img/BIG/Egoniom_sin/"
  int slot;            // the page's slot of ExerciseTabIndex
  std::string nap1d;   // the picture of item d)'s hint on tab 0
  // Task 2, items c) and d): the pieces of each hint step and the result pieces.
  std::vector<HintStepPieces> hint2c, hint2d;
  std::vector<std::string> result2c, result2d;
};

// The handler table of a page of the family.
ExerciseTables GonTables(const GonPage& page);

// Hint steps of a task 2 item x: `nap2x1`, then `nap2x2` and `nap2x3`; or `nap2x1` and `nap2x2`,
// then `nap2x3` and `nap2x4`.
std::vector<HintStepPieces> GonStepsOneTwo(const std::string& x);
std::vector<HintStepPieces> GonStepsTwoTwo(const std::string& x);
