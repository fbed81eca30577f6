// Step records and the routines the pages share: revealing a step, formatting a range of a
// rich-text box, and writing a number with an en dash.
#pragma once

#include <string>

#include "platform/classes.h"
#include "platform/comctrls.h"
#include "platform/controls.h"
#include "platform/timers.h"

// One step of a stepped presentation: the controls it reveals together (each may be empty)
// and whether the presentation stops after it for the solution. Owns none of the controls.
class Tzaznam : public TObject {
 public:
  Tzaznam() = default;
  std::string StepText;
  TControl* Control1 = nullptr;
  TControl* Control2 = nullptr;
  TControl* Control3 = nullptr;
  bool WaitForSolution = false;
};

// The same record, for the pages 1.2 and 1.3.
class Tzaznam_new : public TObject {
 public:
  Tzaznam_new() = default;
  std::string StepText;
  TControl* Control1 = nullptr;
  TControl* Control2 = nullptr;
  TControl* Control3 = nullptr;
  bool WaitForSolution = false;
};

// Shows the record's controls, first to third (empty ones skipped, never hides one); then, if
// the record waits for the solution, shows `button` and stops `timer`, else hides `button`.
// An empty timer or button is skipped.
void ShowStepRecord(const Tzaznam& record, TTimer* timer, TControl* button);
void ShowStepRecord(const Tzaznam_new& record, TTimer* timer, TControl* button);

// Selects SelLength characters from SelStart (a line break counts two), then: both flags make
// the selection bold italic, one flag makes it that style only, none leaves the style; a font
// name that is not empty and a size (points) that is not 0 apply to the selection too.
void FormatRichRange(TRichEdit* box, int SelStart, int SelLength, bool Italic, bool Bold,
                     const std::string& FontName, int Size);

// Formatted := the en dash, a blank and the absolute value of Value in the general format
// («-0,5» -> «– 0,5»). The sign of Value is not looked at. A Value that is no number raises
// EConvertError and leaves Formatted as it was.
void FormatNegative(const std::string& Value, std::string& Formatted);
