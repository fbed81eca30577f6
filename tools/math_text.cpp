#include "tools/math_text.h"

#include <QStringList>

namespace {

const QChar kNbsp(0x00A0);
const QChar kNarrowNbsp(0x202F);
const QChar kMinus(0x2212);

bool IsLatin(QChar c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsRelation(const QString& s) {
  static const QStringList relations = {"=", "<", ">", "≤", "≥", "≠", "≐", "≈",
                                        "∈", "∉", "⊂", "⊆", "→", "⇒", "⇔"};
  return relations.contains(s);
}

bool IsOperator(const QString& s) {
  return s == "+" || s == QString(kMinus) || s == "±" || s == "·" || s == "×";
}

bool Opens(const QString& s) {
  return s == "(" || s == "[" || s == "{" || s == "⟨";
}

// The function names that are set upright, longest first so that "arcsin" wins over "sin".
const QStringList& FunctionNames() {
  static const QStringList names = {"arccotg", "arcsin", "arccos", "arctg", "cotg", "sgn",
                                    "sin",     "cos",    "log",    "tg",    "ln"};
  return names;
}

// The sign an entity stands for, or a null string.
QString Entity(const QString& name) {
  if (name == "lt") return "<";
  if (name == "gt") return ">";
  if (name == "amp") return "&";
  if (name == "quot") return "\"";
  if (name == "nbsp") return QString(kNbsp);
  if (name == "minus") return QString(kMinus);
  bool ok = false;
  uint code = 0;
  if (name.startsWith("#x") || name.startsWith("#X")) {
    code = name.mid(2).toUInt(&ok, 16);
  } else if (name.startsWith('#')) {
    code = name.mid(1).toUInt(&ok, 10);
  }
  if (ok && code > 0 && code < 0x110000) {
    char32_t c = code;
    return QString::fromUcs4(&c, 1);
  }
  return QString();
}

class Setter {
 public:
  explicit Setter(std::vector<MathRun>& runs) : runs_(runs) {}

  void Set(const QString& s, int script, bool afterOperand = false) {
    // What came last decides whether a sign is unary.
    enum class Last { Start, Open, Operand, Relation, Operator, Punct, Function };
    Last last = afterOperand ? Last::Operand : Last::Start;
    bool space = false;  // a space of the source is pending
    bool absOpen = false;
    auto pendingSpace = [&] {
      if (space && last != Last::Start && last != Last::Relation && last != Last::Operator &&
          last != Last::Function) {
        Add(QString(kNbsp), false, script);
      }
      space = false;
    };
    for (int i = 0; i < s.size();) {
      QChar c = s[i];
      if (c.isSpace() || c == kNbsp) {
        space = true;
        ++i;
        continue;
      }
      if ((c == '^' || c == '_') && i + 1 < s.size()) {
        pendingSpace();
        const int level = script + (c == '^' ? 1 : -1);
        int end = 0;
        QString inner;
        if (s[i + 1] == '{') {
          inner = Braced(s, i + 1, end);
        }
        if (inner.isNull()) {
          end = i + 2;
          if (s[i + 1] == '&') {
            int semi = s.indexOf(';', i + 1);
            if (semi > 0) end = semi + 1;
          }
          inner = s.mid(i + 1, end - i - 1);
        }
        Setter(runs_).Set(inner, level);
        i = end;
        // log_2 x: the base belongs to the name, the argument still follows it.
        if (last != Last::Function) last = Last::Operand;
        continue;
      }
      if (IsLatin(c)) {
        int j = i;
        while (j < s.size() && IsLatin(s[j])) ++j;
        QString word = s.mid(i, j - i);
        QString name;
        for (const QString& n : FunctionNames()) {
          if (word.startsWith(n)) {
            name = n;
            break;
          }
        }
        if (last == Last::Function) Add(QString(kNarrowNbsp), false, script);
        pendingSpace();
        if (!name.isEmpty()) {
          Add(name, false, script);
          last = Last::Function;
          i += name.size();
          if (i < j && script == 0) Add(QString(kNarrowNbsp), false, script);
          if (i < j) last = Last::Operand;
          if (i == j) continue;
          Add(s.mid(i, j - i), true, script);
        } else {
          Add(word, true, script);
          last = Last::Operand;
        }
        i = j;
        continue;
      }
      // One sign: an entity, a digraph or a character.
      QString sign(c);
      int next = i + 1;
      if (c == '&') {
        int semi = s.indexOf(';', i);
        QString decoded = semi > i ? Entity(s.mid(i + 1, semi - i - 1)) : QString();
        if (!decoded.isNull()) {
          sign = decoded;
          next = semi + 1;
        }
      } else if (i + 1 < s.size() && s[i + 1] == '=' && (c == '<' || c == '>' || c == '!')) {
        sign = c == '<' ? "≤" : c == '>' ? "≥" : "≠";
        next = i + 2;
      } else if (c == '-') {
        sign = QString(kMinus);
      } else if (c == '*') {
        sign = "·";
      }
      if (sign == QString(kNbsp)) {
        space = true;
        i = next;
        continue;
      }
      const bool unary = last == Last::Start || last == Last::Open || last == Last::Relation ||
                         last == Last::Operator || last == Last::Punct || last == Last::Function;
      if (IsRelation(sign) || (IsOperator(sign) && !unary)) {
        space = false;
        if (last == Last::Function) Add(QString(kNarrowNbsp), false, script);
        QChar gap = IsRelation(sign) ? kNbsp : kNarrowNbsp;
        if (script != 0) {
          Add(sign, false, script);
        } else {
          Add(gap + sign + gap, false, script);
        }
        last = IsRelation(sign) ? Last::Relation : Last::Operator;
        i = next;
        continue;
      }
      if (last == Last::Function && !Opens(sign)) Add(QString(kNarrowNbsp), false, script);
      pendingSpace();
      Add(sign, false, script);
      if (IsOperator(sign)) {
        last = Last::Operator;
      } else if (Opens(sign) || (sign == "|" && !absOpen)) {
        last = Last::Open;
      } else if (sign == ";" || sign == ":" || (sign == "," && !DecimalComma(s, i))) {
        last = Last::Punct;
      } else {
        last = Last::Operand;
      }
      if (sign == "|") absOpen = !absOpen;
      i = next;
    }
    // A name that ends the text takes its argument from what follows it (a fraction).
    if (last == Last::Function) Add(QString(kNarrowNbsp), false, script);
  }

 private:
  static bool DecimalComma(const QString& s, int i) {
    return i > 0 && i + 1 < s.size() && s[i - 1].isDigit() && s[i + 1].isDigit();
  }

  void Add(const QString& text, bool italic, int script) {
    if (!runs_.empty() && runs_.back().italic == italic && runs_.back().script == script) {
      runs_.back().text += text;
      return;
    }
    runs_.push_back({text, italic, script});
  }

  std::vector<MathRun>& runs_;
};

QString Escaped(const QString& s) {
  QString out;
  for (QChar c : s) {
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

QString Braced(const QString& s, int open, int& end) {
  if (open >= s.size() || s[open] != '{') return QString();
  int depth = 0;
  for (int i = open; i < s.size(); ++i) {
    if (s[i] == '{') ++depth;
    if (s[i] == '}' && --depth == 0) {
      end = i + 1;
      return s.mid(open + 1, i - open - 1);
    }
  }
  return QString();
}

std::vector<MathRun> MathRuns(const QString& formula, bool afterOperand) {
  std::vector<MathRun> runs;
  Setter(runs).Set(formula, 0, afterOperand);
  return runs;
}

QString MathHtml(const std::vector<MathRun>& runs) {
  QString out;
  for (const MathRun& r : runs) {
    QString t = Escaped(r.text);
    if (r.italic) t = "<i>" + t + "</i>";
    for (int level = r.script; level > 0; --level) t = "<sup>" + t + "</sup>";
    for (int level = r.script; level < 0; ++level) t = "<sub>" + t + "</sub>";
    out += t;
  }
  return out;
}
