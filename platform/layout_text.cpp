#include "platform/layout_text.h"

#include <cctype>
#include <charconv>
#include <functional>

namespace {

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

class Parser {
 public:
  Parser(std::string_view text, const std::string& file) : s_(text), file_(file) {}

  LayoutObject Parse() {
    Skip();
    LayoutObject root = Object();
    Skip();
    if (pos_ != s_.size()) Fail("text after the last 'end'");
    return root;
  }

 private:
  [[noreturn]] void Fail(const std::string& why) const {
    throw ELayoutError(file_ + ":" + std::to_string(line_) + ": " + why);
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

  std::string Word() {
    Skip();
    size_t start = pos_;
    while (AtWordChar()) ++pos_;
    if (start == pos_) Fail("a name was expected");
    return std::string(s_.substr(start, pos_ - start));
  }

  bool PeekWord(std::string_view w) {
    Skip();
    size_t save = pos_;
    int saveLine = line_;
    size_t start = pos_;
    while (AtWordChar()) ++pos_;
    bool same = SameWord(s_.substr(start, pos_ - start), w);
    pos_ = save;
    line_ = saveLine;
    return same;
  }

  void Expect(char c) {
    Skip();
    if (pos_ >= s_.size() || s_[pos_] != c) Fail(std::string("'") + c + "' was expected");
    ++pos_;
  }

  LayoutObject Object() {
    LayoutObject obj;
    obj.line = line_;
    std::string kw = Word();
    if (!SameWord(kw, "object") && !SameWord(kw, "inherited")) Fail("'object' was expected");
    obj.name = Word();
    Expect(':');
    obj.className = Word();
    for (;;) {
      Skip();
      if (pos_ >= s_.size()) Fail("'end' of object " + obj.name + " is missing");
      if (PeekWord("end")) {
        Word();
        return obj;
      }
      if (PeekWord("object") || PeekWord("inherited")) {
        obj.children.push_back(Object());
        continue;
      }
      LayoutProperty p;
      p.line = line_;
      p.name = Word();
      Expect('=');
      p.value = Value();
      obj.properties.push_back(std::move(p));
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
          if (s_[pos_] == '\'') {
            if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'') {
              out += '\'';
              pos_ += 2;
              continue;
            }
            ++pos_;
            break;
          }
          out += s_[pos_++];
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
        v.items.push_back(StringValue());
      }
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

  std::string_view s_;
  const std::string& file_;
  size_t pos_ = 0;
  int line_ = 1;
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

LayoutObject ParseLayout(std::string_view text, const std::string& fileName) {
  return Parser(text, fileName).Parse();
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
