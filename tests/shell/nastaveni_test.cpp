// The page "Rozlišení monitoru" over fake display settings: the list of modes, each result of
// a change with its message, and the restore.
#include "platform/stdctrls.h"
#include "shell/unit_frmFceNastaveni.h"
#include "tests/shell/program_fixture.h"

namespace {

constexpr int kRow = 61;
using Texts = std::vector<std::string>;

class NastaveniTest : public ProgramTest {
 protected:
  void OpenPage() {
    Open(kRow);
    page = dynamic_cast<TfrmFceNastaveni*>(Page());
    ASSERT_NE(page, nullptr);
  }
  std::vector<std::string> Lines() {
    std::vector<std::string> lines;
    for (int i = 0; i < page->ListBox1->Items().Count(); ++i) {
      lines.push_back(page->ListBox1->Items().Strings(i));
    }
    return lines;
  }
  void Choose(int line) { page->ListBox1->SetItemIndex(line); }

  TfrmFceNastaveni* page = nullptr;
};

TEST_F(NastaveniTest, ListsTheModesOfThirtyTwoBitsInTheDisplaysOrder) {
  const struct Row {
    const char* what;
    std::vector<FakeDisplaySettings::Mode> modes;
    Texts lines;
  } rows[] = {
      {"unsorted, a size once per refresh rate",
       {{1024, 768, 32, 60}, {800, 600, 32, 60}, {1024, 768, 32, 75}, {1920, 1080, 32, 60}},
       {"1024x768", "800x600", "1024x768", "1920x1080"}},
      {"other depths give no line",
       {{640, 480, 8, 60}, {800, 600, 16, 60}, {800, 600, 24, 60}, {1280, 1024, 32, 60}},
       {"1280x1024"}},
      {"no mode of 32 bits", {{800, 600, 16, 60}}, {}},
      {"no mode at all", {}, {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    display.modes = r.modes;
    OpenPage();
    EXPECT_EQ(Lines(), r.lines);
    EXPECT_EQ(page->Modes().size(), r.modes.size()) << "every mode is kept";
    EXPECT_EQ(page->ListBox1->ItemIndex(), -1);
  }
}

TEST_F(NastaveniTest, NastavChangesToTheChosenSizeAndReportsWhatFailed) {
  // 16-bit modes stand before the line chosen: the line still sets the size it shows.
  display.modes = {{640, 480, 16, 60},
                   {1024, 768, 32, 60},
                   {800, 600, 16, 60},
                   {800, 600, 32, 75},
                   {1280, 1024, 32, 60}};
  const struct Row {
    int line;
    long result;
    std::string call;  // what the display was asked; empty: nothing
    std::string box;   // the message shown, empty: none
    int flags;
  } rows[] = {
      {-1, DISP_CHANGE_SUCCESSFUL, "", "", 0},
      {1, DISP_CHANGE_SUCCESSFUL, "change 800x600", "", 0},
      {0, DISP_CHANGE_RESTART, "change 1024x768",
       "Aby nastavení obrazovky vstoupilo v platnost, je nutné restartovat počítač.", 48},
      {2, DISP_CHANGE_FAILED, "change 1280x1024", "Při změně nastavení obrazovky nastala chyba.",
       16},
      {2, DISP_CHANGE_BADMODE, "change 1280x1024", "Při změně nastavení obrazovky nastala chyba.",
       16},
  };
  OpenPage();
  ASSERT_EQ(Lines(), (Texts{"1024x768", "800x600", "1280x1024"}));
  for (const Row& r : rows) {
    SCOPED_TRACE(r.line);
    display.calls.clear();
    display.result = r.result;
    boxes.clear();
    Choose(r.line);
    Click("btnNastav");
    EXPECT_EQ(display.calls, r.call.empty() ? Texts{} : Texts{r.call});
    if (r.box.empty()) {
      EXPECT_TRUE(boxes.empty());
    } else {
      ASSERT_EQ(boxes.size(), 1u);
      EXPECT_EQ(boxes[0].text, r.box);
      EXPECT_EQ(boxes[0].caption, "Restart");
      EXPECT_EQ(boxes[0].flags, r.flags);
    }
    EXPECT_EQ(Lines(), (Texts{"1024x768", "800x600", "1280x1024"})) << "the list stays";
    EXPECT_EQ(OpenClass(), "frmFceNastaveni");
  }
}

TEST_F(NastaveniTest, TheChangeAsksForSizeAndDepthOnly) {
  // The record the page passes: its size, the two dimensions and 32 bits, the refresh rate left
  // to the system.
  struct Recorder : FakeDisplaySettings {
    DEVMODEA last{};
    long ChangeMode(const DEVMODEA* mode) override {
      if (mode) last = *mode;
      return FakeDisplaySettings::ChangeMode(mode);
    }
  } recorder;
  recorder.modes = {{800, 600, 32, 85}};
  SetDisplaySettings(&recorder);
  OpenPage();
  Choose(0);
  Click("btnNastav");
  EXPECT_EQ(recorder.last.dmSize, 156);
  EXPECT_EQ(recorder.last.dmFields, 0x1C0000u);
  EXPECT_EQ(recorder.last.dmBitsPerPel, 32u);
  EXPECT_EQ(recorder.last.dmPelsWidth, 800u);
  EXPECT_EQ(recorder.last.dmPelsHeight, 600u);
  EXPECT_EQ(recorder.last.dmDisplayFrequency, 0u);
  SetDisplaySettings(&display);
}

TEST_F(NastaveniTest, ObnovRestoresAndSaysNothingWhateverTheResult) {
  OpenPage();
  for (long result : {DISP_CHANGE_SUCCESSFUL, DISP_CHANGE_FAILED}) {
    display.result = result;
    Click("Button1");
  }
  EXPECT_EQ(display.calls, (Texts{"restore", "restore"}));
  EXPECT_TRUE(boxes.empty());
  // After a change too.
  Choose(1);
  Click("btnNastav");
  Click("Button1");
  EXPECT_EQ(display.calls.back(), "restore");
}

}  // namespace
