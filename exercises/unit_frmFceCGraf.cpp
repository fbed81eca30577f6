#include "exercises/unit_frmFceCGraf.h"

TfrmFceCGraf* frmFceCGraf = nullptr;

namespace {

ExerciseTables& PageTables() {
  // Items a) and b) show a graph and a picture of the verdict with its reason, c) to h) a graph
  // and the verdict as text. The thumbnails of c) to h) go by the names the layout gives them:
  // Image3, Image5, Image4, Image6, Image7, Image8.
  static ExerciseTables tables({"img/BIG/graf/", 0, false},
                               {
                                   Result("btnu1aClick", {"u01ar", "u01ar2"}),
                                   Result("btnu1bClick", {"u01br", "u01br2"}),
                                   Result("btnu1cClick", {"resu1c1", "resu1c2"}),
                                   Result("btnu1dClick", {"resu1d1", "resu1d2"}),
                                   Result("btnu1eClick", {"resu1e1", "resu1e2"}),
                                   Result("btnu1fClick", {"resu1f1", "resu1f2"}),
                                   Result("btnu1gClick", {"resu1g1", "resu1g2"}),
                                   Result("btnu1hClick", {"resu1h1", "resu1h2"}),
                                   Enlarge("u01aClick", "u01a"),
                                   Enlarge("u01bClick", "u01b"),
                                   Enlarge("Image3Click", "u01c"),
                                   Enlarge("Image5Click", "u01d"),
                                   Enlarge("Image4Click", "u01e"),
                                   Enlarge("Image6Click", "u01f"),
                                   Enlarge("Image7Click", "u01g"),
                                   Enlarge("Image8Click", "u01h"),
                                   Enlarge("u01arClick", "u01ar"),
                                   Enlarge("u01brClick", "u01br"),
                                   Enlarge("resu1c1Click", "u01cr"),
                                   Enlarge("resu1d1Click", "u01dr"),
                                   Enlarge("resu1e1Click", "u01er"),
                                   Enlarge("resu1f1Click", "u01fr"),
                                   Enlarge("resu1g1Click", "u01gr"),
                                   Enlarge("resu1h1Click", "u01hr"),
                               });
  return tables;
}

}  // namespace

ExerciseTables& TfrmFceCGraf::Tables() {
  return PageTables();
}

const TFormClass& TfrmFceCGraf::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCGraf", &frmFceCGraf);
  return cls;
}
