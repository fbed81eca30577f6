#include "lessons/stepped_page.h"

#include <set>
#include <stdexcept>

StepScript::StepScript(int count, std::initializer_list<ScriptStep> steps)
    : count_(count), steps_(steps) {
  for (const ScriptStep& s : steps_) {
    if (s.index < 0 || s.index >= count_) throw std::out_of_range("a step outside the script");
  }
}

std::vector<std::string> StepScript::Names() const {
  std::set<std::string> names;
  for (const ScriptStep& s : steps_) {
    for (const char* n : {s.control1, s.control2, s.control3}) {
      if (n) names.insert(n);
    }
  }
  return {names.begin(), names.end()};
}

DelayTable::DelayTable(int baseMs, std::initializer_list<std::pair<int, int>> exceptions)
    : base_(baseMs), exceptions_(exceptions) {}

int DelayTable::For(int step) const {
  for (const auto& [s, ms] : exceptions_) {
    if (s == step) return ms;
  }
  return base_;
}

void RequestSolution(PresentationState& state) {
  if (StepTimer) StepTimer->SetEnabled(true);
  state.SolutionRequested = true;
}

void SetSheetButtons(TSpeedButton* back, TSpeedButton* next, int sheet, int sheets) {
  if (back) back->SetEnabled(sheet > 1);
  if (next) next->SetEnabled(sheet < sheets);
}

void TurnSheet(PresentationState& state, int delta, const std::vector<int>& firstSteps) {
  state.PreviousSheet = state.CurrentSheet;
  state.CurrentSheet += delta;
  int index = state.CurrentSheet - 1;
  if (index >= 0 && index < static_cast<int>(firstSteps.size())) {
    state.RevealStep = firstSteps[index];
  }
}
