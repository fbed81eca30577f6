// The main window: the frame in which one page is open at a time, with the menu, the tool bar,
// the chapter table, page switching, navigation and presentation control.
#pragma once

#include <array>
#include <cstdint>

#include "platform/comctrls.h"
#include "platform/forms.h"
#include "platform/imglist.h"
#include "platform/menus.h"
#include "platform/streaming.h"
#include "platform/timers.h"
#include "shell/chapter_table.h"

class TfrmMain : public TForm {
 public:
  explicit TfrmMain(TComponent* owner) : TForm(owner) {}
  static const TFormClass& FormClass();

  TToolBar* ToolBar = nullptr;
  TToolButton* btnZpet = nullptr;
  TToolButton* btnZopak = nullptr;
  TToolButton* btnPozast = nullptr;
  TToolButton* btnKrokuj = nullptr;
  TToolButton* btnKrok = nullptr;
  TToolButton* btnDalsi = nullptr;
  TToolButton* btnSbirka = nullptr;
  TImageList* seznam_ikon = nullptr;
  TImageList* ikony_sbirka = nullptr;
  TMainMenu* menu = nullptr;
  TMenuItem* Schovat1 = nullptr;

  // OnCreate: step mode off, then the chapter table from the menu items.
  void InicMain(TObject* Sender);
  // OnShow: at start-up and every time the window comes back from being hidden.
  void Zobraz(TObject* Sender);

  // Navigation along the chapter table.
  void Zpet(TObject* Sender);
  void Zopakuj(TObject* Sender);
  void Dalsi(TObject* Sender);
  void Cviceni(TObject* Sender);
  // Presentation control of the published step timer.
  void Pauza(TObject* Sender);
  void btnKrokujClick(TObject* Sender);
  void btnKrokClick(TObject* Sender);

  // The menu-bar items "Teorie", "Sbírka úloh" and "Program": opening them hides the magnifier.
  void Zalmira1Click(TObject* Sender);
  void MFceSbirka(TObject* Sender);
  void About1Click(TObject* Sender);
  void Schovat1Click(TObject* Sender);
  // "Konec": asks, then restores the display mode, closes the page and the magnifier and ends.
  void Konec1Click(TObject* Sender);

  // The page-opening sequence of a chapter row (what every page handler runs).
  void OpenChapterPage(const ChapterRow& row);

  // The open page and its number.
  TForm* OpenPage() const { return openPage_.get(); }
  int PageNo() const { return pageNo_; }

  // Frees the open page as page switching does: the step timer reference first.
  void CloseOpenPage();

 private:
  void ApplyToolbarState(const ToolbarState& state);
  TRef<TForm> openPage_;
  int pageNo_ = 0;
};

extern TfrmMain* frmMain;

// The chapter table: rows 1 to 62 (index 0 unused).
extern std::array<TMenuItem*, kChapterRows + 1> ChapterItems;
// The last tab shown on each exercise page, slots 1 to 18 (index 0 unused).
extern std::array<std::int32_t, 19> ExerciseTabIndex;
// The timer that the open presentation page published; empties itself when the timer dies.
extern TRef<TTimer> StepTimer;
extern bool StepMode;
extern bool Paused;
extern bool WasRunningAtHide;

// Sets the module variables to their values at start.
void ResetShellState();

// The presentation contract of a page that takes part in the tool bar's presentation control:
// 1. it publishes its timer with PublishStepTimer when it opens (the timer is the page's and
//    dies with it; the shell empties StepTimer when it closes the page);
// 2. each tick that reveals a step calls HaltForStepMode, which in step mode stops the timer
//    and enables btnKrok so the next step waits for the user; otherwise the tick sets the
//    interval for the next step itself;
// 3. the tool bar may restart the timer at any time (at 100 ms for Pauza and btnKrokClick,
//    with its interval unchanged when step mode is left or the window is shown again), so a
//    tick after the end does no harm;
// 4. it never changes Paused, PageNo or the chapter table, and opens no page.
//
// Creates a timer owned by `page`, publishes it as StepTimer, sets its interval and tick
// handler, and starts it or leaves it stopped.
TTimer* PublishStepTimer(TComponent* page, int intervalMs, TNotifyEvent onTick, bool start = true);
// In step mode: stops StepTimer, enables btnKrok and answers true; otherwise false.
bool HaltForStepMode();
