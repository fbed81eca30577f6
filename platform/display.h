// Display settings: the display modes of the screen, and changing to one of them for a while.
// On X11 through XRandR on the primary output; without it only the current mode is known, a
// change to any other size fails and restoring does nothing. Tests install a fake.
#pragma once

#include <cstdint>
#include <memory>

// The display-mode record, laid out as the platform's DEVMODEA (156 bytes).
struct DEVMODEA {
  char dmDeviceName[32];
  std::uint16_t dmSpecVersion;
  std::uint16_t dmDriverVersion;
  std::uint16_t dmSize;
  std::uint16_t dmDriverExtra;
  std::uint32_t dmFields;
  std::int32_t dmPositionX;
  std::int32_t dmPositionY;
  std::uint32_t dmDisplayOrientation;
  std::uint32_t dmDisplayFixedOutput;
  std::int16_t dmColor;
  std::int16_t dmDuplex;
  std::int16_t dmYResolution;
  std::int16_t dmTTOption;
  std::int16_t dmCollate;
  char dmFormName[32];
  std::uint16_t dmLogPixels;
  std::uint32_t dmBitsPerPel;
  std::uint32_t dmPelsWidth;
  std::uint32_t dmPelsHeight;
  std::uint32_t dmDisplayFlags;
  std::uint32_t dmDisplayFrequency;
  std::uint32_t dmICMMethod;
  std::uint32_t dmICMIntent;
  std::uint32_t dmMediaType;
  std::uint32_t dmDitherType;
  std::uint32_t dmReserved1;
  std::uint32_t dmReserved2;
  std::uint32_t dmPanningWidth;
  std::uint32_t dmPanningHeight;
};
static_assert(sizeof(DEVMODEA) == 156, "the display-mode record has the platform's size");

inline constexpr std::uint32_t DM_BITSPERPEL = 0x00040000, DM_PELSWIDTH = 0x00080000,
                               DM_PELSHEIGHT = 0x00100000, DM_DISPLAYFREQUENCY = 0x00400000;
inline constexpr long DISP_CHANGE_SUCCESSFUL = 0, DISP_CHANGE_RESTART = 1, DISP_CHANGE_FAILED = -1,
                      DISP_CHANGE_BADMODE = -2;

class DisplaySettings {
 public:
  virtual ~DisplaySettings() = default;
  // Fills `mode` with mode number `index` of the display; false past the last mode.
  virtual bool EnumMode(std::uint32_t index, DEVMODEA& mode) = 0;
  // Changes to the mode (not stored); null restores the mode stored in the system.
  virtual long ChangeMode(const DEVMODEA* mode) = 0;
};

// The display settings in use: X11's, or what SetDisplaySettings installed.
DisplaySettings& CurrentDisplaySettings();
// Installs other settings (tests); null returns to the system's.
void SetDisplaySettings(DisplaySettings* settings);

// The platform's calls, forwarding to CurrentDisplaySettings().
bool EnumDisplaySettingsA(const char* deviceName, std::uint32_t modeNum, DEVMODEA* devMode);
long ChangeDisplaySettingsA(DEVMODEA* devMode, std::uint32_t flags);
