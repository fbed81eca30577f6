#include "exercises/unit_frmFceCInverzni.h"

#include "exercises/graph_items.h"

TfrmFceCInverzni* frmFceCInverzni = nullptr;

namespace {

// Task 1: each pencil shows the graph mirrored in y = x beside the given one, and the mirror
// image alone. The pencil of item c) was given the handler name btnu1lick.
std::vector<ExerciseHandler> MirroredGraphs() {
  std::vector<ExerciseHandler> out = Pencils({"1", "2"});
  for (ExerciseHandler& h : out) {
    if (h.name == "btnu1cClick") h.name = "btnu1lick";
  }
  return Join({out, AnswerGraphs("r1"), Items("abcdefgh", [](std::string x) {
                 return Enlarge("resu1" + x + "2Click", "u1" + x + "r2");
               })});
}

ExerciseTables& PageTables() {
  // The enlarged pictures of the worked examples count the tasks from 1: task 2 opens "p1…",
  // task 3 "p2…".
  static ExerciseTables tables(
      {"img/BIG/Vinverzni/", 3},
      Join({
          TaskGraphs(),
          MirroredGraphs(),
          // Task 2, worked: the function is one-to-one, x and y exchanged, y expressed, the
          // domain and range exchanged.
          {Hint("btn20Click", {"nap20"}),
           Stepped("btn2aClick", {{{"nap2a0"}}, {{"nap2a1"}}, {{"nap2a2"}}, {{"nap2a3"}}}),
           Stepped("btn2bClick", {{{"nap2b0"}}, {{"nap2b1"}}, {{"nap2b2"}}, {{"nap2b3"}}}),
           Result("btn2arClick", {"res2pa1", "res2pa2"}),
           Result("btn2brClick", {"res2pb1", "res2pb2"}), Enlarge("res2pa2Click", "p1a"),
           Enlarge("res2pb2Click", "p1b")},
          // Task 2, exercise: item c) is no one-to-one function, its graph is the third piece.
          Items("abdefghij",
                [](std::string x) {
                  return Result("btnu2I" + x + "Click", {"res2" + x + "1", "res2" + x + "2"});
                }),
          {Result("btnu2IcClick", {"res2c1", "res2c2", "res2c3"}), Enlarge("res2c3Click", "u2cr2")},
          Items("abdefghij",
                [](std::string x) { return Enlarge("res2" + x + "2Click", "u2" + x + "r2"); }),
          // Task 3, worked: the domain first, then the exchange, the computation and the domain
          // of the inverse.
          {Hint("btn30Click", {"nap30"}),
           Stepped("btn3aClick", {{{"nap3a0a"}},
                                  {{"nap3a0b"}},
                                  {{"nap3a1"}},
                                  {{"nap3a2"}},
                                  {{"nap3a3"}},
                                  {{"nap3a4"}}}),
           Stepped("btn3bClick", {{{"nap3b0a"}},
                                  {{"nap3b0b"}},
                                  {{"nap3b1"}},
                                  {{"nap3b2"}},
                                  {{"nap3b3"}},
                                  {{"nap3b4"}}}),
           Result("btn3arClick", {"res3a1", "res3a2"}), Result("btn3brClick", {"res3b1", "res3b2"}),
           Enlarge("res3a2Click", "p2a"), Enlarge("res3b2Click", "p2b")},
          // Task 3, exercise: the inverse and the domains that its finding needs. Items f) to h)
          // give the domain of the function with its formula, i) and j) have the domain of the
          // inverse written in the inverse's formula.
          Items("abcde",
                [](std::string x) {
                  return Result("btnu2II" + x + "Click",
                                {"res3" + x, "res3" + x + "_1", "res3" + x + "_2"});
                }),
          Items("fgh",
                [](std::string x) {
                  return Result("btnu2II" + x + "Click", {"res3" + x, "res3" + x + "_2"});
                }),
          Items("ij",
                [](std::string x) {
                  return Result("btnu2II" + x + "Click", {"res3" + x, "res3" + x + "_1"});
                }),
      }));
  return tables;
}

}  // namespace

ExerciseTables& TfrmFceCInverzni::Tables() {
  return PageTables();
}

const TFormClass& TfrmFceCInverzni::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCInverzni", &frmFceCInverzni);
  return cls;
}
