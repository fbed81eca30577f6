#include "shell/chapter_table.h"

#include <cstring>
#include <stdexcept>

namespace {

// Exercise rows 32 to 58 are the twins of theory rows 4 to 30: menu item "M6" + the theory
// item without its "M", the same caption, class "TfrmFceC" + the theory class's suffix.
const std::array<ChapterRow, kChapterRows> kRows = {{
    {1, 0, "M11Umluva", "Úmluva", "MFceUmluva", "TfrmFceUmluva", 'A'},
    {2, 1, "M12Cojetofunkce", "1.1  Co je to funkce?", "MFceUvod", "TfrmFceUvod", 'B'},
    {3, 2, "M13Definicefunkce", "1.2  Definice funkce", "MFceDef", "TfrmFceDef", 'C'},
    {4, 3, "M14Graffunkce", "1.3  Graf funkce", "MFceGraf", "TfrmFceGraf", 'D'},
    {5, 4, "M15Definicniobor", "1.4  Definiční obor", "MFceVDf", "TfrmFceVDf", 'D'},
    {6, 5, "M16Oborhodnot", "1.5  Obor hodnot", "MFceVHf", "TfrmFceVHf", 'D'},
    {7, 6, "M21Monotonnost", "2.1  Monotónnost", "MFceVmonotonie", "TfrmFceVmonotonie", 'D'},
    {8, 7, "M22Extremy", "2.2  Extrémy", "MFceVextremy", "TfrmFceVextremy", 'D'},
    {9, 8, "M23Omezenost", "2.3  Omezenost", "MFceVomezenost", "TfrmFceVomezenost", 'D'},
    {10, 9, "M24Sudostlichost", "2.4  Sudost, lichost", "MFceVsudost", "TfrmFceVsudost", 'D'},
    {11, 10, "M25Perioda", "2.5  Perioda", "MFceVperioda", "TfrmFceVperioda", 'D'},
    {12, 11, "M26Prosta", "2.6  Prostá funkce", "MFceVprosta", "TfrmFceVprosta", 'D'},
    {13, 12, "M30Inverzni", "3. Funkce inverzní", "MFceInverzni", "TfrmFceInverzni", 'D'},
    {14, 13, "M42Linearni", "4.1  Lineární funkce", "MFceElemLin", "TfrmFceElemLin", 'F'},
    {15, 14, "M43Kvadraticka", "4.2  Kvadratická funkce", "MFceElemKvadr", "TfrmFceElemKvadr", 'F'},
    {16, 15, "M44Lomena", "4.3  Lineární lomená funkce", "MFceElemLomena", "TfrmFceElemLom", 'F'},
    {17, 16, "M45Mocninna", "4.4  Mocninná funkce", "MFceElemMocninna", "TfrmFceElemMocninna", 'F'},
    {18, 17, "M46Exponencialni", "4.5  Exponenciální funkce", "MFceElemExpon", "TfrmFceElemExpon",
     'F'},
    {19, 18, "M47Logaritmicka", "4.6  Logaritmická funkce", "MFceElemLog", "TfrmFceElemLog", 'F'},
    {20, 19, "M48GoniometrickeOblouk", "oblouková míra", "MFceElemGoniomOblouk",
     "TfrmFceElemGonOblouk", 'E'},
    {21, 20, "M48GoniometrickeKruznice", "jednotková kružnice", "MFceElemGoniomKruznice",
     "TfrmFceElemGonKruznice", 'F'},
    {22, 21, "M48GoniometrickeSin", "sinus", "MFceElemGoniomSin", "TfrmFceElemGonSin", 'D'},
    {23, 22, "M48GoniometrickeCos", "kosinus", "MFceElemGoniomCos", "TfrmFceElemGonCos", 'D'},
    {24, 23, "M48GoniometrickeTg", "tangens", "MFceElemGoniomTg", "TfrmFceElemGonTg", 'D'},
    {25, 24, "M48GoniometrickeCotg", "kotangens", "MFceElemGoniomCotg", "TfrmFceElemGonCotg", 'D'},
    {26, 25, "M48GoniometrickeOpak", "opakování", "MFceElemGoniomOpak", "TfrmFceElemGonOpak", 'G'},
    {27, 26, "M49Cyklometricke", "4.8  Cyklometrické funkce", "MFceElemCyklom", "TfrmFceElemCyklom",
     'D'},
    {28, 27, "M410Absolutni", "4.9  Funkce s absolutní hodnotou", "MFceElemAbs", "TfrmFceElemAbs",
     'G'},
    {29, 28, "M411Parametry", "4.10  Vliv parametrů na graf funkce", "MFceElemParam",
     "TfrmFceElemParam", 'G'},
    {30, 29, "M41PrehledElem", "4.11  Přehled elementárních funkcí", "MFceElemPrehled",
     "TfrmFceElemPrehled", 'D'},
    {31, 30, "M50Slozene", "5. Graf libovolné funkce", "MFceSloz", "TfrmFceSlozene", 'H'},
    {32, 31, "M614Graffunkce", "1.3  Graf funkce", "MFceCGraf", "TfrmFceCGraf", 'I'},
    {33, 32, "M615Definicniobor", "1.4  Definiční obor", "MFceCVDf", "TfrmFceCVDf", 'J'},
    {34, 33, "M616Oborhodnot", "1.5  Obor hodnot", "MFceCVHf", "TfrmFceCVHf", 'J'},
    {35, 34, "M621Monotonnost", "2.1  Monotónnost", "MFceCVmonotonie", "TfrmFceCVmonotonie", 'J'},
    {36, 35, "M622Extremy", "2.2  Extrémy", "MFceCVextremy", "TfrmFceCVextremy", 'J'},
    {37, 36, "M623Omezenost", "2.3  Omezenost", "MFceCVomezenost", "TfrmFceCVomezenost", 'J'},
    {38, 37, "M624Sudostlichost", "2.4  Sudost, lichost", "MFceCVsudost", "TfrmFceCVsudost", 'J'},
    {39, 38, "M625Perioda", "2.5  Perioda", "MFceCVperioda", "TfrmFceCVperioda", 'J'},
    {40, 39, "M626Prosta", "2.6  Prostá funkce", "MFceCVprosta", "TfrmFceCVprosta", 'J'},
    {41, 40, "M630Inverzni", "3. Funkce inverzní", "MFceCInverzni", "TfrmFceCInverzni", 'J'},
    {42, 41, "M642Linearni", "4.1  Lineární funkce", "MFceCElemLin", "TfrmFceCElemLin", 'J'},
    {43, 42, "M643Kvadraticka", "4.2  Kvadratická funkce", "MFceCElemKvadr", "TfrmFceCElemKvadr",
     'J'},
    {44, 43, "M644Lomena", "4.3  Lineární lomená funkce", "MFceCElemLom", "TfrmFceCElemLom", 'J'},
    {45, 44, "M645Mocninna", "4.4  Mocninná funkce", "MFceCElemMocninna", "TfrmFceCElemMocninna",
     'J'},
    {46, 45, "M646Exponencialni", "4.5  Exponenciální funkce", "MFceCElemExpon",
     "TfrmFceCElemExpon", 'J'},
    {47, 46, "M647Logaritmicka", "4.6  Logaritmická funkce", "MFceCElemLog", "TfrmFceCElemLog",
     'J'},
    {48, 47, "M648GoniometrickeOblouk", "oblouková míra", "MFceCElemGonOblouk",
     "TfrmFceCElemGonOblouk", 'J'},
    {49, 48, "M648GoniometrickeKruznice", "jednotková kružnice", "MFceCElemGonKruznice",
     "TfrmFceCElemGonKruznice", 'J'},
    {50, 49, "M648GoniometrickeSin", "sinus", "MFceCElemGonSin", "TfrmFceCElemGonSin", 'J'},
    {51, 50, "M648GoniometrickeCos", "kosinus", "MFceCElemGonCos", "TfrmFceCElemGonCos", 'J'},
    {52, 51, "M648GoniometrickeTg", "tangens", "MFceCElemGonTg", "TfrmFceCElemGonTg", 'J'},
    {53, 52, "M648GoniometrickeCotg", "kotangens", "MFceCElemGonCotg", "TfrmFceCElemGonCotg", 'J'},
    {54, 53, "M648GoniometrickeOpak", "opakování", "MFceCElemGonOpak", "TfrmFceCElemGonOpak", 'J'},
    {55, 54, "M649Cyklometricke", "4.8  Cyklometrické funkce", "MFceCElemCyklom",
     "TfrmFceCElemCyklom", 'J'},
    {56, 55, "M6410Absolutni", "4.9  Funkce s absolutní hodnotou", "MFceCElemAbs",
     "TfrmFceCElemAbs", 'J'},
    {57, 56, "M6411Parametry", "4.10  Vliv parametrů na graf funkce", "MFceCElemParam",
     "TfrmFceCElemParam", 'J'},
    {58, 57, "M641PrehledElem", "4.11  Přehled elementárních funkcí", "MFceCElemPrehled",
     "TfrmFceCElemPrehled", 'K'},
    {59, 58, "M70Test", "Test znalostí", "MFceTest", "TfrmFceTest", 'L'},
    {60, 61, "M81JakZacit", "Jak začít", "MFceTitulni", "TfrmFceTitulni", 'M'},
    {61, 60, "M82Monitor", "Rozlišení monitoru", "MFceNastaveni", "TfrmFceNastaveni", 'M'},
    {62, 59, "M83Info", "Info", "MFceInfo", "TfrmFceInfo", 'M'},
}};

using P = PauseState;
const ToolbarState kStates[] = {
    // name back repeat pause krokuj reset next picture collection
    {'A', false, true, P::Off, false, false, false, 5, false},
    {'B', false, true, P::OffInStepMode, true, false, true, 5, false},
    {'C', true, true, P::OffInStepMode, true, false, true, 5, false},
    {'D', true, true, P::OffInStepMode, true, false, true, 5, true},
    {'E', true, true, P::On, true, false, true, 5, true},
    {'F', true, true, P::Off, false, true, true, 5, true},
    {'G', true, false, P::Off, false, true, true, 5, true},
    {'H', true, false, P::Off, false, true, false, 5, false},
    {'I', false, true, P::Off, false, true, true, 6, true},
    {'J', true, true, P::Off, false, true, true, 6, true},
    {'K', true, true, P::Off, false, true, false, 6, true},
    {'L', false, true, P::Off, false, true, false, 5, false},
    {'M', false, false, P::Off, false, true, false, 5, false},
};

}  // namespace

const std::array<ChapterRow, kChapterRows>& ChapterTable() {
  return kRows;
}

const ChapterRow& ChapterRowAt(int row) {
  if (row < 1 || row > kChapterRows)
    throw std::out_of_range("no chapter row " + std::to_string(row));
  return kRows[row - 1];
}

const ChapterRow* ChapterRowByHandler(const char* handler) {
  for (const ChapterRow& r : kRows) {
    if (std::strcmp(r.handler, handler) == 0) return &r;
  }
  return nullptr;
}

const ChapterRow& TwoVariableRow() {
  static const ChapterRow row = {
      0, 30, "M51Kvantovani", "Funkce dvou proměnných", "MFceKvantovani", "TfrmFceKvantovani", 'H'};
  return row;
}

const ToolbarState& ToolbarStateOf(char state) {
  for (const ToolbarState& s : kStates) {
    if (s.name == state) return s;
  }
  throw std::out_of_range(std::string("no tool bar state ") + state);
}
