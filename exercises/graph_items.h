// What the single-tab pages share that ask for one property of eight functions given by their
// graphs (1.4, 1.5, 2.1, 2.2, 2.3, 2.6): items a) to h), each a task graph that opens its
// enlarged picture, a pencil that shows the item's results and, on most of them, an answer
// graph that opens a picture of its own.
#pragma once

#include <string>
#include <vector>

#include "exercises/exercise_page.h"

// The task graphs Image1, Image2, Image3, Image5 (items a to d) and Image4, Image6, Image7,
// Image8 (items e to h), each opening "u1" + its item's letter; `images` names them otherwise.
std::vector<ExerciseHandler> TaskGraphs(const std::vector<std::string>& images = {
                                            "Image1", "Image2", "Image3", "Image5", "Image4",
                                            "Image6", "Image7", "Image8"});
// The pencils btnu1a … btnu1h, each showing "resu1" + its letter + each of `suffixes`.
std::vector<ExerciseHandler> Pencils(const std::vector<std::string>& suffixes);
// The answer graphs resu1a1 … resu1h1, each opening "u1" + its letter + `suffix`.
std::vector<ExerciseHandler> AnswerGraphs(const std::string& suffix);
