// libFuzzer target over the engine: a text is parsed, evaluated and plotted; a text that starts
// with "#" is taken as a postfix list of blank-separated tokens and checked and evaluated as it
// stands; a text that starts with "@" goes to the two-variable engine and is painted as a colour
// map, into a small picture that the drawing area overhangs. Every evaluation is made on both
// lane widths. Built and run by scripts/fuzz.sh.
#include <QApplication>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "engine/unit_graf.h"
#include "engine/unit_graf_columns.h"
#include "engine/unit_graf_kvantovani.h"
#include "engine/unit_syntaxe.h"
#include "platform/extctrls.h"

namespace {

std::unique_ptr<QApplication> application;
std::unique_ptr<TImage> image, small;

constexpr double kPoints[] = {-8.0, -1.0, -0.05, 0.0, 0.05, 1.0, 8.0, 1e-9, 1e300};

void Sample(TokenList list) {
  for (bool wide : {false, true}) {
    columns::UseWideLanes(wide);
    SignRing ring;
    bool first = true;
    for (double x : kPoints) {
      bool defined = false, jump = false;
      EvaluatePostfix(CopyTokenList(list), defined, jump, x, first, ring);
      if (defined) first = false;
    }
  }
}

void ColourMap(const std::string& text) {
  namespace kv = unit_graf_kvantovani;
  kv::CheckSymbols(text);
  TokenList list;
  if (!kv::ParseExpression(text, list)) return;
  for (double x : kPoints) {
    bool defined;
    kv::EvaluatePostfix(CopyTokenList(list), defined, x, -x / 2);
  }
  // The view from the text's length: scales 1 to 40, a drawing area of 40 x 30 pixels and more.
  const int size = static_cast<int>(text.size());
  kv::Tgraf graf(Toblast{0, 40 + size % 7, 0, 30 + size % 5}, 1 + size % 40);
  graf.YMax -= size % 9 - 4;
  graf.YMin -= size % 9 - 4;
  graf.DrawGraph(*small, std::move(list), 255, size % 2 == 0);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  application = std::make_unique<QApplication>(*argc, *argv);
  image = std::make_unique<TImage>(nullptr);
  image->SetBounds(0, 0, 337, 337);
  image->Canvas();  // the bitmap, once
  small = std::make_unique<TImage>(nullptr);
  small->SetBounds(0, 0, 40, 30);
  small->Canvas();
  // Released before Qt's own globals go at exit, which happens after handlers registered now.
  std::atexit([] {
    small.reset();
    image.reset();
    application.reset();
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  if (!text.empty() && text[0] == '#') {
    TokenList list;
    NewTokenList(list);
    std::istringstream in(text.substr(1));
    for (std::string token; in >> token;) PushToken(list, token);
    ReverseTokenList(list);
    CheckOperandCount(CopyTokenList(list));
    bool defined;
    unit_graf_kvantovani::EvaluatePostfix(CopyTokenList(list), defined, 0.5, -2);
    Sample(std::move(list));
    return 0;
  }
  if (!text.empty() && text[0] == '@') {
    ColourMap(text.substr(1));
    return 0;
  }
  CheckSymbols(text);
  TokenList list;
  if (!ParseExpression(text, list)) return 0;
  Sample(CopyTokenList(list));
  // The view from the text's length: scales 10 to 40, panned up to 20 units either way.
  Tgraf graf(Toblast{0, 337, 0, 337}, 10 + static_cast<int>(size % 31));
  int pan = static_cast<int>(size % 41) - 20;
  graf.XMin += pan;
  graf.XMax += pan;
  graf.YMax -= pan;
  graf.YMin -= pan;
  graf.DrawGraph(*image, std::move(list), 255, true);
  return 0;
}
