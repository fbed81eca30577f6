// The four goniometric pages of chapter 4.7 (sine, cosine, tangent, cotangent): a stepped
// introduction by the unit circle that ends with the button "práce s grafem", then, on the same
// published timer, the live graph of y = a·f(bx + cπ) + d.
//
// The pages differ only in a row of the family's table (goniometric_page.cpp): their records,
// stage pictures, tick handler, function and π texts, and where the function has no value when
// b = 0. A page module is its form class:
//
//   const TFormClass& TfrmFceElemGonSin::FormClass() {
//     static const TFormClass cls =
//         GoniometricFormClass<TfrmFceElemGonSin>("TfrmFceElemGonSin", &frmFceElemGonSin);
//     return cls;
//   }
#pragma once

#include <string>

#include "platform/forms.h"
#include "platform/streaming.h"

// The warnings of the live phase.
inline constexpr const char* kConstantWarning = "Funkce není goniometrická, je konstantní.";
inline constexpr const char* kUndefinedWarning = "Funkce není definována.";

// Adds the handlers of the goniometric page `cls.name` and the controls and pictures it needs.
// Raises std::out_of_range for a class that is not one of the four.
void AddGoniometricPage(TFormClass& cls);

template <class F>
TFormClass GoniometricFormClass(const std::string& className, F** pageVariable) {
  TFormClass cls = TFormClass::Of<F>(className, className.substr(1), pageVariable);
  AddGoniometricPage(cls);
  return cls;
}
