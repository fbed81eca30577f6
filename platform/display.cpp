#include "platform/display.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cstring>
#include <vector>

// X11 last: its macros (None, Bool, Status) would clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace {

struct Mode {
  unsigned width, height, frequency;
  RRMode id;
};

// Xlib's default error handler ends the process; a refused request is a failed change instead.
bool xError = false;
int NoteXError(Display*, XErrorEvent*) {
  xError = true;
  return 0;
}

// While it lives, an X error of this process is noted in xError instead of ending the process
// (Xlib's default handler exits on any error); its requests are flushed at both ends, so the
// errors noted are those of the requests made in between.
class XErrorTrap {
 public:
  explicit XErrorTrap(Display* d) : display_(d) {
    XSync(display_, False);
    xError = false;
    previous_ = XSetErrorHandler(NoteXError);
  }
  ~XErrorTrap() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
  }
  XErrorTrap(const XErrorTrap&) = delete;
  XErrorTrap& operator=(const XErrorTrap&) = delete;

 private:
  Display* display_;
  XErrorHandler previous_;
};

// The screen's size as the server has it now (Xlib's DisplayWidth keeps the size it last heard
// of, which a change of ours does not update).
void ScreenSize(Display* d, Window root, int& width, int& height) {
  Window r;
  int x, y;
  unsigned w = 0, h = 0, border, depth;
  XGetGeometry(d, root, &r, &x, &y, &w, &h, &border, &depth);
  width = static_cast<int>(w);
  height = static_cast<int>(h);
}

// XRandR on the primary output (or the first connected one). The configuration before the
// first change is kept as "the mode stored in the system".
class X11DisplaySettings : public DisplaySettings {
 public:
  ~X11DisplaySettings() override {
    if (display_) XCloseDisplay(display_);
  }

  bool EnumMode(std::uint32_t index, DEVMODEA& mode) override {
    Load();
    if (modes_.empty()) {
      // No XRandR: the current screen is the only mode.
      if (index > 0) return false;
      QScreen* s = QGuiApplication::primaryScreen();
      Fill(mode, s ? s->geometry().width() : 800, s ? s->geometry().height() : 600,
           s ? static_cast<unsigned>(s->refreshRate()) : 60);
      return true;
    }
    if (index >= modes_.size()) return false;
    Fill(mode, modes_[index].width, modes_[index].height, modes_[index].frequency);
    return true;
  }

  long ChangeMode(const DEVMODEA* mode) override {
    Load();
    if (!mode) return Restore();
    if (modes_.empty()) {
      QScreen* s = QGuiApplication::primaryScreen();
      bool same = s && static_cast<int>(mode->dmPelsWidth) == s->geometry().width() &&
                  static_cast<int>(mode->dmPelsHeight) == s->geometry().height();
      return same ? DISP_CHANGE_SUCCESSFUL : DISP_CHANGE_FAILED;
    }
    const Mode* target = nullptr;
    for (const Mode& m : modes_) {
      if (m.width == mode->dmPelsWidth && m.height == mode->dmPelsHeight &&
          (!target || m.frequency > target->frequency)) {
        target = &m;
      }
    }
    if (!target) return DISP_CHANGE_BADMODE;
    if (!saved_) Save();
    return Apply(target->id, target->width, target->height) ? DISP_CHANGE_SUCCESSFUL
                                                            : DISP_CHANGE_FAILED;
  }

 private:
  static void Fill(DEVMODEA& m, unsigned w, unsigned h, unsigned f) {
    std::uint16_t size = m.dmSize;
    std::memset(&m, 0, sizeof m);
    m.dmSize = size ? size : sizeof(DEVMODEA);
    m.dmBitsPerPel = 32;
    m.dmPelsWidth = w;
    m.dmPelsHeight = h;
    m.dmDisplayFrequency = f;
    m.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
  }

  void Load() {
    if (loaded_) return;
    loaded_ = true;
    display_ = XOpenDisplay(nullptr);
    if (!display_) return;
    int eventBase, errorBase, major = 0, minor = 0;
    if (!XRRQueryExtension(display_, &eventBase, &errorBase)) return;
    // The screen resources, the primary output and CRTC configuration need RandR 1.3; an older
    // server would answer them with an error.
    if (!XRRQueryVersion(display_, &major, &minor) || major < 1 || (major == 1 && minor < 3))
      return;
    root_ = DefaultRootWindow(display_);
    {
      XErrorTrap trap(display_);
      LoadModes();
    }
    if (xError) modes_.clear();  // the server refused a query: treated as having no RandR
  }

  void LoadModes() {
    XRRScreenResources* res = XRRGetScreenResourcesCurrent(display_, root_);
    if (!res) return;
    output_ = XRRGetOutputPrimary(display_, root_);
    XRROutputInfo* out = output_ ? XRRGetOutputInfo(display_, res, output_) : nullptr;
    for (int i = 0; !out && i < res->noutput; ++i) {
      XRROutputInfo* o = XRRGetOutputInfo(display_, res, res->outputs[i]);
      if (o && o->connection == RR_Connected && o->crtc) {
        out = o;
        output_ = res->outputs[i];
      } else if (o) {
        XRRFreeOutputInfo(o);
      }
    }
    if (out && out->crtc) {
      crtc_ = out->crtc;
      for (int i = 0; i < out->nmode; ++i) {
        for (int j = 0; j < res->nmode; ++j) {
          const XRRModeInfo& mi = res->modes[j];
          if (mi.id != out->modes[i]) continue;
          unsigned f =
              mi.hTotal && mi.vTotal
                  ? static_cast<unsigned>(static_cast<double>(mi.dotClock) /
                                              (static_cast<double>(mi.hTotal) * mi.vTotal) +
                                          0.5)
                  : 0;
          modes_.push_back({mi.width, mi.height, f, mi.id});
        }
      }
    }
    if (out) XRRFreeOutputInfo(out);
    XRRFreeScreenResources(res);
  }

  void Save() {
    XErrorTrap trap(display_);
    XRRScreenResources* res = XRRGetScreenResourcesCurrent(display_, root_);
    if (!res) return;
    if (XRRCrtcInfo* ci = XRRGetCrtcInfo(display_, res, crtc_)) {
      savedMode_ = ci->mode;
      savedWidth_ = ci->width;
      savedHeight_ = ci->height;
      saved_ = true;
      XRRFreeCrtcInfo(ci);
    }
    ScreenSize(display_, root_, savedScreenWidth_, savedScreenHeight_);
    savedScreenMmWidth_ = DisplayWidthMM(display_, DefaultScreen(display_));
    savedScreenMmHeight_ = DisplayHeightMM(display_, DefaultScreen(display_));
    XRRFreeScreenResources(res);
    if (xError) saved_ = false;
  }

  bool Apply(RRMode mode, unsigned width, unsigned height) {
    XErrorTrap trap(display_);
    bool ok = ApplyRequests(mode, width, height);
    XSync(display_, False);
    return ok && !xError;
  }

  bool ApplyRequests(RRMode mode, unsigned width, unsigned height) {
    XRRScreenResources* res = XRRGetScreenResourcesCurrent(display_, root_);
    if (!res) return false;
    XRRCrtcInfo* ci = XRRGetCrtcInfo(display_, res, crtc_);
    bool ok = false;
    if (ci) {
      int screen = DefaultScreen(display_);
      int mmw = DisplayWidthMM(display_, screen), mmh = DisplayHeightMM(display_, screen);
      int cw = 0, ch = 0;
      ScreenSize(display_, root_, cw, ch);
      // The screen must hold every CRTC: ours at its place in the new size, the others as they
      // are (a second monitor beside ours keeps its part of the screen).
      int needW = ci->x + static_cast<int>(width), needH = ci->y + static_cast<int>(height);
      for (int i = 0; i < res->ncrtc; ++i) {
        if (res->crtcs[i] == crtc_) continue;
        if (XRRCrtcInfo* other = XRRGetCrtcInfo(display_, res, res->crtcs[i])) {
          if (other->mode) {
            needW = std::max(needW, other->x + static_cast<int>(other->width));
            needH = std::max(needH, other->y + static_cast<int>(other->height));
          }
          XRRFreeCrtcInfo(other);
        }
      }
      // Grow the screen first when the new mode is larger, shrink it after when smaller.
      bool grow = needW > cw || needH > ch;
      if (grow)
        XRRSetScreenSize(display_, root_, std::max(needW, cw), std::max(needH, ch), mmw, mmh);
      Status s = XRRSetCrtcConfig(display_, res, crtc_, CurrentTime, ci->x, ci->y, mode,
                                  ci->rotation, ci->outputs, ci->noutput);
      ok = s == RRSetConfigSuccess;
      if (ok) {
        int nmw = cw ? mmw * needW / cw : mmw;
        int nmh = ch ? mmh * needH / ch : mmh;
        XRRSetScreenSize(display_, root_, needW, needH, nmw, nmh);
      } else if (grow) {
        XRRSetScreenSize(display_, root_, cw, ch, mmw, mmh);  // a refused change leaves no trace
      }
      XRRFreeCrtcInfo(ci);
    }
    XRRFreeScreenResources(res);
    XSync(display_, False);
    return ok;
  }

  long Restore() {
    if (!display_ || !saved_) return DISP_CHANGE_SUCCESSFUL;
    bool ok = Apply(savedMode_, savedWidth_, savedHeight_);
    if (ok) {
      XErrorTrap trap(display_);
      XRRSetScreenSize(display_, root_, savedScreenWidth_, savedScreenHeight_, savedScreenMmWidth_,
                       savedScreenMmHeight_);
      XSync(display_, False);
      ok = !xError;
    }
    return ok ? DISP_CHANGE_SUCCESSFUL : DISP_CHANGE_FAILED;
  }

  bool loaded_ = false;
  Display* display_ = nullptr;
  Window root_ = 0;
  RROutput output_ = 0;
  RRCrtc crtc_ = 0;
  std::vector<Mode> modes_;
  bool saved_ = false;
  RRMode savedMode_ = 0;
  unsigned savedWidth_ = 0, savedHeight_ = 0;
  int savedScreenWidth_ = 0, savedScreenHeight_ = 0, savedScreenMmWidth_ = 0,
      savedScreenMmHeight_ = 0;
};

DisplaySettings*& Installed() {
  static DisplaySettings* settings = nullptr;
  return settings;
}

}  // namespace

DisplaySettings& CurrentDisplaySettings() {
  if (DisplaySettings* s = Installed()) return *s;
  static X11DisplaySettings x11;
  return x11;
}

void SetDisplaySettings(DisplaySettings* settings) {
  Installed() = settings;
}

bool EnumDisplaySettingsA(const char*, std::uint32_t modeNum, DEVMODEA* devMode) {
  return devMode && CurrentDisplaySettings().EnumMode(modeNum, *devMode);
}

long ChangeDisplaySettingsA(DEVMODEA* devMode, std::uint32_t) {
  return CurrentDisplaySettings().ChangeMode(devMode);
}
