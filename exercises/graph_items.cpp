#include "exercises/graph_items.h"

namespace {
const char* const kLetters = "abcdefgh";
}  // namespace

std::vector<ExerciseHandler> TaskGraphs(const std::vector<std::string>& images) {
  // The layouts number the graphs of the right column before the last one of the left.
  std::vector<ExerciseHandler> out;
  for (size_t k = 0; k < images.size() && kLetters[k]; ++k) {
    out.push_back(Enlarge(images[k] + "Click", std::string("u1") + kLetters[k]));
  }
  return out;
}

std::vector<ExerciseHandler> Pencils(const std::vector<std::string>& suffixes) {
  return Items(kLetters, [&](const std::string& x) {
    std::vector<std::string> pieces;
    for (const std::string& s : suffixes) pieces.push_back("resu1" + x + s);
    return Result("btnu1" + x + "Click", pieces);
  });
}

std::vector<ExerciseHandler> AnswerGraphs(const std::string& suffix) {
  return Items(kLetters, [&](const std::string& x) {
    return Enlarge("resu1" + x + "1Click", "u1" + x + suffix);
  });
}
