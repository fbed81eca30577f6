// The exercise pages: tabs of worked examples and exercises whose hints, results and enlarged
// pictures are revealed by buttons and clicks. A page states its handlers as a table — which
// pieces each button shows, which picture each click enlarges — and the table gives the form
// class its handlers, its counters and what the layout checker must find.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/comctrls.h"
#include "platform/forms.h"
#include "platform/streaming.h"

// One step of a hint: the pieces it shows (in this order), the pieces it hides again (only the
// goniometry revision page does that), and whether the shown pieces come to the front.
struct HintStepPieces {
  std::vector<std::string> show;
  std::vector<std::string> hide = {};
  bool toFront = false;
};

// What one published handler of an exercise page does.
struct ExerciseHandler {
  enum class Kind {
    Show,     // a result: show the pieces; the button stays enabled
    Hint,     // a hint of one step: show the pieces, then disable the clicked button
    Stepped,  // a stepped hint with its own counter: one step a click, disabled after the last
    Enlarge,  // a picture click: the magnifier shows folder + picture + "_big.jpg"
  };
  std::string name;
  Kind kind;
  std::vector<HintStepPieces> steps;  // Show and Hint: one step
  std::string picture;                // Enlarge
};

ExerciseHandler Result(std::string handler, std::vector<std::string> pieces);
ExerciseHandler Hint(std::string handler, std::vector<std::string> pieces);
ExerciseHandler Stepped(std::string handler, std::vector<HintStepPieces> steps);
ExerciseHandler Enlarge(std::string handler, std::string picture);

// One handler for each item letter of `letters`: Items("abcdefghij", [](std::string x) {
// return Result("btnu1" + x + "Click", {"resu1" + x + "1", "resu1" + x + "2"}); }).
std::vector<ExerciseHandler> Items(std::string_view letters,
                                   const std::function<ExerciseHandler(std::string)>& make);
// The handlers of several tables in one.
std::vector<ExerciseHandler> Join(std::initializer_list<std::vector<ExerciseHandler>> parts);

// The table of one exercise page. Its counters (one per stepped hint, the page's HintStep)
// live as long as the program, as variables of the page's module do.
class ExerciseTables {
 public:
  struct Options {
    std::string folder;      // "img/BIG/Elin/"
    int slot = 0;            // the page's slot of ExerciseTabIndex; 0: none
    bool selectsTab = true;  // a page without a slot opens on its first tab (but 1.3: no tab)
    // More work of `Akce`, after the tab is selected (a page that restores a control).
    std::function<void(TForm&)> activated = nullptr;
  };
  ExerciseTables(Options options, std::vector<ExerciseHandler> handlers);

  // The page's form class with the handlers of this table: `F` the page class, its layout
  // named after the class without the leading T.
  template <class F>
  TFormClass FormClass(std::string className, F** pageVariable) {
    TFormClass cls = TFormClass::Of<F>(className, className.substr(1), pageVariable);
    AddTo(cls);
    return cls;
  }

  // Adds the handlers `Akce`, `prikladyChange` (pages with a slot) and every handler of the
  // table to the form class, with the pieces they name and the enlarged pictures they open as
  // what the layout and the runtime folder must hold.
  void AddTo(TFormClass& formClass);

  // `Akce`: every counter back to 0, the remembered tab selected (from code: no change event),
  // then the page's own `activated` work. Hides nothing, enables nothing.
  void Akce(TForm& page);
  // `prikladyChange`: the slot takes the chosen tab, then the magnifier goes.
  void prikladyChange(TForm& page);
  // Runs handler `name` as a click of `sender` on `page` would.
  void Run(TForm& page, const std::string& name, TObject* sender);

  int HintStep(const std::string& handler) const;
  const Options& Settings() const { return options_; }
  const std::vector<ExerciseHandler>& Handlers() const { return handlers_; }

 private:
  void ShowStep(TForm& page, const HintStepPieces& step);
  Options options_;
  std::vector<ExerciseHandler> handlers_;
  std::map<std::string, int> hintStep_;
};
