#include "exercises/unit_frmFceCElemPrehled.h"

#include <array>
#include <string>
#include <vector>

#include "platform/stdctrls.h"
#include "platform/sysutils.h"

TfrmFceCElemPrehled* frmFceCElemPrehled = nullptr;

namespace {

constexpr int kParts = 5;

// The number of the graph that shows each formula, tab by tab, items in letter order. The
// comparison is of texts: "03" or "3 " is not "3".
const std::array<std::vector<std::string>, kParts> kAnswers = {{
    {"3", "7", "1", "5", "8", "6", "10", "4", "2", "9"},
    {"10", "5", "8", "1", "7", "4", "9", "2", "3", "6"},
    {"6", "10", "4", "8", "2", "9", "3", "7", "5", "1"},
    {"1", "5", "10", "3", "7"},
    {"4", "8", "5", "9", "6"},
}};

// The "ověř vše" button of each tab.
const std::array<const char*, kParts> kCheckAll = {"SpeedButton1", "SpeedButton6", "SpeedButton17",
                                                   "SpeedButton12", "SpeedButton19"};

int Items(int part) {
  return static_cast<int>(kAnswers[part - 1].size());
}

std::string Suffix(int part, int item) {
  return std::to_string(part) + static_cast<char>('a' + item);
}

// The answer boxes of the first tab carry no tab number in their names.
std::string BoxName(int part, int item) {
  return part == 1 ? std::string("text_") + static_cast<char>('a' + item)
                   : "text_" + Suffix(part, item);
}

void CheckItem(TForm& page, int part, int item) {
  const std::string s = Suffix(part, item);
  auto& box = Named<TEdit>(page, BoxName(part, item));
  // Locked before the verdict, for good: a press starts a drag that nothing accepts, and no key,
  // paste or drop can change the text that the verdict is about.
  box.SetDragMode(TDragMode::dmAutomatic);
  box.SetReadOnly(true);
  auto& popis = Named<TWinControl>(page, "popis" + std::to_string(part));
  if (box.Text() == kAnswers[part - 1][item]) {
    Named<TControl>(page, "faja_" + s).SetVisible(true);
    box.Font().SetColor(clGreen);
    popis.SetFocus();
    return;
  }
  box.Font().SetColor(clRed);
  auto& resu = Named<TWinControl>(page, "resu" + s);
  resu.SetVisible(true);
  Named<TControl>(page, "ne_" + s).SetVisible(true);
  Named<TControl>(page, "obd_" + s).SetVisible(true);
  // Only on the first tab does the focus go to the correct number.
  if (part == 1) {
    resu.SetFocus();
  } else {
    popis.SetFocus();
  }
}

std::vector<ExerciseHandler> PictureHandlers() {
  std::vector<ExerciseHandler> handlers;
  for (int p = 1; p <= kParts; ++p) {
    for (int n = 1; n <= 10; ++n) {
      const std::string pn = std::to_string(p), nn = std::to_string(n);
      handlers.push_back(Enlarge("o" + pn + nn + "Click", "u" + pn + "_" + nn));
    }
  }
  return handlers;
}

}  // namespace

ExerciseTables& TfrmFceCElemPrehled::Tables() {
  // Slot 1 is shared with the parity exercises, which have four tabs, so every index found
  // there is one of this page's five.
  static ExerciseTables tables({"img/BIG/Eprehled/", 1}, PictureHandlers());
  return tables;
}

const TFormClass& TfrmFceCElemPrehled::FormClass() {
  static const TFormClass cls = [] {
    TFormClass c = Tables().FormClass("TfrmFceCElemPrehled", &frmFceCElemPrehled);
    std::vector<std::string> names;
    for (int p = 1; p <= kParts; ++p) {
      names.push_back("popis" + std::to_string(p));
      for (int i = 0; i < Items(p); ++i) {
        const std::string s = Suffix(p, i);
        names.insert(names.end(), {BoxName(p, i), "faja_" + s, "ne_" + s, "obd_" + s, "resu" + s});
        c.Handler<TForm>("btnu" + s + "Click",
                         [p, i](TForm& page, TObject*) { CheckItem(page, p, i); });
      }
      c.Handler<TForm>(std::string(kCheckAll[p - 1]) + "Click", [p](TForm& page, TObject*) {
        for (int i = 0; i < Items(p); ++i) CheckItem(page, p, i);
      });
    }
    c.Requires(names);
    return c;
  }();
  return cls;
}
