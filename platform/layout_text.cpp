#include "platform/layout_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

// A repeat of more rounds is a mistake in its bounds, not a layout.
constexpr long long kMaxRounds = 1000;

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

struct NoCaseLess {
  bool operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return std::tolower(static_cast<unsigned char>(x)) <
             std::tolower(static_cast<unsigned char>(y));
    });
  }
};

void AppendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool IsNameStart(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

LayoutValue Whole(long long n) {
  LayoutValue v;
  v.kind = LayoutValue::Kind::Integer;
  v.integer = n;
  return v;
}

LayoutValue Text(LayoutValue::Kind kind, std::string text) {
  LayoutValue v;
  v.kind = kind;
  v.text = std::move(text);
  return v;
}

// A word that a substitution produced: a whole number if it reads as one, else a name.
LayoutValue Classify(const std::string& word) {
  long long n = 0;
  auto r = std::from_chars(word.data(), word.data() + word.size(), n);
  if (!word.empty() && r.ec == std::errc() && r.ptr == word.data() + word.size()) return Whole(n);
  return Text(LayoutValue::Kind::Ident, word);
}

bool Truth(const LayoutValue& v) {
  switch (v.kind) {
    case LayoutValue::Kind::Integer:
      return v.integer != 0;
    case LayoutValue::Kind::Float:
      return v.number != 0;
    case LayoutValue::Kind::String:
    case LayoutValue::Kind::Ident:
      return !v.text.empty() && !SameWord(v.text, "False");
    case LayoutValue::Kind::Set:
    case LayoutValue::Kind::List:
      return !v.items.empty();
  }
  return false;
}

// What all parsers of one layout share: the reader of its pieces and the includes in progress.
struct Includes {
  const LayoutFileReader& read;
  std::vector<std::string> files;  // the layout, then each piece being read
  std::vector<int> lines;          // the line of each file's include in progress
};

class Parser {
 public:
  struct Argument {
    std::string name;
    LayoutValue value;
    int line = 0;
    bool used = false;
  };

  Parser(std::string_view text, std::string file, Includes& includes)
      : s_(text), file_(std::move(file)), includes_(includes) {}

  LayoutObject Layout() {
    Skip();
    if (!SameWord(PeekRaw(), "object")) Fail("'object' was expected");
    LayoutObject holder;
    Object(holder);
    Skip();
    if (pos_ != s_.size()) Fail("text after the last 'end'");
    return std::move(holder.children.front());
  }

  // Reads this piece's items into `into`: its parameters from `arguments` or their defaults.
  void Piece(LayoutObject& into, bool merge, std::vector<Argument>& arguments) {
    scopes_.emplace_back();
    for (Skip(); SameWord(PeekRaw(), "param"); Skip()) {
      Word();
      std::string name = PlainName("a parameter name");
      auto given = std::find_if(arguments.begin(), arguments.end(),
                                [&](const Argument& a) { return SameWord(a.name, name); });
      Skip();
      LayoutValue value;
      const bool hasDefault = pos_ < s_.size() && s_[pos_] == '=';
      if (hasDefault) {
        ++pos_;
        // A default that is not needed is not evaluated.
        if (given != arguments.end()) ++skip_;
        value = Value();
        if (given != arguments.end()) --skip_;
      }
      if (given != arguments.end()) {
        value = given->value;
        given->used = true;
      } else if (!hasDefault) {
        FailInIncluder(includes_.lines.back(), file_ + " needs the parameter " + name);
      }
      scopes_.back()[name] = value;
    }
    for (const Argument& a : arguments) {
      if (!a.used) FailInIncluder(a.line, file_ + " has no parameter " + a.name);
    }
    Items(into, merge, nullptr);
  }

 private:
  // A piece of expression text, for the expression reader.
  struct Cursor {
    std::string_view s;
    size_t i = 0;
  };

  [[noreturn]] void Fail(const std::string& why) const { FailAt(file_, line_, why, 1); }

  // `levels` is how many of the files being read the message leaves out from the innermost.
  [[noreturn]] void FailAt(const std::string& file, int line, const std::string& why,
                           size_t levels) const {
    std::string message = file + ":" + std::to_string(line) + ": " + why;
    for (size_t k = includes_.files.size() - levels; k-- > 0;) {
      message +=
          " (included from " + includes_.files[k] + ":" + std::to_string(includes_.lines[k]) + ")";
    }
    throw ELayoutError(message);
  }

  // A fault of the include that reads this piece, at `line` of the including file.
  [[noreturn]] void FailInIncluder(int line, const std::string& why) const {
    FailAt(includes_.files[includes_.files.size() - 2], line, why, 2);
  }

  void Skip() {
    while (pos_ < s_.size()) {
      char c = s_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/') {
        while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  bool AtWordChar() const {
    if (pos_ >= s_.size()) return false;
    unsigned char c = static_cast<unsigned char>(s_[pos_]);
    return std::isalnum(c) || c == '_' || c == '.';
  }

  bool AtBrace() const { return pos_ < s_.size() && s_[pos_] == '{'; }

  // The word at the present place as written, without moving.
  std::string_view PeekRaw() {
    Skip();
    size_t end = pos_;
    while (end < s_.size() && (IsNameChar(s_[end]) || s_[end] == '.')) ++end;
    return s_.substr(pos_, end - pos_);
  }

  // A name, an identifier or a number, with its `{expression}` parts replaced.
  std::string Word() {
    Skip();
    size_t start = pos_;
    std::string out;
    for (;;) {
      if (AtWordChar()) {
        out += s_[pos_++];
      } else if (AtBrace()) {
        LayoutValue v = Braced();
        if (!skip_) out += AsText(v);
      } else {
        break;
      }
    }
    if (start == pos_) Fail("a name was expected");
    return out;
  }

  // A name as written, without substitutions: of a variable or a parameter.
  std::string PlainName(const char* what) {
    Skip();
    size_t start = pos_;
    if (pos_ < s_.size() && IsNameStart(s_[pos_])) {
      while (pos_ < s_.size() && IsNameChar(s_[pos_])) ++pos_;
    }
    if (start == pos_) Fail(std::string(what) + " was expected");
    return std::string(s_.substr(start, pos_ - start));
  }

  void Expect(char c) {
    Skip();
    if (pos_ >= s_.size() || s_[pos_] != c) Fail(std::string("'") + c + "' was expected");
    ++pos_;
  }

  // The rest of the line without its comment; the statements' heads take one line.
  std::string_view RestOfLine() {
    size_t end = std::min(s_.find('\n', pos_), s_.size());
    std::string_view line = s_.substr(pos_, end - pos_);
    line = line.substr(0, line.find("//"));
    pos_ = end;
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front())))
      line.remove_prefix(1);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
      line.remove_suffix(1);
    return line;
  }

  // ---- blocks ---------------------------------------------------------------------------------

  // The items of a block into `obj`, up to its `end` (to the end of the text for a piece, when
  // `block` is null). `merge`: properties replace those of the same name.
  void Items(LayoutObject& obj, bool merge, const char* block, const std::string& name = {}) {
    scopes_.emplace_back();
    for (;;) {
      Skip();
      if (pos_ >= s_.size()) {
        if (!block) break;
        Fail(std::string("'end' of ") + block + (name.empty() ? "" : " ") + name + " is missing");
      }
      std::string_view word = PeekRaw();
      if (SameWord(word, "end")) {
        if (!block) Fail("'end' without a block");
        Word();
        break;
      }
      if (SameWord(word, "object")) {
        Object(obj);
      } else if (SameWord(word, "inherited")) {
        Inherited(obj);
      } else if (SameWord(word, "repeat")) {
        Repeat(obj, merge);
      } else if (SameWord(word, "if")) {
        If(obj, merge);
      } else if (SameWord(word, "include")) {
        Include(obj, merge);
      } else if (SameWord(word, "let")) {
        Let();
      } else if (SameWord(word, "param")) {
        Fail("'param' belongs at the top of an included piece");
      } else {
        Property(obj, merge);
      }
    }
    scopes_.pop_back();
  }

  // `object Name: TClass ... end`, added to `parent`.
  void Object(LayoutObject& parent) {
    LayoutObject o;
    o.file = file_;
    o.line = line_;
    Word();
    o.name = Word();
    Expect(':');
    o.className = Word();
    Items(o, false, "object", o.name);
    if (!skip_) parent.children.push_back(std::move(o));
  }

  // `inherited Name: TClass ... end`: changes the child of that name that `parent` holds.
  void Inherited(LayoutObject& parent) {
    const int line = line_;
    Word();
    std::string name = Word();
    Expect(':');
    std::string className = Word();
    if (skip_) {
      LayoutObject ignored;
      Items(ignored, true, "object", name);
      return;
    }
    auto it = std::find_if(parent.children.rbegin(), parent.children.rend(),
                           [&](const LayoutObject& c) { return SameWord(c.name, name); });
    if (it == parent.children.rend())
      FailAt(file_, line, "there is no " + name + " to inherit in " + parent.name, 1);
    if (!SameWord(it->className, className))
      FailAt(file_, line, name + " is a " + it->className + ", not a " + className, 1);
    Items(*it, true, "object", name);
  }

  void Property(LayoutObject& obj, bool merge) {
    LayoutProperty p;
    p.file = file_;
    p.line = line_;
    p.name = Word();
    Expect('=');
    p.value = Value();
    if (skip_) return;
    if (merge) {
      for (LayoutProperty& old : obj.properties) {
        if (SameWord(old.name, p.name)) {
          old = std::move(p);
          return;
        }
      }
    }
    obj.properties.push_back(std::move(p));
  }

  void Let() {
    Word();
    std::string name = PlainName("a name");
    Expect('=');
    LayoutValue value = Value();
    if (!skip_) scopes_.back()[name] = std::move(value);
  }

  // `repeat k = <from> to <to> ... end`: the block once for every whole k from..to.
  void Repeat(LayoutObject& obj, bool merge) {
    Word();
    Cursor head{RestOfLine()};
    if (skip_) {
      Items(obj, merge, "repeat");
      return;
    }
    Blank(head);
    std::string var(TakeName(head));
    if (var.empty()) Fail("a name was expected after 'repeat'");
    Blank(head);
    if (!TakeOperator(head, "=")) Fail("'=' was expected after 'repeat " + var + "'");
    const long long from = WholeNumber(Compare(head), head);
    Blank(head);
    if (!SameWord(TakeName(head), "to")) Fail("'to' was expected in 'repeat " + Quote(head) + "'");
    const long long to = WholeNumber(Compare(head), head);
    ExpectEnd(head);
    if (to - from >= kMaxRounds) {
      Fail("a repeat of more than " + std::to_string(kMaxRounds) + " rounds");
    }
    const size_t bodyPos = pos_;
    const int bodyLine = line_;
    if (from > to) {
      ++skip_;
      Items(obj, merge, "repeat", var);
      --skip_;
      return;
    }
    for (long long k = from; k <= to; ++k) {
      pos_ = bodyPos;
      line_ = bodyLine;
      scopes_.emplace_back();
      scopes_.back()[var] = Whole(k);
      Items(obj, merge, "repeat", var);
      scopes_.pop_back();
    }
  }

  // `if <expression> ... end`.
  void If(LayoutObject& obj, bool merge) {
    Word();
    Cursor head{RestOfLine()};
    bool on = false;
    if (!skip_) {
      LayoutValue v = Compare(head);
      ExpectEnd(head);
      on = Truth(v);
    }
    if (!on) ++skip_;
    Items(obj, merge, "if");
    if (!on) --skip_;
  }

  // `include 'path' <parameters> end`.
  void Include(LayoutObject& obj, bool merge) {
    const int line = line_;
    Word();
    LayoutValue path = Value();
    std::vector<Argument> arguments;
    for (;;) {
      Skip();
      if (pos_ >= s_.size()) Fail("'end' of include is missing");
      if (SameWord(PeekRaw(), "end")) {
        Word();
        break;
      }
      Argument a;
      a.line = line_;
      a.name = PlainName("a parameter name");
      Expect('=');
      a.value = Value();
      for (const Argument& b : arguments) {
        if (SameWord(a.name, b.name)) Fail("the parameter " + a.name + " is given twice");
      }
      arguments.push_back(std::move(a));
    }
    if (skip_) return;
    if (path.kind != LayoutValue::Kind::String)
      FailAt(file_, line, "the piece to include is named by a string", 1);
    if (!includes_.read)
      FailAt(file_, line, "cannot include " + path.text + ": no layout files to read from", 1);
    if (std::find(includes_.files.begin(), includes_.files.end(), path.text) !=
        includes_.files.end()) {
      std::string cycle;
      for (const std::string& f : includes_.files) cycle += f + " → ";
      FailAt(file_, line, "an include cycle: " + cycle + path.text, 1);
    }
    std::optional<std::string> text = includes_.read(path.text);
    if (!text) FailAt(file_, line, "there is no layout piece " + path.text, 1);
    includes_.lines.push_back(line);
    includes_.files.push_back(path.text);
    Parser piece(*text, path.text, includes_);
    piece.Piece(obj, merge, arguments);
    includes_.files.pop_back();
    includes_.lines.pop_back();
  }

  // ---- values ---------------------------------------------------------------------------------

  // `{expression}` at the present place; nothing while skipping.
  LayoutValue Braced() {
    size_t close = s_.find_first_of("}{'\n", pos_ + 1);
    if (close == std::string_view::npos || s_[close] != '}') Fail("'{' without '}'");
    Cursor c{s_.substr(pos_ + 1, close - pos_ - 1)};
    pos_ = close + 1;
    if (skip_) return {};
    LayoutValue v = Compare(c);
    ExpectEnd(c);
    return v;
  }

  std::string AsText(const LayoutValue& v) {
    switch (v.kind) {
      case LayoutValue::Kind::Integer:
        return std::to_string(v.integer);
      case LayoutValue::Kind::String:
      case LayoutValue::Kind::Ident:
        return v.text;
      default:
        Fail(DescribeValue(v) + " cannot stand in a name or a string");
    }
  }

  // A string: quoted pieces and #codes, joined by + across lines.
  std::string StringValue() {
    std::string out;
    for (;;) {
      Skip();
      if (pos_ < s_.size() && s_[pos_] == '\'') {
        ++pos_;
        for (;;) {
          if (pos_ >= s_.size() || s_[pos_] == '\n') Fail("unterminated string");
          const char c = s_[pos_];
          const bool doubled = pos_ + 1 < s_.size() && s_[pos_ + 1] == c;
          if (c == '\'') {
            if (doubled) {
              out += '\'';
              pos_ += 2;
              continue;
            }
            ++pos_;
            break;
          }
          if ((c == '{' || c == '}') && doubled) {
            out += c;
            pos_ += 2;
          } else if (c == '{') {
            LayoutValue v = Braced();
            if (!skip_) out += AsText(v);
          } else if (c == '}') {
            Fail("a single '}' in a string (a brace is '}}')");
          } else {
            out += s_[pos_++];
          }
        }
      } else if (pos_ < s_.size() && s_[pos_] == '#') {
        ++pos_;
        size_t start = pos_;
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
        if (start == pos_) Fail("a character code was expected after '#'");
        unsigned code = 0;
        std::from_chars(s_.data() + start, s_.data() + pos_, code);
        AppendUtf8(out, code);
      } else {
        Fail("a string was expected");
      }
      // Pieces directly next to each other ('a'#13#10'b') or joined by +.
      size_t save = pos_;
      int saveLine = line_;
      Skip();
      if (pos_ < s_.size() && s_[pos_] == '+') {
        ++pos_;
        continue;
      }
      pos_ = save;
      line_ = saveLine;
      if (pos_ < s_.size() && (s_[pos_] == '\'' || s_[pos_] == '#')) continue;
      return out;
    }
  }

  LayoutValue Value() {
    Skip();
    if (pos_ >= s_.size()) Fail("a value was expected");
    LayoutValue v;
    char c = s_[pos_];
    if (c == '\'' || c == '#') {
      v.kind = LayoutValue::Kind::String;
      v.text = StringValue();
    } else if (c == '[') {
      v.kind = LayoutValue::Kind::Set;
      ++pos_;
      Skip();
      if (pos_ < s_.size() && s_[pos_] == ']') {
        ++pos_;
        return v;
      }
      for (;;) {
        v.items.push_back(Word());
        Skip();
        if (pos_ < s_.size() && s_[pos_] == ',') {
          ++pos_;
          continue;
        }
        Expect(']');
        break;
      }
    } else if (c == '(') {
      v.kind = LayoutValue::Kind::List;
      ++pos_;
      for (;;) {
        Skip();
        if (pos_ < s_.size() && s_[pos_] == ')') {
          ++pos_;
          break;
        }
        if (AtBrace()) {
          // A list in a list stands for its lines.
          LayoutValue inner = Braced();
          if (skip_) continue;
          const bool list =
              inner.kind == LayoutValue::Kind::List || inner.kind == LayoutValue::Kind::Set;
          if (list) v.items.insert(v.items.end(), inner.items.begin(), inner.items.end());
          if (!list) v.items.push_back(AsText(inner));
          continue;
        }
        v.items.push_back(StringValue());
      }
    } else if (c == '{') {
      // A value that is one expression is the expression's value; one that has more is a word.
      const size_t save = pos_;
      v = Braced();
      if (!AtWordChar() && !AtBrace()) return v;
      pos_ = save;
      v = Classify(Word());
    } else if (c == '$' || c == '-' || c == '+' || std::isdigit(static_cast<unsigned char>(c))) {
      bool negative = c == '-';
      if (c == '-' || c == '+') ++pos_;
      if (pos_ < s_.size() && s_[pos_] == '$') {
        ++pos_;
        size_t start = pos_;
        while (pos_ < s_.size() && std::isxdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
        unsigned long long x = 0;
        auto r = std::from_chars(s_.data() + start, s_.data() + pos_, x, 16);
        if (start == pos_ || r.ec != std::errc()) Fail("a hexadecimal number was expected");
        v.kind = LayoutValue::Kind::Integer;
        v.integer = negative ? -static_cast<long long>(x) : static_cast<long long>(x);
      } else {
        size_t start = pos_;
        while (pos_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[pos_])) ||
                                    s_[pos_] == '.' || s_[pos_] == 'e' || s_[pos_] == 'E')) {
          ++pos_;
        }
        std::string_view num = s_.substr(start, pos_ - start);
        if (num.empty()) Fail("a number was expected");
        if (num.find_first_of(".eE") != std::string_view::npos) {
          double d = 0;
          auto r = std::from_chars(num.data(), num.data() + num.size(), d);
          if (r.ec != std::errc() || r.ptr != num.data() + num.size()) Fail("a bad number");
          v.kind = LayoutValue::Kind::Float;
          v.number = negative ? -d : d;
        } else {
          long long n = 0;
          auto r = std::from_chars(num.data(), num.data() + num.size(), n);
          if (r.ec != std::errc()) Fail("a bad number");
          v.kind = LayoutValue::Kind::Integer;
          v.integer = negative ? -n : n;
        }
      }
    } else {
      v.kind = LayoutValue::Kind::Ident;
      v.text = Word();
    }
    return v;
  }

  // ---- expressions ----------------------------------------------------------------------------

  static std::string Quote(const Cursor& c) { return std::string(c.s); }

  [[noreturn]] void FailIn(const Cursor& c, const std::string& why) const {
    Fail(why + " in '" + std::string(c.s) + "'");
  }

  static void Blank(Cursor& c) {
    while (c.i < c.s.size() && std::isspace(static_cast<unsigned char>(c.s[c.i]))) ++c.i;
  }

  static std::string_view TakeName(Cursor& c) {
    Blank(c);
    size_t start = c.i;
    if (c.i < c.s.size() && IsNameStart(c.s[c.i])) {
      while (c.i < c.s.size() && IsNameChar(c.s[c.i])) ++c.i;
    }
    return c.s.substr(start, c.i - start);
  }

  // Takes `op` unless a longer operator starts with it ("<" of "<=" or "<>").
  static bool TakeOperator(Cursor& c, std::string_view op) {
    Blank(c);
    if (c.s.substr(c.i, op.size()) != op) return false;
    if (op.size() == 1 && (op == "<" || op == ">") && c.i + 1 < c.s.size() &&
        (c.s[c.i + 1] == '=' || c.s[c.i + 1] == '>')) {
      return false;
    }
    c.i += op.size();
    return true;
  }

  void ExpectEnd(Cursor& c) const {
    Blank(c);
    if (c.i < c.s.size()) FailIn(c, "'" + std::string(c.s.substr(c.i)) + "' was not expected");
  }

  // A whole number, also one written as a string ('4').
  long long WholeNumber(const LayoutValue& v, const Cursor& c) const {
    if (v.kind == LayoutValue::Kind::Integer) return v.integer;
    const bool text = v.kind == LayoutValue::Kind::String || v.kind == LayoutValue::Kind::Ident;
    if (text && Classify(v.text).kind == LayoutValue::Kind::Integer)
      return Classify(v.text).integer;
    FailIn(c, "a whole number was expected, not " + DescribeValue(v));
  }

  const LayoutValue* Lookup(std::string_view name) const {
    for (auto scope = scopes_.rbegin(); scope != scopes_.rend(); ++scope) {
      auto it = scope->find(std::string(name));
      if (it != scope->end()) return &it->second;
    }
    return nullptr;
  }

  LayoutValue Compare(Cursor& c) {
    LayoutValue a = Sum(c);
    for (std::string_view op : {"<>", "<=", ">=", "=", "<", ">"}) {
      if (!TakeOperator(c, op)) continue;
      LayoutValue b = Sum(c);
      const bool texts = a.kind != LayoutValue::Kind::Integer &&
                         b.kind != LayoutValue::Kind::Integer && (op == "=" || op == "<>");
      if (texts) return Whole((a.text == b.text) == (op == "="));
      const long long x = WholeNumber(a, c), y = WholeNumber(b, c);
      if (op == "=") return Whole(x == y);
      if (op == "<>") return Whole(x != y);
      if (op == "<") return Whole(x < y);
      if (op == "<=") return Whole(x <= y);
      if (op == ">") return Whole(x > y);
      return Whole(x >= y);
    }
    return a;
  }

  LayoutValue Sum(Cursor& c) {
    LayoutValue a = Product(c);
    for (;;) {
      if (TakeOperator(c, "+")) {
        a = Whole(WholeNumber(a, c) + WholeNumber(Product(c), c));
      } else if (TakeOperator(c, "-")) {
        a = Whole(WholeNumber(a, c) - WholeNumber(Product(c), c));
      } else {
        return a;
      }
    }
  }

  LayoutValue Product(Cursor& c) {
    LayoutValue a = Unary(c);
    for (;;) {
      char op = 0;
      for (char o : {'*', '/', '%'}) {
        if (!op && TakeOperator(c, std::string_view(&o, 1))) op = o;
      }
      if (!op) return a;
      const long long x = WholeNumber(a, c), y = WholeNumber(Unary(c), c);
      if (op == '*') {
        a = Whole(x * y);
      } else if (y == 0) {
        FailIn(c, "a division by zero");
      } else {
        a = Whole(op == '/' ? x / y : x % y);
      }
    }
  }

  LayoutValue Unary(Cursor& c) {
    if (TakeOperator(c, "-")) return Whole(-WholeNumber(Unary(c), c));
    return Atom(c);
  }

  LayoutValue Atom(Cursor& c) {
    Blank(c);
    if (c.i >= c.s.size()) FailIn(c, "a value was expected");
    if (std::isdigit(static_cast<unsigned char>(c.s[c.i]))) {
      long long n = 0;
      auto r = std::from_chars(c.s.data() + c.i, c.s.data() + c.s.size(), n);
      if (r.ec != std::errc()) FailIn(c, "a bad number");
      c.i = r.ptr - c.s.data();
      return Whole(n);
    }
    if (TakeOperator(c, "(")) {
      LayoutValue v = Compare(c);
      if (!TakeOperator(c, ")")) FailIn(c, "')' was expected");
      return v;
    }
    std::string_view name = TakeName(c);
    if (name.empty()) FailIn(c, "'" + std::string(c.s.substr(c.i)) + "' was not expected");
    if (TakeOperator(c, "(")) return Call(name, c);
    const LayoutValue* found = Lookup(name);
    if (!found) FailIn(c, "unknown name " + std::string(name));
    if (!TakeOperator(c, "[")) return *found;
    const long long index = WholeNumber(Compare(c), c);
    if (!TakeOperator(c, "]")) FailIn(c, "']' was expected");
    const bool list =
        found->kind == LayoutValue::Kind::Set || found->kind == LayoutValue::Kind::List;
    if (!list) FailIn(c, std::string(name) + " is not a list");
    if (index < 0 || index >= static_cast<long long>(found->items.size()))
      FailIn(c, std::string(name) + " has no item " + std::to_string(index));
    const std::string& item = found->items[static_cast<size_t>(index)];
    if (found->kind == LayoutValue::Kind::List) return Text(LayoutValue::Kind::String, item);
    return Classify(item);
  }

  // letter(n): 'a' for 0, 'b' for 1, ...; count(list): the number of its items.
  LayoutValue Call(std::string_view function, Cursor& c) {
    LayoutValue argument = Compare(c);
    if (!TakeOperator(c, ")")) FailIn(c, "')' was expected");
    if (SameWord(function, "count")) {
      const bool list =
          argument.kind == LayoutValue::Kind::Set || argument.kind == LayoutValue::Kind::List;
      if (!list) FailIn(c, DescribeValue(argument) + " is not a list");
      return Whole(static_cast<long long>(argument.items.size()));
    }
    if (!SameWord(function, "letter")) FailIn(c, "there is no function " + std::string(function));
    const long long n = WholeNumber(argument, c);
    if (n < 0 || n >= 26) FailIn(c, "there is no letter number " + std::to_string(n));
    return Text(LayoutValue::Kind::String, std::string(1, static_cast<char>('a' + n)));
  }

  std::string_view s_;
  std::string file_;
  Includes& includes_;
  size_t pos_ = 0;
  int line_ = 1;
  int skip_ = 0;  // > 0: reading a block that is not used, without evaluating anything
  std::vector<std::map<std::string, LayoutValue, NoCaseLess>> scopes_;
};

}  // namespace

const LayoutProperty* LayoutObject::Find(std::string_view property) const {
  for (const auto& p : properties) {
    if (SameWord(p.name, property)) return &p;
  }
  return nullptr;
}

void LayoutObject::Walk(
    const std::function<void(const LayoutObject&, const LayoutObject* parent)>& f,
    const LayoutObject* parent) const {
  f(*this, parent);
  for (const auto& c : children) c.Walk(f, this);
}

LayoutFileReader LayoutFolderReader(const std::string& folder) {
  return [folder](const std::string& path) -> std::optional<std::string> {
    const std::filesystem::path relative(path);
    if (relative.empty() || relative.is_absolute()) return std::nullopt;
    for (const auto& part : relative) {
      if (part == "..") return std::nullopt;
    }
    const std::filesystem::path full = std::filesystem::path(folder) / relative;
    std::error_code error;
    if (!std::filesystem::is_regular_file(full, error)) return std::nullopt;
    std::ifstream in(full, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  };
}

LayoutObject ParseLayout(std::string_view text, const std::string& fileName,
                         const LayoutFileReader& read) {
  Includes includes{read, {fileName}, {}};
  return Parser(text, fileName, includes).Layout();
}

LayoutObject ReadLayoutFile(const std::string& path, const LayoutFileReader& read) {
  std::optional<std::string> text = read(path);
  if (!text) throw ELayoutError("there is no layout " + path);
  return ParseLayout(*text, path, read);
}

std::string DescribeValue(const LayoutValue& v) {
  switch (v.kind) {
    case LayoutValue::Kind::Integer:
      return std::to_string(v.integer);
    case LayoutValue::Kind::Float:
      return std::to_string(v.number);
    case LayoutValue::Kind::String:
      return "'" + v.text + "'";
    case LayoutValue::Kind::Ident:
      return v.text;
    case LayoutValue::Kind::Set: {
      std::string out = "[";
      for (size_t i = 0; i < v.items.size(); ++i) out += (i ? ", " : "") + v.items[i];
      return out + "]";
    }
    case LayoutValue::Kind::List:
      return "(" + std::to_string(v.items.size()) + " lines)";
  }
  return "?";
}
