// The stepped presentation of the theory pages: a fixed script of steps, each revealing up to
// three controls, one step per tick of the page's published timer, with the page's delays, the
// halt for the solution button and sheets turned with two buttons. A page keeps its script,
// delays and sheets as tables in its module and writes its own tick from the pieces here; the
// common tick of the property pages is StandardTick.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "platform/buttons.h"
#include "platform/forms.h"
#include "shell/unit_frmMain.h"
#include "shell/unit_zaznam.h"

// One step of a script: the controls its record reveals (Control1..Control3, by name; null
// for none) and whether the presentation waits after it for the solution button.
struct ScriptStep {
  int index;
  const char* control1 = nullptr;
  const char* control2 = nullptr;
  const char* control3 = nullptr;
  bool waitForSolution = false;
};

// A page's script: `count` records, of which the listed steps reveal something; the others
// are silent steps that cost one tick.
class StepScript {
 public:
  StepScript(int count, std::initializer_list<ScriptStep> steps);
  int Count() const { return count_; }
  // The records of a page instance, their controls looked up by name on the page.
  template <class Record>
  std::vector<Record> Build(TForm& page) const;
  // Every control the script names, for the form class's Requires.
  std::vector<std::string> Names() const;

 private:
  int count_;
  std::vector<ScriptStep> steps_;
};

// The pause after each step: a base delay and the steps whose pause differs.
class DelayTable {
 public:
  DelayTable(int baseMs, std::initializer_list<std::pair<int, int>> exceptions = {});
  int For(int step) const;

 private:
  int base_;
  std::vector<std::pair<int, int>> exceptions_;
};

// The state of a presentation, kept in a variable of the page's module and set anew when the
// page opens.
struct PresentationState {
  int RevealStep = 0;
  bool SolutionRequested = false;
  int CurrentSheet = 1;
  int PreviousSheet = 0;
};

// The opening work of a page runs once per page instance: a member of the page, consulted at
// the top of its opening handler, so that a second activation (or an error box during the
// opening) starts no second presentation.
class OpeningGuard {
 public:
  // True the first time only.
  bool First() {
    if (done_) return false;
    done_ = true;
    return true;
  }

 private:
  bool done_ = false;
};

// The standard tick (the property pages):
// 1. after the last step: stop the timer, nothing else;
// 2. in step mode, until the solution was asked for: stop and enable btnKrok; otherwise the
//    interval of the step's pause;
// 3. reveal the record (which may show btnRes and stop the timer), next step.
template <class Record>
void StandardTick(const std::vector<Record>& records, PresentationState& state,
                  const DelayTable& delays, TControl* btnRes);

// Shows the record's controls, first to third (empty ones skipped), and nothing else: the tick
// of a page without a solution halt, which leaves every button alone.
template <class Record>
void RevealRecord(const Record& record);

// The solution button (`Reseni`): the timer goes on with its interval unchanged and step mode no
// longer halts the presentation.
void RequestSolution(PresentationState& state);

// Hides every control of the records first..last (turning to another sheet).
template <class Record>
void HideRecords(const std::vector<Record>& records, int first, int last);

// The sheet buttons for sheet `sheet` of `sheets`: back disabled on the first, next on the last.
void SetSheetButtons(TSpeedButton* back, TSpeedButton* next, int sheet, int sheets);

// Turns the sheet from a button: PreviousSheet := CurrentSheet, CurrentSheet + delta, RevealStep
// := the new sheet's first step (`firstSteps[sheet - 1]`).
void TurnSheet(PresentationState& state, int delta, const std::vector<int>& firstSteps);

// ---- templates ----------------------------------------------------------------------------

template <class Record>
std::vector<Record> StepScript::Build(TForm& page) const {
  auto find = [&page](const char* name) -> TControl* {
    return name ? dynamic_cast<TControl*>(page.FindComponent(name)) : nullptr;
  };
  std::vector<Record> records(count_);
  for (const ScriptStep& s : steps_) {
    Record& r = records.at(s.index);
    r.Control1 = find(s.control1);
    r.Control2 = find(s.control2);
    r.Control3 = find(s.control3);
    r.WaitForSolution = s.waitForSolution;
  }
  return records;
}

template <class Record>
void StandardTick(const std::vector<Record>& records, PresentationState& state,
                  const DelayTable& delays, TControl* btnRes) {
  TTimer* timer = StepTimer.get();
  if (state.RevealStep >= static_cast<int>(records.size())) {
    if (timer) timer->SetEnabled(false);
    return;
  }
  if (state.SolutionRequested || !HaltForStepMode()) {
    if (timer) timer->SetInterval(delays.For(state.RevealStep));
  }
  ShowStepRecord(records[state.RevealStep], timer, btnRes);
  ++state.RevealStep;
}

template <class Record>
void RevealRecord(const Record& record) {
  for (TControl* c : {record.Control1, record.Control2, record.Control3}) {
    if (c) c->SetVisible(true);
  }
}

template <class Record>
void HideRecords(const std::vector<Record>& records, int first, int last) {
  for (int i = first; i <= last && i < static_cast<int>(records.size()); ++i) {
    for (TControl* c : {records[i].Control1, records[i].Control2, records[i].Control3}) {
      if (c) c->SetVisible(false);
    }
  }
}
