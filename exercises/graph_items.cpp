#include "exercises/graph_items.h"

namespace {
const char* const kLetters = "abcdefgh";
}  // namespace

std::vector<ExerciseHandler> TaskGraphs() {
  // The layouts number the graphs of the right column before the last one of the left.
  static const char* const images[] = {"Image1", "Image2", "Image3", "Image5",
                                       "Image4", "Image6", "Image7", "Image8"};
  std::vector<ExerciseHandler> out;
  for (int k = 0; k < 8; ++k) {
    out.push_back(Enlarge(std::string(images[k]) + "Click", std::string("u1") + kLetters[k]));
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
