#include "lessons/stepped_page.h"

#include <cctype>
#include <set>
#include <stdexcept>

namespace {

[[noreturn]] void Bad(const std::string& why) {
  throw std::invalid_argument("step script: " + why);
}

// The words of a step: blanks and commas separate them.
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> out;
  std::string cur;
  for (char c : text) {
    if (c == ' ' || c == ',' || c == '\n' || c == '\t') {
      if (!cur.empty()) out.push_back(std::move(cur));
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) out.push_back(std::move(cur));
  return out;
}

// The steps of a script text, apart by "·" (UTF-8 C2 B7) or "|".
std::vector<std::string_view> StepTexts(std::string_view script) {
  std::vector<std::string_view> out;
  size_t start = 0;
  for (size_t i = 0; i <= script.size(); ++i) {
    size_t width = 0;
    if (i == script.size()) {
      width = 1;
    } else if (script[i] == '|') {
      width = 1;
    } else if (script.compare(i, 2, "\xC2\xB7") == 0) {
      width = 2;
    }
    if (!width) continue;
    out.push_back(script.substr(start, i - start));
    start = i + width;
    i += width - 1;
  }
  return out;
}

int Index(const std::string& word) {
  if (word.empty() || word.size() > 6) Bad("no step index in \"" + word + "\"");
  for (char c : word) {
    if (!std::isdigit(static_cast<unsigned char>(c))) Bad("no step index in \"" + word + "\"");
  }
  return std::stoi(word);
}

// A name cut into runs of digits and runs of other characters.
std::vector<std::string> Runs(std::string_view name) {
  std::vector<std::string> out;
  for (char c : name) {
    const bool digit = std::isdigit(static_cast<unsigned char>(c));
    if (out.empty() ||
        digit != static_cast<bool>(std::isdigit(static_cast<unsigned char>(out.back().back())))) {
      out.emplace_back();
    }
    out.back() += c;
  }
  return out;
}

}  // namespace

std::vector<std::string> NameRange(std::string_view first, std::string_view last) {
  const std::string what = "the run " + std::string(first) + "-" + std::string(last);
  const std::vector<std::string> a = Runs(first), b = Runs(last);
  if (a.size() != b.size()) Bad(what + " does not differ in one number or letter");
  int differs = -1;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] == b[i]) continue;
    if (differs >= 0) Bad(what + " differs in more than one place");
    differs = static_cast<int>(i);
  }
  if (differs < 0) Bad(what + " names one control");
  const std::string& x = a[differs];
  const std::string& y = b[differs];
  auto join = [&](const std::string& middle) {
    std::string out;
    for (size_t i = 0; i < a.size(); ++i) out += static_cast<int>(i) == differs ? middle : a[i];
    return out;
  };
  std::vector<std::string> names;
  if (std::isdigit(static_cast<unsigned char>(x[0]))) {
    const int from = std::stoi(x), to = std::stoi(y);
    if (to <= from) Bad(what + " runs backwards");
    for (int n = from; n <= to; ++n) {
      std::string digits = std::to_string(n);
      if (digits.size() < x.size()) digits.insert(0, x.size() - digits.size(), '0');
      names.push_back(join(digits));
    }
    return names;
  }
  // Letters: the runs may differ only in their last letter ("graf01b" - "graf01e").
  if (x.size() != y.size() || x.substr(0, x.size() - 1) != y.substr(0, y.size() - 1) ||
      !std::isalpha(static_cast<unsigned char>(x.back())) || y.back() <= x.back()) {
    Bad(what + " does not run over one number or letter");
  }
  for (char c = x.back(); c <= y.back(); ++c) {
    names.push_back(join(x.substr(0, x.size() - 1) + c));
  }
  return names;
}

StepScript::StepScript(int count, std::initializer_list<ScriptStep> steps) : count_(count) {
  for (const ScriptStep& s : steps) {
    Step step;
    step.index = s.index;
    const char* controls[] = {s.control1, s.control2, s.control3};
    for (int i = 0; i < 3; ++i) step.controls[i] = controls[i] ? controls[i] : "";
    step.waitForSolution = s.waitForSolution;
    Add(std::move(step));
  }
}

StepScript::StepScript(int count, std::string_view script) : count_(count) {
  for (std::string_view text : StepTexts(script)) {
    std::vector<std::string> words = Words(text);
    if (words.empty()) continue;
    const std::string head = words.front();
    words.erase(words.begin());
    bool wait = false;
    if (!words.empty() && words.front() == "W") {
      wait = true;
      words.erase(words.begin());
    }
    const size_t dash = head.find('-');
    if (dash == std::string::npos) {
      if (words.size() > 3) Bad("step " + head + " reveals more than three controls");
      Step step;
      step.index = Index(head);
      step.waitForSolution = wait;
      for (size_t i = 0; i < words.size(); ++i) {
        step.controls[i] = words[i] == "_" ? "" : words[i];
      }
      Add(std::move(step));
      continue;
    }
    if (wait) Bad("the run " + head + " cannot wait for the solution");
    const int from = Index(head.substr(0, dash)), to = Index(head.substr(dash + 1));
    std::vector<std::string> names;
    for (const std::string& w : words) {
      const size_t d = w.find('-');
      if (d == std::string::npos) {
        names.push_back(w);
      } else {
        for (std::string& n : NameRange(w.substr(0, d), w.substr(d + 1))) {
          names.push_back(std::move(n));
        }
      }
    }
    if (to < from || static_cast<int>(names.size()) != to - from + 1) {
      Bad("the run " + head + " has " + std::to_string(names.size()) + " controls");
    }
    for (int i = from; i <= to; ++i) {
      Step step;
      step.index = i;
      step.controls[0] = names[i - from];
      Add(std::move(step));
    }
  }
}

void StepScript::Add(Step step) {
  if (step.index < 0 || step.index >= count_) {
    throw std::out_of_range("step script: step " + std::to_string(step.index) +
                            " lies outside the script of " + std::to_string(count_));
  }
  for (const Step& s : steps_) {
    if (s.index == step.index) Bad("step " + std::to_string(step.index) + " is given twice");
  }
  steps_.push_back(std::move(step));
}

std::vector<std::string> StepScript::Names() const {
  std::set<std::string> names;
  for (const Step& s : steps_) {
    for (const std::string& n : s.controls) {
      if (!n.empty()) names.insert(n);
    }
  }
  return {names.begin(), names.end()};
}

DelayTable::DelayTable(int baseMs, std::initializer_list<std::pair<int, int>> exceptions)
    : base_(baseMs), exceptions_(exceptions) {}

DelayTable DelayTable::After(std::initializer_list<int> steps, int ms) const {
  DelayTable t = *this;
  for (int s : steps) t.exceptions_.emplace_back(s, ms);
  return t;
}

int DelayTable::For(int step) const {
  for (const auto& [s, ms] : exceptions_) {
    if (s == step) return ms;
  }
  return base_;
}

bool FirstOpening(TForm& page) {
  // A plain component of the page marks the instance as opened.
  static constexpr const char* kMark = "PageOpened";
  if (page.FindComponent(kMark)) return false;
  (new TComponent(&page))->SetName(kMark);
  return true;
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

template class SteppedPage<Tzaznam>;
template class SteppedPage<Tzaznam_new>;
