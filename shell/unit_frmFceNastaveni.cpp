#include "shell/unit_frmFceNastaveni.h"

#include <cstdio>
#include <cstring>

TfrmFceNastaveni* frmFceNastaveni = nullptr;

void TfrmFceNastaveni::FormCreate(TObject*) {
  DisplayModes.clear();
  for (std::uint32_t i = 0;; ++i) {
    DEVMODEA mode;
    std::memset(&mode, 0, sizeof mode);
    mode.dmSize = sizeof(DEVMODEA);
    if (!EnumDisplaySettingsA(nullptr, i, &mode)) break;
    DisplayModes.push_back(mode);
    if (mode.dmBitsPerPel == 32) {
      char line[32];
      std::snprintf(line, sizeof line, "%dx%d", static_cast<int>(mode.dmPelsWidth),
                    static_cast<int>(mode.dmPelsHeight));
      ListBox1->Items().Add(line);
    }
  }
}

void TfrmFceNastaveni::FormDestroy(TObject*) {
  DisplayModes.clear();
}

void TfrmFceNastaveni::btnNastavClick(TObject*) {
  const int line = ListBox1->ItemIndex();
  if (line < 0) return;
  // Line k stands for the k-th mode of 32 bits per pixel: modes of other depths give no line.
  const DEVMODEA* chosen = nullptr;
  int k = 0;
  for (const DEVMODEA& m : DisplayModes) {
    if (m.dmBitsPerPel != 32) continue;
    if (k++ == line) {
      chosen = &m;
      break;
    }
  }
  if (!chosen) return;
  DEVMODEA mode;
  std::memset(&mode, 0, sizeof mode);
  mode.dmSize = sizeof(DEVMODEA);
  mode.dmPelsWidth = chosen->dmPelsWidth;
  mode.dmPelsHeight = chosen->dmPelsHeight;
  mode.dmBitsPerPel = 32;
  mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;  // the refresh rate is the system's
  const long result = ChangeDisplaySettingsA(&mode, 0);
  if (result == DISP_CHANGE_SUCCESSFUL) return;
  if (result == DISP_CHANGE_RESTART) {
    Application->MessageBox(
        "Aby nastavení obrazovky vstoupilo v platnost, je nutné restartovat počítač.", "Restart",
        MB_OK | MB_ICONEXCLAMATION);
  } else {
    Application->MessageBox("Při změně nastavení obrazovky nastala chyba.", "Restart",
                            MB_OK | MB_ICONSTOP);
  }
}

void TfrmFceNastaveni::Button1Click(TObject*) {
  ChangeDisplaySettingsA(nullptr, 0);
}

const TFormClass& TfrmFceNastaveni::FormClass() {
  static const TFormClass cls = [] {
    TFormClass c =
        TFormClass::Of<TfrmFceNastaveni>("TfrmFceNastaveni", "frmFceNastaveni", &frmFceNastaveni);
    c.Handler("FormCreate", &TfrmFceNastaveni::FormCreate);
    c.Handler("FormDestroy", &TfrmFceNastaveni::FormDestroy);
    c.Handler("btnNastavClick", &TfrmFceNastaveni::btnNastavClick);
    c.Handler("Button1Click", &TfrmFceNastaveni::Button1Click);
    return c;
  }();
  return cls;
}
