#include "shell/startup.h"

#include "shell/lupa.h"
#include "shell/unit_frmFceInfo.h"
#include "shell/unit_frmFceNastaveni.h"
#include "shell/unit_frmFceTitulni.h"
#include "shell/unit_frmFceUpozorneni.h"
#include "shell/unit_frmMain.h"

void RegisterPageClasses();  // shell/page_classes.cpp: the lesson and exercise pages

void RegisterProgramForms() {
  RegisterStandardClasses();
  RegisterFormClass(TfrmMain::FormClass());
  RegisterFormClass(Tfrm_lupa::FormClass());
  RegisterFormClass(TfrmFceUmluva::FormClass());
  RegisterFormClass(TfrmFceTitulni::FormClass());
  RegisterFormClass(TfrmFceNastaveni::FormClass());
  RegisterFormClass(TfrmFceInfo::FormClass());
  RegisterPageClasses();
}

void StartProgram() {
  ResetShellState();
  Application->SetTitle("Orvinel (Zalmira)");
  CreateForm(TfrmMain::FormClass(), Application);
  CreateForm(Tfrm_lupa::FormClass(), Application);
  frmMain->OpenChapterPage(*ChapterRowByHandler("MFceTitulni"));
  frmMain->ToolBar->SetVisible(true);
  frmMain->SetWindowState(TWindowState::wsMaximized);
  frmMain->SetAutoSize(false);
}

void EndProgram() {
  if (frmMain) frmMain->CloseOpenPage();
  Free(frm_lupa);
  Free(frmMain);
  ResetShellState();
}
