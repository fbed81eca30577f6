#include "exercises/unit_frmFceCElemLin.h"

TfrmFceCElemLin* frmFceCElemLin = nullptr;

namespace {

ExerciseTables& PageTables() {
  // On the worked tabs of task 1 the second row of each tab uses the controls of the other
  // tab's letter: tab "1 a-b" holds items a) and b) as btn1a... and btn1d..., tab "1 c-d"
  // holds c) and d) as btn1c... and btn1b.... Each thumbnail opens the enlarged graph of the
  // item on whose row it stands, so res1d1 opens "p1br" and res1b1 opens "p1dr".
  static ExerciseTables tables(
      {"img/BIG/Elin/", 4},
      {
          Hint("btn10Click", {"nap10"}),
          Hint("btn10bClick", {"nap10b"}),
          Hint("btn20Click", {"nap20"}),
          Hint("btn20bClick", {"nap20b"}),
          Hint("btn30Click", {"nap30"}),
          // Task 1, worked.
          Hint("btn1aClick", {"nap1a"}),
          Hint("btn1bClick", {"nap1b"}),
          Hint("btn1cClick", {"nap1c"}),
          Hint("btn1dClick", {"nap1d"}),
          Result("btn1arClick", {"res1a1", "res1a2"}),
          Result("btn1brClick", {"res1b1", "res1b2"}),
          Result("btn1crClick", {"res1c1", "res1c2"}),
          Result("btn1drClick", {"res1d1", "res1d2"}),
          Enlarge("res1a1Click", "p1ar"),
          Enlarge("res1b1Click", "p1dr"),
          Enlarge("res1c1Click", "p1cr"),
          Enlarge("res1d1Click", "p1br"),
          // Task 1, exercise.
          Result("btnu1aClick", {"u1ar1", "u1ar2"}),
          Result("btnu1bClick", {"u1br1", "u1br2"}),
          Result("btnu1cClick", {"u1cr1", "u1cr2"}),
          Result("btnu1dClick", {"u1dr1", "u1dr2"}),
          Result("btnu1eClick", {"u1er1", "u1er2"}),
          Result("btnu1fClick", {"u1fr1", "u1fr2"}),
          Result("btnu1gClick", {"u1gr1", "u1gr2"}),
          Result("btnu1hClick", {"u1hr1", "u1hr2"}),
          Result("btnu1iClick", {"u1ir1", "u1ir2"}),
          Result("btnu1jClick", {"u1jr1", "u1jr2"}),
          Enlarge("u1ar1Click", "u1ar"),
          Enlarge("u1br1Click", "u1br"),
          Enlarge("u1cr1Click", "u1cr"),
          Enlarge("u1dr1Click", "u1dr"),
          Enlarge("u1er1Click", "u1er"),
          Enlarge("u1fr1Click", "u1fr"),
          Enlarge("u1gr1Click", "u1gr"),
          Enlarge("u1hr1Click", "u1hr"),
          Enlarge("u1ir1Click", "u1ir"),
          Enlarge("u1jr1Click", "u1jr"),
          // Task 2, worked: a) and b) in two steps (the axis x, then the axis y).
          Stepped("btn2aClick", {{{"nap2a"}}, {{"nap2a2"}}}),
          Stepped("btn2bClick", {{{"nap2b"}}, {{"nap2b2"}}}),
          Result("btn2arClick", {"res2a"}),
          Result("btn2brClick", {"res2b"}),
          Hint("btn2cClick", {"nap2c"}),
          Hint("btn2dClick", {"nap2d"}),
          Result("btn2crClick", {"res2c"}),
          Result("btn2drClick", {"res2d"}),
          // Task 2, exercise: the pencils go by the names the layout gives them.
          Result("SpeedButton1Click", {"ay"}),
          Result("SpeedButton6Click", {"by"}),
          Result("SpeedButton7Click", {"cy"}),
          Result("SpeedButton8Click", {"dy"}),
          Result("SpeedButton9Click", {"ey"}),
          Result("SpeedButton10Click", {"fy"}),
          Result("SpeedButton11Click", {"gy"}),
          Result("SpeedButton12Click", {"hy"}),
          Result("SpeedButton13Click", {"iy"}),
          Result("SpeedButton15Click", {"jy"}),
          // Task 3, worked: the results are labels.
          Hint("btn3aClick", {"nap3a"}),
          Hint("btn3bClick", {"nap3b"}),
          Hint("btn3cClick", {"nap3c"}),
          Hint("btn3dClick", {"nap3d"}),
          Result("btn3arClick", {"res3a"}),
          Result("btn3brClick", {"res3b"}),
          Result("btn3crClick", {"res3c"}),
          Result("btn3drClick", {"res3d"}),
          // Task 3, exercise.
          Result("SpeedButton16Click", {"u3ar"}),
          Result("SpeedButton17Click", {"u3br"}),
          Result("SpeedButton18Click", {"u3cr"}),
          Result("SpeedButton19Click", {"u3dr"}),
          Result("SpeedButton20Click", {"u3er"}),
          Result("SpeedButton31Click", {"u3fr"}),
          Result("SpeedButton32Click", {"u3gr"}),
          Result("SpeedButton33Click", {"u3hr"}),
          Result("SpeedButton34Click", {"u3ir"}),
          Result("SpeedButton35Click", {"u3jr"}),
      });
  return tables;
}

}  // namespace

ExerciseTables& TfrmFceCElemLin::Tables() {
  return PageTables();
}

const TFormClass& TfrmFceCElemLin::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCElemLin", &frmFceCElemLin);
  return cls;
}
