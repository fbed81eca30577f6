#include "exercises/unit_frmFceCElemAbs.h"

TfrmFceCElemAbs* frmFceCElemAbs = nullptr;

namespace {

// The eight steps of a hint of tasks 1 and 3: the memo, the zero points, the intervals, the
// signs, the memo, the formulas, the memo, and last the graphs with the pieces' formulas.
ExerciseHandler EightSteps(const std::string& item, std::vector<std::string> last) {
  const std::string n = "nap" + item;
  return Stepped("btn" + item + "Click", {{{n + "1"}},
                                          {{n + "2"}},
                                          {{n + "3"}},
                                          {{n + "4"}},
                                          {{n + "5"}},
                                          {{n + "6"}},
                                          {{n + "20"}},
                                          {std::move(last)}});
}

// Task 2's six steps: the memo, three pictures, the memo, then the formulas and the graphs.
ExerciseHandler SixSteps(const std::string& item) {
  const std::string n = "nap" + item;
  std::vector<std::string> last;
  for (int k = 6; k <= 11; ++k) last.push_back(n + std::to_string(k));
  return Stepped("btn" + item + "Click",
                 {{{n + "1"}}, {{n + "2"}}, {{n + "3"}}, {{n + "4"}}, {{n + "5"}}, {last}});
}

// The graphs of a hint's last step open "p<item>1" onwards.
std::vector<ExerciseHandler> HintGraphs(const std::string& item, int count) {
  std::vector<ExerciseHandler> out;
  for (int k = 1; k <= count; ++k) {
    out.push_back(
        Enlarge("nap" + item + std::to_string(6 + k) + "Click", "p" + item + std::to_string(k)));
  }
  return out;
}

ExerciseTables& PageTables() {
  static ExerciseTables tables(
      {"img/BIG/Eabs/", 17},
      Join({
          {
              Hint("btn10Click", {"nap10"}),
              Hint("btn10bClick", {"nap10b"}),
              Hint("btn20Click", {"nap20"}),
              Hint("btn30Click", {"nap30"}),
              Hint("btn30bClick", {"nap30b"}),
              EightSteps("1a", {"nap1a7", "nap1a8", "nap1a9", "nap1a10", "nap1a11"}),
              EightSteps(
                  "1b", {"nap1b7", "nap1b8", "nap1b9", "nap1b10", "nap1b11", "nap1b12", "nap1b13"}),
              SixSteps("2a"),
              SixSteps("2b"),
              EightSteps(
                  "3a", {"nap3a7", "nap3a8", "nap3a9", "nap3a10", "nap3a11", "nap3a12", "nap3a13"}),
              // The hint of 3 b) has no tenth piece: three graphs and two formulas.
              EightSteps("3b", {"nap3b7", "nap3b8", "nap3b9", "nap3b11", "nap3b12"}),
              Result("btn1arClick", {"res1a"}),
              Result("btn1brClick", {"res1b"}),
              Result("btn2arClick", {"res2a1", "res2a2"}),
              Result("btn2brClick", {"res2b1", "res2b2"}),
              Result("btn3arClick", {"res3a"}),
              Result("btn3brClick", {"res3b"}),
              // A worked result opens the picture one past the last graph of its hint.
              Enlarge("res1aClick", "p1a4"),
              Enlarge("res1bClick", "p1b5"),
              Enlarge("res2a1Click", "p2a4"),
              Enlarge("res2b1Click", "p2b4"),
              Enlarge("res3aClick", "p3a5"),
              Enlarge("res3bClick", "p3b4"),
          },
          HintGraphs("1a", 3),
          HintGraphs("1b", 4),
          HintGraphs("2a", 3),
          HintGraphs("2b", 3),
          HintGraphs("3a", 4),
          HintGraphs("3b", 3),
          Items("abcdefghij",
                [](std::string x) {
                  // The pencil of item b) has its handler's name misspelt in the layout.
                  return Result(x == "b" ? "btnu1bClic" : "btnu1" + x + "Click",
                                {"resu1" + x + "1", "resu1" + x + "2"});
                }),
          Items("abcdefghij",
                [](std::string x) { return Enlarge("resu1" + x + "1Click", "u1" + x + "r1"); }),
          Items("abcdefghij",
                [](std::string x) { return Enlarge("resu1" + x + "2Click", "u1" + x + "r2"); }),
          Items("abcdefghij",
                [](std::string x) { return Result("btnu2" + x + "Click", {"u2" + x}); }),
          Items("abcdefghij",
                [](std::string x) { return Enlarge("u2" + x + "Click", "u2" + x + "r"); }),
          Items("abcdefghij",
                [](std::string x) {
                  std::vector<std::string> pieces = {"resu3" + x + "1", "resu3" + x + "2"};
                  if (x == "j") {
                    // sin|x| rewritten under its formula, with the note why.
                    pieces.push_back("resu3j3");
                    pieces.push_back("resu3j4");
                  }
                  return Result("btnu3" + x + "Click", pieces);
                }),
          Items("abcdefghij",
                [](std::string x) { return Enlarge("resu3" + x + "1Click", "u3" + x + "r"); }),
      }));
  return tables;
}

}  // namespace

ExerciseTables& TfrmFceCElemAbs::Tables() {
  return PageTables();
}

const TFormClass& TfrmFceCElemAbs::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCElemAbs", &frmFceCElemAbs);
  return cls;
}
