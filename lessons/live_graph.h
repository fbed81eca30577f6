// The live-graph pattern of the elementary-function pages: a short reveal of the definition,
// then a 10 ms poll that clamps the parameters, lets the page rewrite its property texts and
// redraws the graph whenever a parameter edit changed.
//
// A page is its description: a LivePage names its parameters and controls, its opening work
// and its update, and registers the handlers the layout binds (`Akce`, `zobrazeni`,
// `aktualizace`, `Proved`/`Proved2`, `pomXChange`) on the page's form class, with every control
// it names as what the layout must hold. The state of the open page is a TLiveGraph, a
// component of the page that dies with it. See docs/pages.md.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/unit_graf.h"
#include "platform/classes.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/forms.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "platform/timers.h"
#include "shell/unit_zaznam.h"

// Colours shared by the live pages.
inline constexpr TColor kEditColour = 0xC0DCC0;       // the page colour
inline constexpr TColor kDegenerateEdit = 0xF0CAA6;   // a parameter that degenerates the function
inline constexpr TColor kGraphColour = 255;           // red
inline constexpr TColor kDegenerateGraph = 0xFF5B5B;  // the graph of a degenerate function
inline constexpr TColor kDefinitionFrame = 0xE7E4E0;  // brush of the frame `obdelnik`

// One parameter X: the edit hodnota_X, the hidden tenths edit pomX and the arrows sipky_X.
struct LiveParam {
  std::string name;             // "A", "B", ...
  double low = -20, high = 20;  // typed values beyond are clamped to these
  std::string edit;             // the edit where it is not hodnota_X ("hodnota_A1" with pomA)
};
// The name of the parameter's visible edit.
std::string EditName(const LiveParam& p);

struct LivePageDescription {
  std::vector<LiveParam> params;  // in the page's order: the order of conversion and clamping
  bool tenths = true;             // the arrows count tenths in the hidden edits pomX
  bool reveal = true;             // frame, records, then the live part; else live at once
  std::string definition;         // the picture of record 0 ("img", "img01", "def")
  int pauseRecords = 0;           // records after it that only pause for one tick
  std::vector<std::string> liveControls;  // shown when the reveal ends
  bool warning = false;                   // the page has `upozorneni`, hidden when the reveal ends
  int decimals = 1;                       // of the numbers written on the labels
  std::vector<std::string> pictures = {"grafImg"};  // one graph object over each
  int scale = 18;                                   // pixels per unit of the graphs
  int lowerY = 0;  // the graphs' y range moved down by this many units from the centred view
  bool publishTimer = false;  // the page timer becomes the shell's StepTimer
  // Half-typed texts («-», «-0,»): while an edit holds one exactly, the update does nothing and
  // the change is dropped, so that a number is not drawn before it is complete.
  std::vector<std::string> pauseTexts;
  bool tenthsErrorClears = false;  // a hidden edit that holds no number drops the change
};

// The state of one live page: owned by the page (so it dies with it) and named "LiveGraph".
class TLiveGraph : public TComponent {
 public:
  // Opening work before the page's own: RevealStep -1, the frame's brush, the step records.
  // Raises Exception when the page lacks a control that the description names.
  TLiveGraph(TForm& page, LivePageDescription description);

  // Opening work after the page's own: ParamsChanged, a graph object over each picture, and the
  // page timer (1000 ms with `reveal`, or 10 ms with `update` for a page without a reveal).
  void Start(TNotifyEvent reveal, TNotifyEvent update);
  // The same without a timer, for a page whose own presentation runs the page timer first (the
  // goniometric pages); GoLive(timer) then turns that timer to `update`.
  void Prepare(TNotifyEvent update);

  // One tick of the reveal: the frame, then one record per tick, then GoLive.
  void RevealTick();
  // Shows the live controls, hides the warning and turns the page timer to 10 ms polling.
  void GoLive();
  // The same on `timer`, which becomes the page timer (the presentation's, after Prepare).
  void GoLive(TTimer* timer);

  // OnChange of a parameter edit: marks the parameters changed when every edit holds a number
  // and writes the tenths into the hidden edits; a text that is no number changes nothing.
  void ParamEdited();
  // OnChange of the hidden edit of parameter `index` (an arrow click): writes the tenths value
  // into the visible edit unless that already shows the same value.
  void TenthsChanged(int index);

  // The 10 ms poll: when a parameter changed and no edit holds a half-typed text, clamps them
  // in order, reads their values (a zero is always +0) and hands them to `page`; ParamsChanged
  // is cleared at the end in any case.
  void Update(const std::function<void(const std::vector<double>& values)>& page);

  // Parses the expression and, when the engine accepts it, draws it over a fresh grid into the
  // picture `picture` of the description; otherwise the picture shows the empty grid, so that
  // no graph stays under texts that describe other values. Returns whether it was drawn.
  bool Draw(const std::string& expression, TColor colour, int picture = 0);
  // Parses the expression and, when the engine accepts it, plots it over what the picture
  // shows (a second curve over the first). Returns whether it was drawn.
  bool DrawOver(const std::string& expression, TColor colour, int picture = 0);
  // The fresh grid alone in the picture: the function has no point to draw.
  void DrawEmpty(int picture = 0);
  // The graph object of a picture, whose view the page may move after Start.
  Tgraf& Graf(int picture = 0) const { return *areas_.at(picture).graf; }

  // Colours the edit of parameter `index` for a degenerate value or back to the page colour.
  void MarkDegenerate(int index, bool degenerate);

  // A number for a label: rounded to the page's decimals (halves to even), general format.
  std::string Number(double value) const;
  // The same with its sign set apart: "– 2,5" (en dash, blank) or "+ 2,5".
  std::string Signed(double value) const;

  // The text of a value for an expression: general format, unrounded.
  static std::string Term(double value);
  // The text of a value as typed, for pages that draw the typed texts: kept when it is a plain
  // decimal number («-1,50»), else (a «+», blanks, an exponent, «1,») the value's own text, so
  // that the engine reads every term; a zero is "0".
  static std::string TypedTerm(const std::string& typed, double value);
  // A term that follows another: a "+" in front unless the text brings its own minus.
  static std::string FollowingTerm(const std::string& text);

  bool ParamsChanged() const { return paramsChanged_; }
  int RevealStep() const { return revealStep_; }
  TTimer* Timer() const { return timer_.get(); }
  // The expression that a picture shows (empty for the grid alone), and its colour.
  const std::string& DrawnExpression(int picture = 0) const { return areas_.at(picture).drawn; }
  TColor DrawnColour(int picture = 0) const { return areas_.at(picture).colour; }
  // The curve drawn over it by DrawOver since (empty for none), and its colour.
  const std::string& OverExpression(int picture = 0) const { return areas_.at(picture).over; }
  TColor OverColour(int picture = 0) const { return areas_.at(picture).overColour; }

 private:
  struct Bundle {
    LiveParam param;
    TMaskEdit* edit = nullptr;
    TMaskEdit* tenths = nullptr;
    TUpDown* arrows = nullptr;
  };
  struct Area {
    TImage* image = nullptr;
    std::unique_ptr<Tgraf> graf;
    std::string drawn;
    TColor colour = 0;
    std::string over;
    TColor overColour = 0;
  };
  template <class T>
  T* Control(const std::string& name) const;

  TForm& page_;
  LivePageDescription description_;
  std::vector<Bundle> params_;
  TShape* frame_ = nullptr;
  std::vector<Area> areas_;
  TControl* warning_ = nullptr;
  std::vector<TControl*> liveControls_;
  std::vector<std::unique_ptr<Tzaznam>> records_;
  TRef<TTimer> timer_;
  TNotifyEvent update_;
  int revealStep_ = -1;
  bool paramsChanged_ = false;
};

// The live state of a page, or null before its Akce ran.
TLiveGraph* LiveGraphOf(const TForm* page);

// A live page: its description and its own code.
//
//   LivePage<TfrmFceElemLin> page({.params = {{"A"}, {"B"}}, ...}, {
//       .edited = "Proved",
//       .update = [](TfrmFceElemLin& f, TLiveGraph& live, const std::vector<double>& v) {...}});
//   const TFormClass& TfrmFceElemLin::FormClass() {
//     static const TFormClass cls = page.FormClass("TfrmFceElemLin", &frmFceElemLin);
//     return cls;
//   }
//
// A page whose opening and first phase belong to another pattern (the goniometric pages' stepped
// introduction) takes only the live phase: AddLivePhase registers `aktualizace`, the edits' and
// `pomXChange` handlers, and Attach makes the live state at that page's opening (without a
// timer; TLiveGraph::GoLive(timer) takes over the page's).
// The pattern's work on any page; `LivePage<F>` gives it the page's own class.
class LivePageCore {
 public:
  struct Code {
    std::string edited = "Proved2";  // the OnChange handler of the parameter edits
    // The page's opening work (start values, fonts), before the timer starts.
    std::function<void(TForm&, TLiveGraph&)> open;
    // The texts and the drawing for the parameter values, after the clamps.
    std::function<void(TForm&, TLiveGraph&, const std::vector<double>&)> update;
  };
  LivePageCore(LivePageDescription description, Code code)
      : description_(std::move(description)), code_(std::move(code)) {}

  void AddTo(TFormClass& cls) const;
  void AddLivePhase(TFormClass& cls) const;
  TLiveGraph& Attach(TForm& page) const;
  const LivePageDescription& Description() const { return description_; }

 private:
  // The 10 ms update of the open page.
  void RunUpdate(TForm& page) const;
  TNotifyEvent UpdateEvent(TForm& page) const;

  LivePageDescription description_;
  Code code_;
};

// A live page of class `F`: its description and its code on `F`. Only this thin layer is built
// in each page module; the pattern itself is compiled once.
template <class F>
class LivePage : public LivePageCore {
 public:
  struct Code {
    std::string edited = "Proved2";
    std::function<void(F&, TLiveGraph&)> open;
    std::function<void(F&, TLiveGraph&, const std::vector<double>&)> update;
  };
  LivePage(LivePageDescription description, Code code)
      : LivePageCore(std::move(description), Untyped(std::move(code))) {}

  TFormClass FormClass(std::string className, F** pageVariable) const {
    TFormClass cls = TFormClass::Of<F>(className, className.substr(1), pageVariable);
    AddTo(cls);
    return cls;
  }

 private:
  static LivePageCore::Code Untyped(Code code) {
    LivePageCore::Code out;
    out.edited = std::move(code.edited);
    if (code.open) {
      out.open = [open = std::move(code.open)](TForm& page, TLiveGraph& live) {
        open(static_cast<F&>(page), live);
      };
    }
    if (code.update) {
      out.update = [update = std::move(code.update)](TForm& page, TLiveGraph& live,
                                                     const std::vector<double>& values) {
        update(static_cast<F&>(page), live, values);
      };
    }
    return out;
  }
};

// Every control a live page's description names.
std::vector<std::string> LiveControlNames(const LivePageDescription& d);

// Places the labels side by side from the first one's place, each after the one before (a
// number on a label has no fixed width); `gaps` pixels between each pair, 0 where none is given.
void PlaceInRow(const std::vector<TControl*>& labels, const std::vector<int>& gaps = {});

// A number exactly as its 15-digit text shows it: mantissa × 10^-scale. Comparisons that
// decide what a page says are made on these, so that a value typed as 0,1 is one tenth.
struct ExactProduct {
  __int128 mantissa = 0;
  int scale = 0;
};
// factor × x × y, exactly on the 15-digit texts of x and y (|factor| small).
ExactProduct Product(double x, double y, int factor = 1);
// -1, 0 or 1 as p is less than, equal to or greater than q.
int Compare(const ExactProduct& p, const ExactProduct& q);
