#include "exercises/unit_frmFceCVHf.h"

#include "exercises/graph_items.h"

TfrmFceCVHf* frmFceCVHf = nullptr;

ExerciseTables& TfrmFceCVHf::Tables() {
  // Item e)'s range is all of ℝ: its answer graph is the task's graph and opens that picture.
  static ExerciseTables tables(
      {.folder = "img/BIG/VDfHf/",
       .activated =
           [](TForm& f) {
             // The statement back to the values of the layout.
             TLabel& statement = *static_cast<TfrmFceCVHf&>(f).Label79;
             statement.Font().SetSize(10);
             statement.Font().SetName("Microsoft Sans Serif");
             statement.SetTop(8);
             statement.SetLeft(0);
           }},
      Join({TaskGraphs(), Pencils({"1", "2"}), Items("abcdefgh", [](const std::string& x) {
              return Enlarge("resu1" + x + "1Click", x == "e" ? "u1e" : "u1" + x + "rh");
            })}));
  return tables;
}

const TFormClass& TfrmFceCVHf::FormClass() {
  static const TFormClass cls = Tables().FormClass("TfrmFceCVHf", &frmFceCVHf);
  return cls;
}
