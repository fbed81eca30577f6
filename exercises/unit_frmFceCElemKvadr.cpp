#include "exercises/unit_frmFceCElemKvadr.h"

TfrmFceCElemKvadr* frmFceCElemKvadr = nullptr;

namespace {

const char* const kWorked = "abcd";
const char* const kItems = "abcdefghij";

// The task graphs of task 2's exercise tab keep the names they were given when the tab was
// laid out, so the handler of each item is listed, in item order.
const char* const kTask2Graphs[] = {"u2a",     "Image4",  "Image12", "Image13", "Image38",
                                    "Image53", "Image52", "Image42", "Image41", "Image40"};

std::vector<ExerciseHandler> Task2Graphs() {
  std::vector<ExerciseHandler> out;
  for (int i = 0; i < 10; ++i)
    out.push_back(
        Enlarge(std::string(kTask2Graphs[i]) + "Click", "u2" + std::string(1, kItems[i])));
  return out;
}

ExerciseTables& PageTables() {
  static ExerciseTables tables(
      {"img/BIG/Ekvadr/", 5},
      Join({
          {
              Hint("btn10Click", {"nap10"}),
              Hint("btn10bClick", {"nap10b"}),
              Hint("btn20Click", {"nap20"}),
              Hint("SpeedButton14Click", {"nap30"}),
              Hint("btn40Click", {"nap40"}),
              Hint("btn40bClick", {"nap40b"}),
          },
          // Task 1, worked: the vertex, the intersection with the axis y, the sketch.
          Items(kWorked,
                [](std::string x) {
                  return Stepped(
                      "btn1" + x + "Click",
                      {{{"nap1" + x + "1"}}, {{"nap1" + x + "2"}}, {{"nap1" + x + "3"}}});
                }),
          Items(kWorked,
                [](std::string x) {
                  return Result("btn1" + x + "rClick", {"res1" + x + "1", "res1" + x + "2"});
                }),
          Items(kWorked, [](std::string x) { return Enlarge("res1" + x + "1Click", "p1" + x); }),
          // Task 1, exercise.
          Items(kItems,
                [](std::string x) {
                  return Result("btnu1" + x + "Click", {"resu1" + x + "1", "resu1" + x + "2"});
                }),
          Items(kItems,
                [](std::string x) { return Enlarge("resu1" + x + "1Click", "u1" + x + "r"); }),
          // Task 2: the graphs can be enlarged before anything is shown.
          {
              Hint("btn2aClick", {"nap2a"}),
              Hint("btn2bClick", {"nap2b"}),
              Result("btn2arClick", {"res2a"}),
              Result("btn2brClick", {"res2b"}),
              Enlarge("Image15Click", "p2a"),
              Enlarge("Image37Click", "p2b"),
          },
          Task2Graphs(),
          Items(kItems, [](std::string x) { return Result("btnu2" + x + "Click", {"resu2" + x}); }),
          // Task 3: the intersection with the axis y, then those with the axis x.
          Items(
              "ab",
              [](std::string x) {
                return Stepped("btn3" + x + "Click", {{{"nap3" + x + "1"}}, {{"nap3" + x + "2"}}});
              }),
          Items("ab", [](std::string x) { return Result("btn3" + x + "rClick", {"res3" + x}); }),
          Items(kItems, [](std::string x) { return Result("btnu3" + x + "Click", {"resu3" + x}); }),
          // Task 4: the hint is the first graph alone, the result both graphs.
          Items(kWorked, [](std::string x) { return Hint("btn4" + x + "Click", {"nap4" + x}); }),
          Items(kWorked,
                [](std::string x) { return Enlarge("nap4" + x + "Click", "p4" + x + "n"); }),
          Items(kWorked,
                [](std::string x) {
                  return Result("btn4" + x + "rClick", {"res4" + x + "1", "res4" + x + "2"});
                }),
          Items(kWorked,
                [](std::string x) { return Enlarge("res4" + x + "1Click", "p4" + x + "r"); }),
          Items(kItems,
                [](std::string x) {
                  return Result("btnu4" + x + "Click", {"resu4" + x + "1", "resu4" + x + "2"});
                }),
          // Both pieces of an item (the layout binds the description to this handler too).
          Items(kItems, [](std::string x) { return Enlarge("resu4" + x + "1Click", "u4" + x); }),
      }));
  return tables;
}

}  // namespace

ExerciseTables& TfrmFceCElemKvadr::Tables() {
  return PageTables();
}

const TFormClass& TfrmFceCElemKvadr::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCElemKvadr", &frmFceCElemKvadr);
  return cls;
}
