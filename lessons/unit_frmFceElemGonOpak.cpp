#include "lessons/unit_frmFceElemGonOpak.h"

#include <array>
#include <string>
#include <vector>

TfrmFceElemGonOpak* frmFceElemGonOpak = nullptr;
int RevisionState = 1;

namespace {

// The six kinds of picture, in the order in which a set is brought to the front; set k of a
// kind is its name and k ("ksin03").
const std::array<const char*, 6> kKinds = {"tab", "ksin", "kcos", "gsin", "ktg", "gtg"};
constexpr int kSets = 6;

std::string Picture(const char* kind, int set) {
  return std::string(kind) + "0" + std::to_string(set);
}

void ForSet(TForm& page, int set, void (*what)(TControl&)) {
  for (const char* kind : kKinds) what(Named<TControl>(page, Picture(kind, set)));
}
void Front(TForm& page, int set) {
  ForSet(page, set, [](TControl& c) { c.BringToFront(); });
}
void ShowSet(TForm& page, int set) {
  ForSet(page, set, [](TControl& c) { c.Show(); });
}
void HideSet(TForm& page, int set) {
  ForSet(page, set, [](TControl& c) { c.Hide(); });
}

// A press in each state: the set brought to the front and shown, the set hidden, the next
// state. The sets shown run 2, 3, 4, 5, 6, 5, 4, 3, 2, 3, ...: set 1 only when the page opens.
struct Press {
  int shown, hidden, next;
};
const std::array<Press, 8> kPresses = {{
    {2, 3, 2},
    {3, 2, 3},
    {4, 3, 4},
    {5, 4, 5},
    {6, 5, 6},
    {5, 6, 7},
    {4, 5, 8},
    {3, 4, 1},
}};

// Nastaveni
void Open(TForm& page) {
  RevisionState = 1;
  Named<TControl>(page, Picture("tab", 1)).Show();
  Front(page, 1);
  ShowSet(page, 1);
  for (int set = 2; set <= kSets; ++set) HideSet(page, set);
}

// btnu2hClick
void Highlight(TForm& page) {
  const Press& p = kPresses.at(RevisionState - 1);
  Front(page, p.shown);
  if (RevisionState == 1) {
    // The first table stays beneath the others.
    for (const char* kind : kKinds) {
      if (std::string(kind) != "tab") Named<TControl>(page, Picture(kind, 1)).Hide();
    }
  }
  ShowSet(page, p.shown);
  HideSet(page, p.hidden);
  RevisionState = p.next;
}

std::vector<std::string> Pictures() {
  std::vector<std::string> names;
  for (int set = 1; set <= kSets; ++set) {
    for (const char* kind : kKinds) names.push_back(Picture(kind, set));
  }
  return names;
}

}  // namespace

const TFormClass& TfrmFceElemGonOpak::FormClass() {
  static const TFormClass cls = [] {
    TFormClass c = TFormClass::Of<TfrmFceElemGonOpak>("TfrmFceElemGonOpak", "frmFceElemGonOpak",
                                                      &frmFceElemGonOpak);
    c.Handler<TForm>("Nastaveni", [](TForm& f, TObject*) { Open(f); });
    c.Handler<TForm>("btnu2hClick", [](TForm& f, TObject*) { Highlight(f); });
    c.Requires(Pictures());
    c.Requires({"btnu2h", "Memo1"});
    return c;
  }();
  return cls;
}
