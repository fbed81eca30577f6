// The program with a live-graph page open: typing into its edits as a user types, clicking its
// arrows, and reading its graph.
#pragma once

#include <QLineEdit>
#include <QTest>
#include <string>

#include "lessons/live_graph.h"
#include "tests/shell/program_fixture.h"

class LivePageTest : public ProgramTest {
 protected:
  // Opens chapter row `row` and lets the reveal and the first update pass.
  void OpenLive(int row) {
    Open(row);
    clock.Advance(3010);
    ASSERT_NE(Live(), nullptr);
  }
  TLiveGraph* Live() const { return LiveGraphOf(frmMain->OpenPage()); }

  // Types `keys` over the whole text of the edit, key by key.
  static void Type(TEdit* edit, const std::string& keys) {
    edit->LineEdit()->selectAll();
    QTest::keyClicks(edit->LineEdit(), QString::fromStdString(keys));
  }
  // Types `keys` at the end of the edit's text.
  static void Append(TEdit* edit, const std::string& keys) {
    edit->LineEdit()->end(false);
    QTest::keyClicks(edit->LineEdit(), QString::fromStdString(keys));
  }
  // A click of the user on the upper or the lower arrow.
  static void Click(TUpDown* arrows, TUDBtnType button) {
    const int y = button == TUDBtnType::btNext ? 3 : arrows->Height() - 3;
    QTest::mouseClick(arrows->Widget(), Qt::LeftButton, {}, QPoint(arrows->Width() / 2, y));
  }
  // One tick of the 10 ms update.
  void Tick() { clock.Advance(10); }

  static TColor Pixel(TImage* image, int column, int row) {
    return image->Canvas().Pixel(column, row);
  }
  // Whether any pixel of `colour` lies in the rows from `row0` to `row1` (both included).
  static bool AnyInRows(TImage* image, TColor colour, int row0, int row1) {
    for (int r = row0; r <= row1; ++r) {
      for (int c = 0; c < image->Width(); ++c) {
        if (Pixel(image, c, r) == colour) return true;
      }
    }
    return false;
  }
};
