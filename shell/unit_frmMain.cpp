#include "shell/unit_frmMain.h"

#include "platform/display.h"
#include "shell/lupa.h"

TfrmMain* frmMain = nullptr;
std::array<TMenuItem*, kChapterRows + 1> ChapterItems{};
std::array<std::int32_t, 19> ExerciseTabIndex{};
TRef<TTimer> StepTimer;
bool StepMode = false;
bool Paused = false;
bool WasRunningAtHide = false;

void ResetShellState() {
  ChapterItems.fill(nullptr);
  ExerciseTabIndex.fill(0);
  StepTimer = nullptr;
  StepMode = false;
  Paused = false;
  WasRunningAtHide = false;
}

const TFormClass& TfrmMain::FormClass() {
  static const TFormClass cls = [] {
    auto c = TFormClass::Of<TfrmMain>("TfrmMain", "frmMain", &frmMain);
    c.Bind("ToolBar", &TfrmMain::ToolBar)
        .Bind("btnZpet", &TfrmMain::btnZpet)
        .Bind("btnZopak", &TfrmMain::btnZopak)
        .Bind("btnPozast", &TfrmMain::btnPozast)
        .Bind("btnKrokuj", &TfrmMain::btnKrokuj)
        .Bind("btnKrok", &TfrmMain::btnKrok)
        .Bind("btnDalsi", &TfrmMain::btnDalsi)
        .Bind("btnSbirka", &TfrmMain::btnSbirka)
        .Bind("seznam_ikon", &TfrmMain::seznam_ikon)
        .Bind("ikony_sbirka", &TfrmMain::ikony_sbirka)
        .Bind("menu", &TfrmMain::menu)
        .Bind("Schovat1", &TfrmMain::Schovat1)
        .Handler("InicMain", &TfrmMain::InicMain)
        .Handler("Zobraz", &TfrmMain::Zobraz)
        .Handler("Zpet", &TfrmMain::Zpet)
        .Handler("Zopakuj", &TfrmMain::Zopakuj)
        .Handler("Dalsi", &TfrmMain::Dalsi)
        .Handler("Cviceni", &TfrmMain::Cviceni)
        .Handler("Pauza", &TfrmMain::Pauza)
        .Handler("btnKrokujClick", &TfrmMain::btnKrokujClick)
        .Handler("btnKrokClick", &TfrmMain::btnKrokClick)
        .Handler("Zalmira1Click", &TfrmMain::Zalmira1Click)
        .Handler("MFceSbirka", &TfrmMain::MFceSbirka)
        .Handler("About1Click", &TfrmMain::About1Click)
        .Handler("Schovat1Click", &TfrmMain::Schovat1Click)
        .Handler("Konec1Click", &TfrmMain::Konec1Click);
    // The page handlers, each opening its row's page: the 62 rows and the two-variable page.
    auto opens = [&c](const ChapterRow& row) {
      c.Handler<TfrmMain>(row.handler, [&row](TfrmMain& f, TObject*) { f.OpenChapterPage(row); });
      c.Requires({row.menuItem});
    };
    for (const ChapterRow& row : ChapterTable()) opens(row);
    opens(TwoVariableRow());
    return c;
  }();
  return cls;
}

TTimer* PublishStepTimer(TComponent* page, int intervalMs, TNotifyEvent onTick, bool start) {
  auto* timer = new TTimer(page);
  timer->SetEnabled(false);
  StepTimer = timer;
  timer->SetInterval(intervalMs);
  timer->SetOnTimer(std::move(onTick));
  timer->SetEnabled(start);
  return timer;
}

bool HaltForStepMode() {
  if (!StepMode) return false;
  if (StepTimer) StepTimer->SetEnabled(false);
  if (frmMain) frmMain->btnKrok->SetEnabled(true);
  return true;
}

void TfrmMain::InicMain(TObject*) {
  StepMode = false;
  for (const ChapterRow& row : ChapterTable()) {
    ChapterItems[row.row] = dynamic_cast<TMenuItem*>(FindComponent(row.menuItem));
  }
}

void TfrmMain::Zobraz(TObject*) {
  SetWindowState(TWindowState::wsMaximized);
  SetVisible(true);
  if (Schovat1) Schovat1->SetVisible(true);
  if (btnPozast && !btnPozast->Enabled() && WasRunningAtHide && StepTimer) {
    StepTimer->SetEnabled(true);
  }
  for (int slot = 1; slot <= 18; ++slot) ExerciseTabIndex[slot] = 0;
  RestoreMagnifierWithMainWindow();
}

void TfrmMain::Zpet(TObject*) {
  btnPozast->SetImageIndex(2);
  ChapterItems[pageNo_]->Click();
  HideEnlargedPicture();
}

void TfrmMain::Zopakuj(TObject*) {
  btnPozast->SetImageIndex(2);
  ChapterItems[pageNo_ + 1]->Click();
}

void TfrmMain::Dalsi(TObject*) {
  btnPozast->SetImageIndex(2);
  ChapterItems[pageNo_ + 2]->Click();
  HideEnlargedPicture();
}

void TfrmMain::Cviceni(TObject*) {
  if (pageNo_ <= 30) {
    ChapterItems[pageNo_ + 29]->Click();
  } else {
    ChapterItems[pageNo_ - 27]->Click();
  }
  HideEnlargedPicture();
}

void TfrmMain::Pauza(TObject*) {
  if (!StepTimer) return;
  if (StepTimer->Enabled()) {
    StepTimer->SetEnabled(false);
    btnPozast->SetImageIndex(3);
    Paused = true;
  } else {
    StepTimer->SetInterval(100);
    StepTimer->SetEnabled(true);
    btnPozast->SetImageIndex(2);
    Paused = false;
  }
}

void TfrmMain::btnKrokujClick(TObject*) {
  if (StepMode) {
    btnPozast->SetEnabled(true);
    btnKrokuj->SetDown(false);
    StepMode = false;
    btnKrok->SetImageIndex(9);
    btnKrok->SetEnabled(false);
    if (StepTimer) StepTimer->SetEnabled(true);
  } else {
    if (Paused) {
      btnPozast->SetImageIndex(2);
      Paused = false;
    }
    btnPozast->SetEnabled(false);
    btnKrokuj->SetDown(true);
    StepMode = true;
    btnKrok->SetEnabled(true);
    btnKrok->SetImageIndex(10);
    if (StepTimer) StepTimer->SetEnabled(false);
  }
}

void TfrmMain::btnKrokClick(TObject*) {
  if (!StepTimer) return;
  StepTimer->SetInterval(100);
  StepTimer->SetEnabled(true);
}

void TfrmMain::Zalmira1Click(TObject*) {
  HideEnlargedPicture();
}
void TfrmMain::MFceSbirka(TObject*) {
  HideEnlargedPicture();
}
void TfrmMain::About1Click(TObject*) {
  HideEnlargedPicture();
}

void TfrmMain::Schovat1Click(TObject*) {
  if (btnPozast->Enabled()) {
    btnPozast->Click();
  } else if (StepTimer && StepTimer->Enabled()) {
    WasRunningAtHide = true;
    StepTimer->SetEnabled(false);
  } else {
    WasRunningAtHide = false;
  }
  Schovat1->SetVisible(false);
  SetWindowState(TWindowState::wsMinimized);
  SetVisible(false);
  // The magnifier goes down with the main window and comes back with it.
  HideMagnifierWithMainWindow();
}

void TfrmMain::CloseOpenPage() {
  TForm* page = openPage_.get();
  if (!page) return;
  StepTimer = nullptr;
  openPage_ = nullptr;
  page->DestroyComponents();
  Free(page);
}

void TfrmMain::Konec1Click(TObject*) {
  if (Application->MessageBox("Skutečně si přejete skončit?", "Ukončení programu",
                              MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return;
  }
  ChangeDisplaySettingsA(nullptr, 0);
  CloseOpenPage();
  Free(frm_lupa);
  Application->Terminate();
}

void TfrmMain::ApplyToolbarState(const ToolbarState& s) {
  btnZpet->SetEnabled(s.back);
  btnZopak->SetEnabled(s.repeat);
  btnPozast->SetEnabled(s.pause == PauseState::On ||
                        (s.pause == PauseState::OffInStepMode && !StepMode));
  btnKrokuj->SetEnabled(s.stepMode);
  if (s.resetSteps && StepMode) {
    btnKrok->SetEnabled(false);
    btnKrok->SetImageIndex(9);
    StepMode = false;
    btnKrokuj->SetDown(false);
  }
  btnDalsi->SetEnabled(s.next);
  btnSbirka->SetImageIndex(s.collectionPicture);
  btnSbirka->SetEnabled(s.collection);
}

void TfrmMain::OpenChapterPage(const ChapterRow& row) {
  const bool test = std::string_view(row.handler) == "MFceTest";
  const bool title = std::string_view(row.handler) == "MFceTitulni";
  if (test) HideEnlargedPicture();
  // A page the program lacks leaves the open one as it is.
  const TFormClass* cls = FindFormClass(row.pageClass);
  if (!cls) throw Exception(std::string("Kapitola ") + row.caption + " v programu chybí");
  CloseOpenPage();
  CreateForm(*cls, this);
  openPage_ = ActiveMDIChild();
  if (TForm* page = openPage_.get()) {
    page->SetBorderStyle(TFormBorderStyle::bsNone);
    page->SetBorderWidth(0);
  }
  ToolBar->SetVisible(true);
  ApplyToolbarState(ToolbarStateOf(row.state));
  if (title && openPage_) {
    for (const char* name : {"info1", "info3", "info5", "info7", "info9"}) {
      if (auto* memo = dynamic_cast<TControl*>(openPage_->FindComponent(name))) {
        memo->Font().SetColor(0x005D0101);
      }
    }
  }
  pageNo_ = row.page;
}
