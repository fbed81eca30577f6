#include "exercises/unit_frmFceCElemParam.h"

TfrmFceCElemParam* frmFceCElemParam = nullptr;

namespace {

// Six steps: the plan, then one column a click (the graph, its formula, what was done).
ExerciseHandler ColumnHint(const std::string& x) {
  const std::string n = "nap1" + x;
  std::vector<HintStepPieces> steps = {{{n}}};
  for (int c = 1; c <= 5; ++c) {
    const std::string col = n + std::to_string(c);
    steps.push_back({{col + "a", col + "b", col + "c"}});
  }
  return Stepped("btn1" + x + "Click", steps);
}

std::vector<ExerciseHandler> Columns(const std::string& x) {
  std::vector<ExerciseHandler> out;
  for (int c = 1; c <= 5; ++c) {
    out.push_back(Enlarge("nap1" + x + std::to_string(c) + "aClick", "p1" + x + std::to_string(c)));
  }
  return out;
}

std::vector<ExerciseHandler> Part(int part) {
  const std::string p = std::to_string(part);
  return Join({
      Items("abcdefghij",
            [&p](std::string x) { return Result("btnu1" + p + x + "Click", {"res1_" + p + x}); }),
      Items(
          "abcdefghij",
          [&p](std::string x) { return Enlarge("res1_" + p + x + "Click", "u1_" + p + x + "r"); }),
  });
}

ExerciseTables& PageTables() {
  // `Akce` is bound to the page's creation and to the title label, not to its activation.
  static ExerciseTables tables({"img/BIG/Eparam/", 18},
                               Join({
                                   {
                                       Hint("btn10Click", {"nap101"}),
                                       ColumnHint("a"),
                                       ColumnHint("b"),
                                       Result("btn1arClick", {"res1a"}),
                                       Result("btn1brClick", {"res1b"}),
                                       // The result lies over the fifth column's graph.
                                       Enlarge("res1aClick", "p1a6"),
                                       Enlarge("res1bClick", "p1b6"),
                                   },
                                   Columns("a"),
                                   Columns("b"),
                                   Part(1),
                                   Part(2),
                                   Part(3),
                               }));
  return tables;
}

}  // namespace

ExerciseTables& TfrmFceCElemParam::Tables() {
  return PageTables();
}

const TFormClass& TfrmFceCElemParam::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCElemParam", &frmFceCElemParam);
  return cls;
}
