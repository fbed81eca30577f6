// The program with an exercise page open: its tabs, what is shown, clicks as the user makes
// them, and the enlarged picture in the magnifier.
#pragma once

#include <gtest/gtest.h>

#include <QWidget>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "platform/layout_pictures.h"
#include "platform/stdctrls.h"
#include "platform/streaming.h"
#include "tests/shell/program_fixture.h"

// A hint or result button: what each of its clicks shows, after how many clicks it is disabled
// (0: it stays enabled), its handler where that is not the button's name + "Click", and what each
// click hides where a step takes something away (none where the list is short).
struct HintButton {
  std::string button;
  std::vector<std::set<std::string>> clicks;
  int disabledAfter;
  std::string handler = {};
  std::vector<std::set<std::string>> hides = {};
};

// A control that opens an enlarged picture: the button that shows it ("": shown from the start)
// and the picture's name in the page's folder of enlarged files.
struct ClickablePicture {
  std::string control, reveal, picture;
};

// A tab of the page in order: its sheet, caption, kind (0 worked example, 1 exercise), and the
// label of its statement with the statement's text.
struct TabRow {
  std::string sheet, caption;
  int image;
  std::string label, statement;
};

class ExerciseTest : public ProgramTest {
 protected:
  TPageControl* Tabs() const { return Get<TPageControl>("priklady"); }
  // Picks tab `index` as the user does (the page control reports the change).
  void PickTab(int index) {
    Dispatch([&] { Tabs()->SelectTabByUser(index); });
  }
  // The names of the page's controls whose own Visible flag is set (tab sheets left out).
  std::set<std::string> Visible() const {
    std::set<std::string> out;
    for (int i = 0; i < Page()->ComponentCount(); ++i) {
      auto* c = dynamic_cast<TControl*>(Page()->Components(i));
      if (c && !dynamic_cast<TTabSheet*>(c) && c->Visible()) out.insert(std::string(c->Name()));
    }
    return out;
  }
  bool Shown(const std::string& name) const { return C(name)->Visible(); }
  // The page's tabs are exactly `rows`, in order; each tab's statement is its first control, a
  // bold label with the row's text.
  void ExpectTabs(const std::vector<TabRow>& rows) {
    ASSERT_EQ(Tabs()->PageCount(), int(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
      const TabRow& r = rows[i];
      SCOPED_TRACE("tab " + std::to_string(i) + " " + r.sheet);
      TTabSheet* s = Tabs()->Pages(int(i));
      EXPECT_EQ(s->Name(), r.sheet);
      EXPECT_EQ(s->Caption(), r.caption);
      EXPECT_EQ(s->ImageIndex(), r.image);
      ASSERT_GT(s->ControlCount(), 0);
      auto* label = dynamic_cast<TLabel*>(s->Controls(0));
      ASSERT_NE(label, nullptr) << "the statement is the tab's first control";
      EXPECT_EQ(label->Name(), r.label);
      EXPECT_EQ(label->Caption(), r.statement);
      EXPECT_TRUE(label->Font().Style() & fsBold);
      EXPECT_EQ(label->Font().Height(), -13);
    }
  }
  // What one click on `button` shows; a click that hides something fails the test.
  std::set<std::string> ShownBy(const std::string& button) {
    const std::set<std::string> before = Visible();
    Click(button);
    std::set<std::string> added;
    for (const std::string& n : Visible()) {
      if (!before.count(n)) added.insert(n);
    }
    EXPECT_EQ(Visible().size(), before.size() + added.size()) << button << " hides nothing";
    return added;
  }

  // Clicks the buttons in order as the user does: each bound to its own handler, enabled while it
  // has steps left, each click showing exactly its pieces (all of them hidden at the start) and
  // hiding only what the case says. Returns every piece shown.
  std::set<std::string> PlayButtons(const std::vector<HintButton>& cases) {
    const std::set<std::string> atStart = Visible();
    std::set<std::string> shown;
    for (const HintButton& c : cases) {
      SCOPED_TRACE(c.button);
      EXPECT_EQ(C(c.button)->OnClick().Name(), c.handler.empty() ? c.button + "Click" : c.handler);
      for (size_t k = 0; k < c.clicks.size(); ++k) {
        if (!C(c.button)->Enabled()) {
          ADD_FAILURE() << "disabled before click " << k + 1;
          break;
        }
        const std::set<std::string> before = Visible();
        Click(c.button);
        const std::set<std::string> after = Visible();
        std::set<std::string> added, removed;
        for (const std::string& n : after) {
          if (!before.count(n)) added.insert(n);
        }
        for (const std::string& n : before) {
          if (!after.count(n)) removed.insert(n);
        }
        EXPECT_EQ(added, c.clicks[k]) << "click " << k + 1;
        EXPECT_EQ(removed, k < c.hides.size() ? c.hides[k] : std::set<std::string>{})
            << "what click " << k + 1 << " hides";
        EXPECT_EQ(C(c.button)->Enabled(), c.disabledAfter == 0 || int(k) + 1 < c.disabledAfter)
            << "click " << k + 1;
        for (const std::string& n : c.clicks[k]) EXPECT_FALSE(atStart.count(n)) << n;
        shown.insert(c.clicks[k].begin(), c.clicks[k].end());
      }
    }
    return shown;
  }
  // The lines of the memo `name`, as the student reads them.
  std::vector<std::string> MemoLines(const std::string& name) const {
    return Get<TMemo>(name)->Lines().Lines();
  }
  // Opens every picture as the user does: its button clicked until it shows (while the button is
  // enabled, a bounded number of times), then the picture, which must show the hand and bring up
  // its own enlarged file from `folder`.
  void OpensEnlarged(const std::string& folder, const std::vector<ClickablePicture>& cases) {
    for (const ClickablePicture& c : cases) {
      SCOPED_TRACE(c.control);
      if (c.reveal.empty()) {
        EXPECT_TRUE(Shown(c.control)) << "shown from the start";
      } else {
        for (int k = 0; k < 20 && !Shown(c.control) && C(c.reveal)->Enabled(); ++k) Click(c.reveal);
      }
      if (!Shown(c.control)) {
        ADD_FAILURE() << c.reveal << " never shows it";
        continue;
      }
      EXPECT_EQ(C(c.control)->Cursor(), crHandPoint);
      Click(c.control);
      EXPECT_TRUE(Magnifies(folder, c.picture));
    }
  }
  // The enlarged files that `cases` open, by picture name, each checked to be at least `minWidth`
  // pixels wide: an enlargement smaller than a page's picture enlarges nothing.
  static std::map<std::string, QImage> EnlargedFiles(const std::string& folder,
                                                     const std::vector<ClickablePicture>& cases,
                                                     int minWidth) {
    std::map<std::string, QImage> out;
    for (const ClickablePicture& c : cases) {
      if (out.count(c.picture)) continue;
      TPicture f;
      f.LoadFromFile(folder + c.picture + "_big.jpg");
      EXPECT_GE(f.Image().width(), minWidth) << c.picture;
      out.emplace(c.picture, f.Image());
    }
    return out;
  }
  // No two of the enlarged files are alike: each item opens its own picture, not a neighbour's.
  static void ExpectAllDiffer(const std::map<std::string, QImage>& images) {
    for (auto a = images.begin(); a != images.end(); ++a) {
      for (auto b = std::next(a); b != images.end(); ++b)
        EXPECT_NE(a->second, b->second) << a->first << " and " << b->first;
    }
  }
  // The control that a click in the middle of `name`'s place reaches.
  QWidget* TopAt(const std::string& name) const {
    TControl* c = C(name);
    QWidget* sheet = c->Widget()->parentWidget();
    return sheet->childAt(c->Left() + c->Width() / 2, c->Top() + c->Height() / 2);
  }
  // The tab sheet (or other parent) that a control lies on.
  std::string SheetOf(const std::string& name) const {
    TWinControl* p = C(name)->Parent();
    return p ? std::string(p->Name()) : std::string();
  }
  // Whether the magnifier is up and shows the enlarged picture `folder` + `name` + "_big.jpg".
  static ::testing::AssertionResult Magnifies(const std::string& folder, const std::string& name) {
    if (!frm_lupa->Visible()) return ::testing::AssertionFailure() << "the magnifier is hidden";
    TPicture file;
    file.LoadFromFile(folder + name + "_big.jpg");
    if (file.Image() != frm_lupa->obr->Picture().Image())
      return ::testing::AssertionFailure() << "it shows another picture than " << name;
    return ::testing::AssertionSuccess();
  }
  // The picture that the build rendered from `source` ("CGraf/u01a.graph#2") at the size of
  // `control`: what the control shows when its layout names that source.
  static QImage Rendered(const std::string& source, const TControl& control) {
    const std::string name =
        RenderedPictureName(source, control.Width(), control.Height(), PictureFormat::Jpeg);
    TPicture picture;
    picture.LoadJpegData(PictureData(name), name);
    return picture.Image();
  }
  // The main window comes back from the task bar after "Schovat".
  static void RestoreFromTaskbar() {
    Dispatch([] { frmMain->WindowStateChangedBySystem(false); });
  }
  // Opens the page at `other` and then the one at `row` again: it comes up on the tab its slot
  // remembers.
  void ExpectReopensOn(int row, int other, int tab) {
    Open(other);
    Open(row);
    EXPECT_EQ(Tabs()->ActivePageIndex(), tab) << "reopened on the remembered tab";
  }
  // "Schovat" and back from the task bar forget the remembered tab: slot `slot` is zeroed and the
  // page at `row` opens on its first tab again.
  void ExpectRestoreForgetsTab(int row, int slot) {
    frmMain->Schovat1Click(nullptr);
    RestoreFromTaskbar();
    EXPECT_EQ(ExerciseTabIndex[slot], 0) << "slot " << slot;
    Open(row);
    EXPECT_EQ(Tabs()->ActivePageIndex(), 0) << "opened on the first tab";
  }
};

// The fixture of one page's tests: `Form` the page's class, `Folder` its folder of enlarged files
// (a `constexpr char[]`; none for a page that enlarges nothing).
template <class Form, const char* Folder = nullptr>
class PageTest : public ExerciseTest {
 protected:
  using ExerciseTest::Magnifies;
  // Whether the magnifier shows the page's enlarged picture `name`.
  static ::testing::AssertionResult Magnifies(const std::string& name) {
    static_assert(Folder != nullptr, "the page has no folder of enlarged pictures");
    return ExerciseTest::Magnifies(Folder, name);
  }
  // The step that the page's stepped hint with handler `handler` ("btn2aClick") has reached.
  static int Step(const std::string& handler) { return Form::Tables().HintStep(handler); }
};
