#include "exercises/unit_frmFceCVsudost.h"

#include "exercises/graph_items.h"

TfrmFceCVsudost* frmFceCVsudost = nullptr;

namespace {

ExerciseTables& PageTables() {
  // Tab 3's pencils keep the numbers the layout gives them (no SpeedButton14).
  static const char* const pencils[] = {
      "SpeedButton1",  "SpeedButton6",  "SpeedButton7",  "SpeedButton8",  "SpeedButton9",
      "SpeedButton10", "SpeedButton11", "SpeedButton12", "SpeedButton13", "SpeedButton15"};
  static ExerciseTables tables(
      {"img/BIG/Vsudost/", 1},
      Join({
          // Tab 0: the graphs, numbered from h) upwards in the right column.
          TaskGraphs(
              {"Image1", "Image2", "Image3", "Image5", "Image4", "Image8", "Image7", "Image6"}),
          Pencils({"1", "2"}),
          AnswerGraphs("r"),
          // Tabs 1 and 2: the worked examples. The hints first settle the domain, then compute
          // f(−x) a line at a time.
          {Hint("btn20Click", {"nap20"}), Hint("btn20bClick", {"nap20b"}),
           Stepped("btn2aClick", {{{"nap2a1a"}},
                                  {{"nap2a1b"}},
                                  {{"nap2a1b2"}},
                                  {{"nap2a1c1", "nap2a1c"}},
                                  {{"nap2a1d"}},
                                  {{"nap2a2a", "nap2a2b", "nap2a2c", "nap2a2d", "nap2a2e"}},
                                  {{"nap2a3"}}}),
           Stepped("btn2bClick", {{{"nap2b1a"}}, {{"nap2b1b"}}, {{"nap2b1b2"}}}),
           Stepped("btn2cClick", {{{"nap2c1a"}},
                                  {{"nap2c1b"}},
                                  {{"nap2c1b2"}},
                                  {{"nap2c1c1", "nap2c1c"}},
                                  {{"nap2c1d"}},
                                  {{"nap2c2a", "nap2c2b"}}}),
           Stepped("btn2dClick", {{{"nap2d1a"}}, {{"nap2d1b"}}, {{"nap2d1b2"}}}),
           Result("btn2arClick", {"res2a1", "res2a2"}), Result("btn2brClick", {"res2b"}),
           Result("btn2crClick", {"res2c1", "res2c2"}), Result("btn2drClick", {"res2d1"})},
          // Tab 3: the formulas.
          Items("abcdefghij",
                [](const std::string& x) {
                  return Result(std::string(pencils[x[0] - 'a']) + "Click",
                                {"resu2" + x + "1", "resu2" + x + "2"});
                }),
      }));
  return tables;
}

}  // namespace

ExerciseTables& TfrmFceCVsudost::Tables() {
  return PageTables();
}

const TFormClass& TfrmFceCVsudost::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCVsudost", &frmFceCVsudost);
  return cls;
}
