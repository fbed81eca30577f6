// The parser as it was before it became linear: every step on a copy of the text, nodes that own
// their texts. Kept only for the differential test, which asks the engine's parser for the same
// verdict and the same tokens.
#include "tests/engine/reference_parser.h"

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/unit_graf_parse.h"
#include "engine/unit_syntaxe.h"

namespace reference {

namespace {

// A node of the parse tree: a leaf holds a piece of the rewritten text; an inner node one
// operator or function letter, with the text before it in `left` and after it in `right`.
struct Tprvek_s;
using Node = std::unique_ptr<Tprvek_s>;

struct Tprvek_s {
  std::string text;
  Node left, right;

  explicit Tprvek_s(std::string t) : text(std::move(t)) {}
  // Long operator chains make deep trees: release them without recursion.
  ~Tprvek_s() {
    std::vector<Node> pending;
    if (left) pending.push_back(std::move(left));
    if (right) pending.push_back(std::move(right));
    while (!pending.empty()) {
      Node node = std::move(pending.back());
      pending.pop_back();
      if (node->left) pending.push_back(std::move(node->left));
      if (node->right) pending.push_back(std::move(node->right));
    }
  }
  bool IsLeaf() const { return !left && !right; }
};

Node NewTreeNode(std::string text) {
  return std::make_unique<Tprvek_s>(std::move(text));
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Index of the ")" that closes the "(" at `open`; the text's length when none does.
size_t SkipGroupForward(std::string_view text, size_t open) {
  int depth = 0;
  for (size_t i = open; i < text.size(); ++i) {
    if (text[i] == '(') {
      ++depth;
    } else if (text[i] == ')' && --depth == 0) {
      return i;
    }
  }
  return text.size();
}

// Index of the "(" that the ")" at `close` closes; npos when none does.
size_t SkipGroupBackward(std::string_view text, size_t close) {
  int depth = 0;
  for (size_t i = close + 1; i-- > 0;) {
    if (text[i] == ')') {
      ++depth;
    } else if (text[i] == '(' && --depth == 0) {
      return i;
    }
  }
  return std::string_view::npos;
}

// Whether every ")" closes a "(" that stands before it.
bool ClosesOnlyOpened(std::string_view text) {
  int depth = 0;
  for (char c : text) {
    if (c == '(') ++depth;
    if (c == ')' && --depth < 0) return false;
  }
  return true;
}

// Replaces every occurrence of `old` until none is left.
void ReplaceAll(std::string& text, std::string_view old, std::string_view replacement) {
  for (size_t pos = text.find(old); pos != std::string::npos; pos = text.find(old)) {
    std::string out(text, 0, pos);
    for (size_t from = pos; from < text.size();) {
      size_t at = text.find(old, from);
      if (at == std::string::npos) {
        out.append(text, from);
        break;
      }
      out.append(text, from, at - from);
      out.append(replacement);
      from = at + old.size();
    }
    text = std::move(out);
  }
}

// A minus after "(" or ";" gets a zero in front: "(-x" is read as "(0-x".
void InsertLeadingZeros(std::string& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if ((text[i] == '(' || text[i] == ';') && text[i + 1] == '-') {
      text.insert(i + 1, "0");
      ++i;
    }
  }
}

// "2x" means "2*x": the only product written without "*".
void InsertImplicitMultiplication(std::string& text) {
  bool afterDigit = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == 'x' && afterDigit) {
      text.insert(i, "*");
      ++i;
    }
    afterDigit = IsDigit(text[i]);
  }
}

// Longer names before the shorter names inside them; "e" only once no name holds it.
constexpr std::array<std::pair<std::string_view, std::string_view>, 15> kLetters{{
    {"arcsin(", "g("},
    {"sin(", "n("},
    {"arccos(", "i("},
    {"cos(", "h("},
    {"arccotg(", "m("},
    {"arctg(", "k("},
    {"cotg(", "l("},
    {"tg(", "j("},
    {"^", "d"},
    {"odm(", "o("},
    {"abs(", "p("},
    {"e", "a"},
    {"pi", "b"},
    {"x", "c"},
    {".", ","},
}};

// "ln(" takes base e; "log(" takes base 10 unless its argument already holds a base.
void RewriteLogarithms(std::string& text) {
  ReplaceAll(text, "ln(", "f(a;");
  for (size_t pos = text.find("log("); pos != std::string::npos; pos = text.find("log(")) {
    size_t open = pos + 3;
    size_t close = SkipGroupForward(text, open);
    bool hasBase = false;
    for (size_t i = open + 1; i < close && !hasBase; ++i) {
      if (text[i] == '(') {
        i = SkipGroupForward(text, i);
      } else {
        hasBase = text[i] == ';';
      }
    }
    text.replace(pos, 4, hasBase ? "f(" : "f(10;");
  }
}

// Puts the argument after each ";" into its own parentheses, so that it stays one operand.
void WrapSecondArguments(std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != ';') continue;
    text.insert(i + 1, "(");
    size_t j = i + 2;
    while (j < text.size() && text[j] != ')') {
      j = text[j] == '(' ? SkipGroupForward(text, j) + 1 : j + 1;
    }
    if (j > text.size()) j = text.size();
    text.insert(j, ")");
    i = j;  // the scan goes on after the inserted ")"
  }
}

bool IsWhollyParenthesized(const std::string& text) {
  return text.size() >= 2 && text.back() == ')' && SkipGroupBackward(text, text.size() - 1) == 0;
}

void StripOuterParentheses(std::string& text) {
  text = text.substr(1, text.size() - 2);
}

void SplitNodeAt(Tprvek_s& node, size_t pos) {
  char letter = node.text[pos];
  node.left = NewTreeNode(node.text.substr(0, pos));
  node.right = NewTreeNode(node.text.substr(pos + 1));
  node.text.assign(1, letter);
}

// Visits the leaves of the tree below `root` as it stands now; `visit` may split the leaf it is
// given. Leaves are independent of each other, so the order does not matter.
template <class Visit>
void ForEachLeaf(Tprvek_s& root, Visit visit) {
  std::vector<Tprvek_s*> pending{&root};
  while (!pending.empty()) {
    Tprvek_s* node = pending.back();
    pending.pop_back();
    if (node->IsLeaf()) {
      visit(*node);
      continue;
    }
    if (node->left) pending.push_back(node->left.get());
    if (node->right) pending.push_back(node->right.get());
  }
}

// Splits each leaf at its rightmost character outside parentheses that `isSplit` accepts, then
// splits the text before it again: every operator binds to the left.
template <class IsSplit>
void SplitAt(Tprvek_s& root, IsSplit isSplit) {
  ForEachLeaf(root, [&](Tprvek_s& leaf) {
    Tprvek_s* node = &leaf;
    while (node && node->text.size() >= 2 && !IsWhollyParenthesized(node->text)) {
      const std::string& text = node->text;
      Tprvek_s* next = nullptr;
      for (size_t pos = text.size(); pos-- > 0;) {
        if (text[pos] == ')') {
          size_t open = SkipGroupBackward(text, pos);
          if (open == 0 || open == std::string::npos) break;
          pos = open;  // the loop steps to the character before the "("
        } else if (isSplit(text[pos])) {
          SplitNodeAt(*node, pos);
          next = node->left.get();
          break;
        }
      }
      node = next;
    }
  });
}

void SplitAtBinaryOperators(Tprvek_s& root, std::string_view operators) {
  SplitAt(root, [operators](char c) { return operators.find(c) != std::string_view::npos; });
}

// The function letters are those after "e": "f" to "p".
void SplitAtFunctions(Tprvek_s& root) {
  SplitAt(root, [](char c) { return c > 'e'; });
}

// Precedence from the weakest to the strongest binding; ";" weakest, so that both arguments of
// log( and odm( are one operand each.
void SplitNode(Tprvek_s& node) {
  SplitAtBinaryOperators(node, ";");
  SplitAtBinaryOperators(node, "+-");
  SplitAtBinaryOperators(node, "*/");
  SplitAtBinaryOperators(node, "d");
  SplitAtBinaryOperators(node, "f");
  SplitAtFunctions(node);
}

// One pass: every leaf in parentheses loses its outer pair and is split again.
void ExpandParenthesized(Tprvek_s& root, int& n) {
  ForEachLeaf(root, [&n](Tprvek_s& leaf) {
    if (!IsWhollyParenthesized(leaf.text)) return;
    StripOuterParentheses(leaf.text);
    --n;
    SplitNode(leaf);
  });
}

bool CheckAfterClosingParenthesis(std::string_view text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == ')' && std::string_view("+-*/)d").find(text[i + 1]) == std::string_view::npos) {
      return false;
    }
  }
  return true;
}

int CountOpenParentheses(std::string_view text) {
  int n = 0;
  for (char c : text) n += c == '(';
  return n;
}

// Pushes the tree in post-order (left, right, node) onto the front of the list, releasing the
// nodes as it goes; the list comes out back to front.
void EmitPostfix(Node root, TokenList& list) {
  std::vector<std::pair<Node, bool>> pending;  // node, subtrees already scheduled
  pending.emplace_back(std::move(root), false);
  while (!pending.empty()) {
    if (pending.back().second) {
      PushToken(list, std::move(pending.back().first->text));
      pending.pop_back();
      continue;
    }
    pending.back().second = true;
    Node left = std::move(pending.back().first->left);
    Node right = std::move(pending.back().first->right);
    if (right) pending.emplace_back(std::move(right), false);
    if (left) pending.emplace_back(std::move(left), false);
  }
}

}  // namespace

bool ReferenceParseExpression(std::string_view text, TokenList& list) {
  FreeTokenList(list);
  // A ")" that closes nothing is rejected before any step looks for a partner parenthesis.
  if (text.empty() || !CheckSymbols(text) || !ClosesOnlyOpened(text)) return false;

  std::string work(text);
  if (work[0] == '-') work.insert(0, "0");
  InsertLeadingZeros(work);
  InsertImplicitMultiplication(work);  // before "x" becomes "c"
  for (auto [name, letter] : kLetters) ReplaceAll(work, name, letter);
  RewriteLogarithms(work);  // after "e" became "a", which the base of "ln(" is
  WrapSecondArguments(work);

  Node root = NewTreeNode(work);
  SplitNode(*root);
  if (!CheckAfterClosingParenthesis(work)) return false;
  // Each pass removes the outer pair of every parenthesised leaf; a pass that removes none
  // while pairs remain means a group stands right after an operand, as in "x(2)".
  int n = CountOpenParentheses(work);
  while (n > 0) {
    int before = n;
    ExpandParenthesized(*root, n);
    if (n == before) return false;
  }

  TokenList tokens;
  NewTokenList(tokens);
  EmitPostfix(std::move(root), tokens);
  ReverseTokenList(tokens);
  if (!CheckOperandCount(CopyTokenList(tokens))) return false;
  list = std::move(tokens);
  return true;
}

}  // namespace reference
