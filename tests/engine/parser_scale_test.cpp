// The parser against its former, quadratic self: the same verdict and the same tokens for the
// fuzz seeds and for many generated texts, valid and broken; and texts as long as an edit takes
// parse quickly, in memory proportional to their length.
#include <gtest/gtest.h>
#include <malloc.h>
#include <time.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <new>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/unit_graf_parse.h"
#include "tests/engine/reference_parser.h"
#include "token_text.h"

// Every allocation of this test program is counted, so that a test can see the peak memory of
// one call.
namespace {
std::atomic<long long> allocated{0}, peak{0};

void* Counted(std::size_t size) {
  void* p = std::malloc(size ? size : 1);
  if (!p) throw std::bad_alloc();
  long long now = allocated += static_cast<long long>(malloc_usable_size(p));
  for (long long seen = peak; now > seen && !peak.compare_exchange_weak(seen, now);) {
  }
  return p;
}
void Uncounted(void* p) noexcept {
  if (!p) return;
  allocated -= static_cast<long long>(malloc_usable_size(p));
  std::free(p);
}
}  // namespace

void* operator new(std::size_t size) {
  return Counted(size);
}
void* operator new[](std::size_t size) {
  return Counted(size);
}
void operator delete(void* p) noexcept {
  Uncounted(p);
}
void operator delete[](void* p) noexcept {
  Uncounted(p);
}
void operator delete(void* p, std::size_t) noexcept {
  Uncounted(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  Uncounted(p);
}

namespace {

std::string Parsed(const std::string& text) {
  TokenList list;
  if (!ParseExpression(text, list)) return list.Exists() ? "<invalid, but a list>" : "<invalid>";
  return TokensOf(list);
}

std::string ReferenceParsed(const std::string& text) {
  TokenList list;
  if (!reference::ReferenceParseExpression(text, list)) return "<invalid>";
  return TokensOf(list);
}

// Random texts of the language: well-formed expressions, some of them mutated by a piece put in,
// left out or swapped, and loose runs of pieces.
class TextGenerator {
 public:
  explicit TextGenerator(unsigned seed) : random_(seed) {}

  std::string Next() {
    switch (Pick(4)) {
      case 0:
        return Soup();
      case 1:
        return Mutated(Expression(0));
      default:
        return Expression(0);
    }
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  std::string Number() {
    std::string n = std::to_string(Pick(3) ? Pick(10) : Pick(1000));
    if (!Pick(4)) n += std::string(Pick(2) ? "," : ".") + std::to_string(Pick(100));
    return n;
  }

  std::string Atom(int depth) {
    static const char* const kFunctions[] = {"sin(",    "cos(",    "tg(",    "cotg(",
                                             "arcsin(", "arccos(", "arctg(", "arccotg(",
                                             "abs(",    "ln(",     "log("};
    const int choice = depth > 4 ? Pick(4) : Pick(9);
    switch (choice) {
      case 0:
        return Number();
      case 1:
        return "x";
      case 2:
        return Pick(2) ? "pi" : "e";
      case 3:
        return Number() + "x";
      case 4:
      case 5:
        return kFunctions[Pick(11)] + Expression(depth + 1) + ")";
      case 6:
        return std::string(Pick(2) ? "log(" : "odm(") + Expression(depth + 1) + ";" +
               Expression(depth + 1) + ")";
      default:
        return "(" + Expression(depth + 1) + ")";
    }
  }

  std::string Expression(int depth) {
    static const char kOperators[] = "+-*/^";
    std::string text = Pick(5) ? "" : "-";
    text += Atom(depth);
    for (int n = Pick(depth > 3 ? 2 : 4); n > 0; --n) text += kOperators[Pick(5)] + Atom(depth);
    return text;
  }

  std::string Piece() {
    static const char* const kPieces[] = {
        "x",        "pi",   "e",   "sin(", "cos(", "tg(", "cotg(", "arcsin(", "arccos(", "arctg(",
        "arccotg(", "abs(", "ln(", "log(", "odm(", ";",   "^",     ",",       ".",       "(",
        ")",        "-",    "+",   "*",    "/",    "2",   "0",     "7",       "y",       " "};
    return kPieces[Pick(sizeof kPieces / sizeof *kPieces)];
  }

  std::string Soup() {
    std::string text;
    for (int n = 1 + Pick(16); n > 0; --n) text += Piece();
    return text;
  }

  std::string Mutated(std::string text) {
    if (text.empty()) return Piece();
    const size_t at = static_cast<size_t>(Pick(static_cast<int>(text.size())));
    switch (Pick(3)) {
      case 0:
        return text.insert(at, Piece());
      case 1:
        return text.erase(at, 1);
      default:
        std::swap(text[at], text[static_cast<size_t>(Pick(static_cast<int>(text.size())))]);
        return text;
    }
  }

  std::mt19937 random_;
};

TEST(ParserDifferential, TheFuzzSeedsGiveWhatTheFormerParserGave) {
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ZALMIRA_FUZZ_CORPUS)) {
    std::ifstream in(entry.path());
    std::stringstream content;
    content << in.rdbuf();
    std::string text = content.str();
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    EXPECT_EQ(Parsed(text), ReferenceParsed(text)) << text;
    ++seeds;
  }
  EXPECT_GT(seeds, 10);
}

TEST(ParserDifferential, GeneratedTextsGiveWhatTheFormerParserGave) {
  TextGenerator generator(20261210);
  int valid = 0, invalid = 0;
  for (int i = 0; i < 30000; ++i) {
    const std::string text = generator.Next();
    const std::string expected = ReferenceParsed(text);
    ASSERT_EQ(Parsed(text), expected) << "«" << text << "»";
    (expected == "<invalid>" ? invalid : valid)++;
  }
  // Both verdicts are well represented.
  EXPECT_GT(valid, 6000);
  EXPECT_GT(invalid, 5000);
}

// Texts of about `length` characters, of the shapes that cost the former parser most: deep
// nesting of each kind, long flat chains, many insertions, one long number.
struct Shape {
  const char* name;
  std::function<std::string(size_t)> make;
};

std::string Repeat(const std::string& open, const std::string& middle, const std::string& close,
                   size_t length) {
  const size_t n = (length - middle.size()) / (open.size() + close.size());
  std::string text;
  for (size_t i = 0; i < n; ++i) text += open;
  text += middle;
  for (size_t i = 0; i < n; ++i) text += close;
  return text;
}

std::string Chain(const std::string& first, const std::string& link, size_t length) {
  std::string text = first;
  while (text.size() + link.size() <= length) text += link;
  return text;
}

const std::vector<Shape>& Shapes() {
  static const std::vector<Shape> shapes = {
      {"nested minus", [](size_t n) { return Repeat("(-", "x", ")", n); }},
      {"nested parentheses", [](size_t n) { return Repeat("(", "x", ")", n); }},
      {"nested functions", [](size_t n) { return Repeat("sin(", "x", ")", n); }},
      {"nested logarithms", [](size_t n) { return Repeat("log(", "x", ")", n); }},
      {"nested roots", [](size_t n) { return Repeat("odm(2;", "x", ")", n); }},
      {"nested bases", [](size_t n) { return Repeat("log(2;(", "x", "))", n); }},
      {"nested first arguments", [](size_t n) { return Repeat("log(x+log(2;", "x", ")*2;x)", n); }},
      {"nested powers", [](size_t n) { return Repeat("(x^", "2", ")", n); }},
      {"flat sum", [](size_t n) { return Chain("x", "+x", n); }},
      {"flat mixed", [](size_t n) { return Chain("x", "-2x*3/4^x", n); }},
      {"flat groups", [](size_t n) { return Chain("(x)", "*(x)", n); }},
      {"implicit products", [](size_t n) { return Chain("2x", "+2x", n); }},
      {"leading zeros", [](size_t n) { return Chain("(-x)", "*(-x)", n); }},
      {"second arguments", [](size_t n) { return Chain("odm(2;x)", "+odm(2;x)", n); }},
      {"first arguments", [](size_t n) { return Chain("odm(1+1;x)", "+odm(1+1;x)", n); }},
      {"logarithms", [](size_t n) { return Chain("log(x)", "+log(x)", n); }},
      {"group after an operand", [](size_t n) { return Repeat("(", "x(2)", ")", n); }},
      {"long number", [](size_t n) { return std::string(n - 2, '1') + "*x"; }},
  };
  return shapes;
}

TEST(ParserDifferential, LongTextsOfEveryShapeGiveWhatTheFormerParserGave) {
  for (const Shape& shape : Shapes()) {
    const std::string text = shape.make(1500);
    EXPECT_EQ(Parsed(text), ReferenceParsed(text)) << shape.name;
  }
}

// Processor time of this thread, so that other work on a loaded machine does not count.
long long ThreadMilliseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<long long>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

#ifdef __SANITIZE_ADDRESS__
constexpr long long kBoundMs = 750;
#else
constexpr long long kBoundMs = 250;
#endif

// The edit's limit is 32767 characters. The former parser took seconds and hundreds of
// megabytes for some of these; the bounds leave room for a slow, sanitised build.
TEST(ParserScale, TextsAsLongAsAnEditTakesParseFastInProportionalMemory) {
  constexpr size_t kLength = 32767;
  for (const Shape& shape : Shapes()) {
    SCOPED_TRACE(shape.name);
    const std::string text = shape.make(kLength);
    ASSERT_LE(text.size(), kLength);
    ASSERT_GT(text.size(), kLength - 16);
    const long long before = allocated;
    peak = before;
    const long long start = ThreadMilliseconds();
    {
      TokenList list;
      ParseExpression(text, list);
    }
    const long long ms = ThreadMilliseconds() - start;
    const long long kept = allocated - before, most = peak - before;
    EXPECT_LT(ms, kBoundMs);
    EXPECT_LT(most, static_cast<long long>(300 * kLength)) << "bytes at the peak";
    EXPECT_LE(kept, 0) << "bytes that stay";
  }
}

}  // namespace
