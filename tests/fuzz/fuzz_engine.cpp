// libFuzzer target over the engine: a text is parsed, evaluated and plotted; a text that starts
// with "#" is taken as a postfix list of blank-separated tokens and checked and evaluated as it
// stands. Built and run by scripts/fuzz.sh.
#include <QApplication>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "engine/unit_graf.h"
#include "engine/unit_syntaxe.h"
#include "platform/extctrls.h"

namespace {

std::unique_ptr<QApplication> application;
std::unique_ptr<TImage> image;

void Sample(TokenList list) {
  SignRing ring;
  bool first = true;
  for (double x : {-8.0, -1.0, -0.05, 0.0, 0.05, 1.0, 8.0, 1e-9, 1e300}) {
    bool defined = false, jump = false;
    EvaluatePostfix(CopyTokenList(list), defined, jump, x, first, ring);
    if (defined) first = false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  application = std::make_unique<QApplication>(*argc, *argv);
  image = std::make_unique<TImage>(nullptr);
  image->SetBounds(0, 0, 337, 337);
  image->Canvas();  // the bitmap, once
  // Released before Qt's own globals go at exit, which happens after handlers registered now.
  std::atexit([] {
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
    Sample(std::move(list));
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
