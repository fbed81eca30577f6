// The stepped presentation of the theory pages: a fixed script of steps, each revealing up to
// three controls, one step per tick of the page's published timer, with the page's delays, the
// halt for the solution button and sheets turned with two buttons.
//
// A page is its tables: a SteppedPage holds its script, delays and options, registers the
// page's handlers (`Akce`, the tick, `Reseni`, the sheet buttons) on its form class and keeps
// the page's state as a variable of the page's module. The standard tick is the default; a page
// that codes its steps in the tick gives its own tick function. See docs/pages.md.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/buttons.h"
#include "platform/forms.h"
#include "platform/streaming.h"
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
  // One step as the script holds it: its index, its controls (empty: none), its halt.
  struct Step {
    int index = 0;
    std::string controls[3];
    bool waitForSolution = false;
  };

  StepScript(int count, std::initializer_list<ScriptStep> steps);
  // The script as the lessons write it, steps apart by "·" (or "|"):
  //   "0 def01 text01_img · 1 pr01 text02 · 2-5 graf01-graf04 · 20 W graf05 ·
  //    21-23 graf05b, graf05c, graf06b"
  // A step is its index and up to three controls (Control1 to Control3; "_" leaves one
  // empty), "W" marking the step that waits for the solution. A run "a-b" reveals one control
  // a step, taken in order from its names, where "graf01-graf04" and "graf01b-graf01e" stand
  // for the names between. Raises std::invalid_argument on a step outside the script, a step
  // given twice or a run whose names do not match its steps.
  StepScript(int count, std::string_view script);
  StepScript() : count_(0) {}

  int Count() const { return count_; }
  // The records of a page instance, their controls looked up by name on the page.
  template <class Record>
  std::vector<Record> Build(TForm& page) const;
  // Every control the script names, for the form class's Requires.
  std::vector<std::string> Names() const;
  const std::vector<Step>& Steps() const { return steps_; }

 private:
  void Add(Step step);
  int count_;
  std::vector<Step> steps_;
};

// The names of a run "graf01-graf04" or "graf01b-graf01e": the two ends differ in one number
// or one letter. Raises std::invalid_argument otherwise.
std::vector<std::string> NameRange(std::string_view first, std::string_view last);

// The pause after each step: a base delay and the steps whose pause differs.
class DelayTable {
 public:
  explicit DelayTable(int baseMs, std::initializer_list<std::pair<int, int>> exceptions = {});
  // The same table with `ms` after each of `steps`: DelayTable(1000).After({0, 6}, 4000).
  DelayTable After(std::initializer_list<int> steps, int ms) const;
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

// True the first time it is asked for `page`, then never again for that page instance: the
// opening work of a page runs once per instance, so that a second activation (or an error box
// during the opening) starts no second presentation. The mark is a component of the page and
// goes with it.
bool FirstOpening(TForm& page);

// The standard tick (the property pages):
// 1. after the last step: stop the timer, nothing else;
// 2. in step mode, until the solution was asked for: stop and enable btnKrok; otherwise the
//    interval of the step's pause;
// 3. reveal the record (which may show btnRes and stop the timer), next step.
template <class Record>
void StandardTick(const std::vector<Record>& records, PresentationState& state,
                  const DelayTable& delays, TControl* btnRes);

// Steps 2 and 3 of the standard tick for a record that need not be the step's own, leaving
// RevealStep as it is: for a page that shows one step over several ticks (page 2.1's frames
// around its small graphs), each tick obeying step mode and taking the step's pause.
template <class Record>
void RevealTick(const Record& record, const PresentationState& state, const DelayTable& delays,
                TControl* btnRes);

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

// A stepped page: its tables and the state of its module. One object per page module:
//
//   SteppedPage<> page({.script = StepScript(30, "0 text01_img · 1 pr01 text02 · ..."),
//                       .delays = DelayTable(1000).After({0, 1, 6, 14}, 4000),
//                       .solutionButton = "btnRes"});
//   const TFormClass& TfrmFceVDf::FormClass() {
//     static const TFormClass cls = page.FormClass<TfrmFceVDf>("TfrmFceVDf", &frmFceVDf);
//     return cls;
//   }
template <class Record = Tzaznam>
class SteppedPage {
 public:
  struct Description {
    StepScript script;
    DelayTable delays = DelayTable(1000);
    int firstInterval = 1000;                // the first step shows this long after opening
    std::string tickHandler = "kontrola";    // the name of the tick handler
    std::string solutionButton;              // "btnRes": the halt's button, with `Reseni`
    std::vector<int> sheets;                 // the first step of each sheet: the sheet buttons
    std::vector<std::string> controls;       // further controls that the page's code names
    std::function<void(SteppedPage&)> open;  // opening work after the records, before the timer
    // opening work after the timer started: where it fails (a missing file), the error is
    // shown and the presentation runs on
    std::function<void(SteppedPage&)> started;
    std::function<void(SteppedPage&)> tick;  // a page's own tick; empty: the standard tick
    std::function<void(SteppedPage&, int delta)> turn;  // a page's own sheet turn
  };

  explicit SteppedPage(Description description) : d_(std::move(description)) {}

  // The page's form class with its handlers and the controls its tables name. `F` is the page
  // class, its layout named after the class without the leading T.
  template <class F>
  TFormClass FormClass(std::string className, F** pageVariable) {
    TFormClass cls = TFormClass::Of<F>(className, className.substr(1), pageVariable);
    AddTo(cls);
    return cls;
  }
  void AddTo(TFormClass& cls);

  // The module state: the records of the open instance and the presentation's state.
  std::vector<Record> records;
  PresentationState state;

  // The open instance (for the page's own tick and opening work).
  TForm& Page() const { return *page_.get(); }
  TTimer* Timer() const { return timer_.get(); }
  const Description& Tables() const { return d_; }
  // A control of the open instance by name (raises when the layout lacks it).
  TControl& C(std::string_view name) const { return Named<TControl>(Page(), name); }
  void Show(std::initializer_list<std::string_view> names) const;
  void Hide(std::initializer_list<std::string_view> names) const;
  // Brings the control to the top of the stacking order and shows it.
  void Front(std::string_view name) const;
  TControl* SolutionButton() const;
  TSpeedButton* BackButton() const;
  TSpeedButton* NextButton() const;

  // The standard tick on this page's tables.
  void StandardTick() { ::StandardTick(records, state, d_.delays, SolutionButton()); }
  // A tick that shows `record` for the current step and stays at it (see ::RevealTick).
  void RevealTick(const Record& record) {
    ::RevealTick(record, state, d_.delays, SolutionButton());
  }
  // The tick that the page's timer runs.
  void Tick();

 private:
  void Open(TForm& page);
  void Turn(TForm& page, int delta);

  Description d_;
  TRef<TForm> page_;
  TRef<TTimer> timer_;
};

// ---- templates ----------------------------------------------------------------------------

template <class Record>
std::vector<Record> StepScript::Build(TForm& page) const {
  auto find = [&page](const std::string& name) -> TControl* {
    return name.empty() ? nullptr : dynamic_cast<TControl*>(page.FindComponent(name));
  };
  std::vector<Record> records(count_);
  for (const Step& s : steps_) {
    Record& r = records.at(s.index);
    r.Control1 = find(s.controls[0]);
    r.Control2 = find(s.controls[1]);
    r.Control3 = find(s.controls[2]);
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
  RevealTick(records[state.RevealStep], state, delays, btnRes);
  ++state.RevealStep;
}

template <class Record>
void RevealTick(const Record& record, const PresentationState& state, const DelayTable& delays,
                TControl* btnRes) {
  TTimer* timer = StepTimer.get();
  if (state.SolutionRequested || !HaltForStepMode()) {
    if (timer) timer->SetInterval(delays.For(state.RevealStep));
  }
  ShowStepRecord(record, timer, btnRes);
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

template <class Record>
void SteppedPage<Record>::AddTo(TFormClass& cls) {
  cls.Handler<TForm>("Akce", [this](TForm& f, TObject*) { Open(f); });
  cls.Handler<TForm>(d_.tickHandler, [this](TForm& f, TObject*) {
    page_ = &f;
    Tick();
  });
  if (!d_.solutionButton.empty()) {
    cls.Handler<TForm>("Reseni", [this](TForm&, TObject*) { RequestSolution(state); });
    cls.Requires({d_.solutionButton});
  }
  if (!d_.sheets.empty()) {
    cls.Handler<TForm>("btnListZpetClick", [this](TForm& f, TObject*) { Turn(f, -1); });
    cls.Handler<TForm>("btnListDalsiClick", [this](TForm& f, TObject*) { Turn(f, +1); });
    cls.Requires({"btnListZpet", "btnListDalsi"});
  }
  cls.Requires(d_.script.Names());
  cls.Requires(d_.controls);
}

template <class Record>
void SteppedPage<Record>::Open(TForm& page) {
  if (!FirstOpening(page)) return;
  page_ = &page;
  records = d_.script.template Build<Record>(page);
  state = PresentationState{};
  if (d_.open) d_.open(*this);
  TForm* form = &page;
  auto tick = [this, form](TObject*) {
    page_ = form;
    Tick();
  };
  timer_ = PublishStepTimer(&page, d_.firstInterval, TNotifyEvent(tick, d_.tickHandler));
  if (d_.started) d_.started(*this);
}

template <class Record>
void SteppedPage<Record>::Tick() {
  if (d_.tick) {
    d_.tick(*this);
  } else {
    StandardTick();
  }
}

template <class Record>
void SteppedPage<Record>::Turn(TForm& page, int delta) {
  page_ = &page;
  if (d_.turn) {
    d_.turn(*this, delta);
    return;
  }
  const int sheets = static_cast<int>(d_.sheets.size());
  if (state.CurrentSheet + delta < 1 || state.CurrentSheet + delta > sheets) return;
  TurnSheet(state, delta, d_.sheets);
  Tick();
}

template <class Record>
void SteppedPage<Record>::Show(std::initializer_list<std::string_view> names) const {
  for (std::string_view n : names) C(n).Show();
}

template <class Record>
void SteppedPage<Record>::Hide(std::initializer_list<std::string_view> names) const {
  for (std::string_view n : names) C(n).Hide();
}

template <class Record>
void SteppedPage<Record>::Front(std::string_view name) const {
  TControl& c = C(name);
  c.BringToFront();
  c.Show();
}

template <class Record>
TControl* SteppedPage<Record>::SolutionButton() const {
  return d_.solutionButton.empty() ? nullptr : &C(d_.solutionButton);
}

template <class Record>
TSpeedButton* SteppedPage<Record>::BackButton() const {
  return d_.sheets.empty() ? nullptr : &Named<TSpeedButton>(Page(), "btnListZpet");
}

template <class Record>
TSpeedButton* SteppedPage<Record>::NextButton() const {
  return d_.sheets.empty() ? nullptr : &Named<TSpeedButton>(Page(), "btnListDalsi");
}

// Built once in stepped_page.cpp rather than in every page module that includes this.
extern template class SteppedPage<Tzaznam>;
extern template class SteppedPage<Tzaznam_new>;
