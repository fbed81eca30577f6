// The book as a fixed sequence of 62 chapter items: for each row the page it opens, the menu
// item and handler that open it, and the state the tool bar takes on that page.
#pragma once

#include <array>

// Tool bar states A to M. `Pause` is off, on, or off while step mode is on.
enum class PauseState { Off, On, OffInStepMode };

struct ToolbarState {
  char name;
  bool back, repeat;
  PauseState pause;
  bool stepMode;    // btnKrokuj
  bool resetSteps;  // switch step mode off
  bool next;
  int collectionPicture;
  bool collection;
};

struct ChapterRow {
  int row;
  int page;
  const char* menuItem;
  const char* caption;
  const char* handler;
  const char* pageClass;
  char state;
};

inline constexpr int kChapterRows = 62;

// Rows 1 to 62 in order (index 0 is row 1).
const std::array<ChapterRow, kChapterRows>& ChapterTable();
const ChapterRow& ChapterRowAt(int row);
// The row whose handler has this name, or null.
const ChapterRow* ChapterRowByHandler(const char* handler);
const ToolbarState& ToolbarStateOf(char state);
// The page of a function of two variables: no row of the book's sequence, but a menu item of its
// own after chapter 5, opened as a chapter page with chapter 5's number and tool bar.
const ChapterRow& TwoVariableRow();
