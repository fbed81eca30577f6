// The live-graph pattern of the elementary-function pages: a short reveal of the definition,
// then a 10 ms poll that clamps the parameters, lets the page rewrite its property texts and
// redraws the graph whenever a parameter edit changed.
//
// A page states its parameters and controls in a LivePageSpec, creates one TLiveGraph in its
// Akce and forwards its handlers to it:
//   Akce        -> new TLiveGraph(*this, description), the page's own opening work, then Start(...)
//   zobrazeni   -> RevealTick()
//   Proved(2)   -> ParamEdited()
//   pomXChange  -> TenthsChanged(index of X)
//   aktualizace -> Update(the page's texts and drawing, given the parameter values)
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
  std::string name;             // "A", "B", ... ("A1" on the goniometric pages)
  double low = -20, high = 20;  // typed values beyond are clamped to these
};

struct LivePageSpec {
  std::vector<LiveParam> params;  // in the page's order: the order of conversion and clamping
  bool tenths = true;             // the arrows count tenths in the hidden edits pomX
  bool reveal = true;             // frame, records, then the live part; else live at once
  std::string definition;         // the picture of record 0 ("img", "img01", "def")
  int pauseRecords = 0;           // records after it that only pause for one tick
  std::vector<std::string> liveControls;  // shown when the reveal ends
  bool warning = false;                   // the page has `upozorneni`, hidden when the reveal ends
  int decimals = 1;                       // of the numbers written on the labels
  int scale = 18;                         // pixels per unit of the graph
  bool publishTimer = false;              // the page timer becomes the shell's StepTimer
};

// The state of one live page: owned by the page (so it dies with it) and named "LiveGraph".
class TLiveGraph : public TComponent {
 public:
  // Opening work before the page's own: RevealStep -1, the frame's brush, the step records.
  // Raises Exception when the page lacks a control that the description names.
  TLiveGraph(TForm& page, LivePageSpec description);

  // Opening work after the page's own: ParamsChanged, the graph object over grafImg, and the
  // page timer (1000 ms with `reveal`, or 10 ms with `update` for a page without a reveal).
  void Start(TNotifyEvent reveal, TNotifyEvent update);

  // One tick of the reveal: the frame, then one record per tick, then GoLive.
  void RevealTick();
  // Shows the live controls, hides the warning and turns the page timer to 10 ms polling.
  void GoLive();

  // OnChange of a parameter edit: marks the parameters changed when every edit holds a number
  // and writes the tenths into the hidden edits; a text that is no number changes nothing.
  void ParamEdited();
  // OnChange of the hidden edit of parameter `index` (an arrow click): writes the tenths value
  // into the visible edit unless that already shows the same value.
  void TenthsChanged(int index);

  // The 10 ms poll: when a parameter changed, clamps them in order, reads their values (a zero
  // is always +0) and hands them to `page`; ParamsChanged is cleared at the end in any case.
  void Update(const std::function<void(const std::vector<double>& values)>& page);

  // Parses the expression and, when the engine accepts it, draws it over a fresh grid.
  // Returns whether it was drawn.
  bool Draw(const std::string& expression, TColor colour);

  // Colours the edit of parameter `index` for a degenerate value or back to the page colour.
  void MarkDegenerate(int index, bool degenerate);

  // A number for a label: rounded to the page's decimals (halves to even), general format.
  std::string Number(double value) const;
  // The same with its sign set apart: "– 2,5" (en dash, blank) or "+ 2,5".
  std::string Signed(double value) const;

  // The text of a value for an expression: general format, unrounded.
  static std::string Term(double value);
  // A term that follows another: a "+" in front unless the text brings its own minus.
  static std::string FollowingTerm(const std::string& text);

  bool ParamsChanged() const { return paramsChanged_; }
  int RevealStep() const { return revealStep_; }
  TTimer* Timer() const { return timer_.get(); }
  // The last expression handed to the engine that was drawn, and its colour.
  const std::string& DrawnExpression() const { return drawnExpression_; }
  TColor DrawnColour() const { return drawnColour_; }

 private:
  struct Bundle {
    LiveParam param;
    TMaskEdit* edit = nullptr;
    TMaskEdit* tenths = nullptr;
    TUpDown* arrows = nullptr;
  };
  template <class T>
  T* Control(const std::string& name) const;

  TForm& page_;
  LivePageSpec description_;
  std::vector<Bundle> params_;
  TShape* frame_ = nullptr;
  TImage* grafImg_ = nullptr;
  TControl* warning_ = nullptr;
  std::vector<TControl*> liveControls_;
  std::vector<std::unique_ptr<Tzaznam>> records_;
  std::unique_ptr<Tgraf> graf_;
  TRef<TTimer> timer_;
  TNotifyEvent update_;
  int revealStep_ = -1;
  bool paramsChanged_ = false;
  std::string drawnExpression_;
  TColor drawnColour_ = 0;
};

// The live state of a page, or null before its Akce ran.
TLiveGraph* LiveGraphOf(const TForm* page);

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
