#include "engine/unit_graf_parse.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "engine/unit_syntaxe.h"

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool StartsWith(std::string_view text, size_t pos, std::string_view name) {
  return text.substr(pos, name.size()) == name;
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

// ---- rewriting the text -------------------------------------------------------------------------
// Every step reads the text once and writes a new one, so that none costs more than the text's
// length, however many insertions it makes.

// Replaces every occurrence of `old` until none is left. In a text that passed CheckSymbols no
// replacement forms a new occurrence, so the second search finds none.
void ReplaceAll(std::string& text, std::string_view old, std::string_view replacement) {
  while (text.find(old) != std::string::npos) {
    std::string out;
    out.reserve(text.size());
    for (size_t from = 0;;) {
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

// A leading minus, and a minus after "(" or ";", get a zero in front: "(-x" is read as "(0-x".
// "2x" means "2*x": the only product written without "*".
std::string InsertZerosAndProducts(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2 + 1);
  if (text[0] == '-') out += '0';
  bool afterDigit = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == 'x' && afterDigit) out += '*';
    out += c;
    if ((c == '(' || c == ';') && i + 1 < text.size() && text[i + 1] == '-') out += '0';
    afterDigit = IsDigit(c);
  }
  return out;
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

// "ln(" takes base e; "log(" takes base 10 unless its argument already holds a base, a ";" at
// the argument's own level.
void RewriteLogarithms(std::string& text) {
  ReplaceAll(text, "ln(", "f(a;");
  if (text.find("log(") == std::string::npos) return;
  // Which groups hold a ";" of their own, by the position of their "(".
  std::vector<bool> hasBase(text.size(), false);
  std::vector<size_t> open;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') {
      open.push_back(i);
    } else if (text[i] == ')') {
      if (!open.empty()) open.pop_back();
    } else if (text[i] == ';' && !open.empty()) {
      hasBase[open.back()] = true;
    }
  }
  std::string out;
  out.reserve(text.size() + text.size() / 4 * 3);
  for (size_t i = 0; i < text.size();) {
    if (StartsWith(text, i, "log(")) {
      out += hasBase[i + 3] ? "f(" : "f(10;";
      i += 4;
    } else {
      out += text[i++];
    }
  }
  text = std::move(out);
}

// Puts the argument after each ";" into its own parentheses, so that it stays one operand: up
// to the ")" that closes the call, jumping over nested groups. The scan goes on after the
// wrapped argument, so a ";" inside it is left as it is.
void WrapSecondArguments(std::string& text) {
  if (text.find(';') == std::string::npos) return;
  std::string out;
  out.reserve(text.size() * 3);
  for (size_t i = 0; i < text.size();) {
    out += text[i];
    if (text[i++] != ';') continue;
    out += '(';
    size_t j = i;
    for (int depth = 0; j < text.size(); ++j) {
      if (text[j] == '(') {
        ++depth;
      } else if (text[j] == ')') {
        if (depth == 0) break;
        --depth;
      }
    }
    out.append(text, i, j - i);
    out += ')';
    i = j;
  }
  text = std::move(out);
}

bool CheckAfterClosingParenthesis(std::string_view text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == ')' && std::string_view("+-*/)d").find(text[i + 1]) == std::string_view::npos) {
      return false;
    }
  }
  return true;
}

// ---- the parse tree ---------------------------------------------------------------------------

// The parse tree over the rewritten text. A node's text is a range of that text: a leaf holds a
// piece of it, an inner node the one operator or function letter at which its piece was split,
// with the piece before the letter in `left` and the piece after it in `right`. Partners of
// parentheses are found once, so that no step searches for them again.
class ParseTree {
 public:
  explicit ParseTree(std::string text) : text_(std::move(text)) {
    const size_t n = text_.size();
    partner_.assign(n, 0);
    opensBefore_.assign(n + 1, 0);
    std::vector<std::uint32_t> open;
    for (size_t i = 0; i < n; ++i) {
      opensBefore_[i + 1] = opensBefore_[i];
      if (text_[i] == '(') {
        open.push_back(static_cast<std::uint32_t>(i));
        ++opensBefore_[i + 1];
      } else if (text_[i] == ')' && !open.empty()) {
        partner_[i] = open.back();
        open.pop_back();
      }
    }
    nodes_.reserve(n + 1);
    nodes_.push_back({0, static_cast<std::uint32_t>(n), kNone, kNone});
  }

  // Splits the whole text by precedence, then takes every parenthesised leaf out of its
  // parentheses and splits it again. False when a group is left that stands right after an
  // operand, as in "x(2)": no pass would ever take it out of its parentheses.
  bool Build() {
    SplitNode(kRoot);
    std::vector<std::int32_t> pending;
    CollectLeaves(kRoot, pending);
    while (!pending.empty()) {
      const std::int32_t leaf = pending.back();
      pending.pop_back();
      if (IsWhollyParenthesized(leaf)) {
        ++nodes_[leaf].begin;
        --nodes_[leaf].end;
        SplitNode(leaf);
        CollectLeaves(leaf, pending);
      } else if (OpensIn(leaf) > 0) {
        return false;
      }
    }
    return true;
  }

  // The tokens in post-order (left, right, node), empty texts left out.
  std::vector<std::string_view> Postfix() const {
    std::vector<std::string_view> tokens;
    std::vector<std::pair<std::int32_t, bool>> pending{{kRoot, false}};
    while (!pending.empty()) {
      auto [index, expanded] = pending.back();
      const Node& node = nodes_[index];
      if (expanded) {
        pending.pop_back();
        if (node.end > node.begin) tokens.push_back(TextOf(node));
        continue;
      }
      pending.back().second = true;
      if (node.right != kNone) pending.emplace_back(node.right, false);
      if (node.left != kNone) pending.emplace_back(node.left, false);
    }
    return tokens;
  }

 private:
  static constexpr std::int32_t kNone = -1, kRoot = 0;
  struct Node {
    std::uint32_t begin, end;  // the node's text
    std::int32_t left, right;
  };

  std::string_view TextOf(const Node& node) const {
    return std::string_view(text_).substr(node.begin, node.end - node.begin);
  }
  bool IsLeaf(std::int32_t index) const {
    return nodes_[index].left == kNone && nodes_[index].right == kNone;
  }
  bool IsWhollyParenthesized(std::int32_t index) const {
    const Node& node = nodes_[index];
    return node.end - node.begin >= 2 && text_[node.end - 1] == ')' &&
           partner_[node.end - 1] == node.begin;
  }
  std::uint32_t OpensIn(std::int32_t index) const {
    return opensBefore_[nodes_[index].end] - opensBefore_[nodes_[index].begin];
  }

  // Adds the leaves of the subtree below `index`, as it stands now, to `leaves`.
  void CollectLeaves(std::int32_t index, std::vector<std::int32_t>& leaves) {
    if (IsLeaf(index)) {
      leaves.push_back(index);
      return;
    }
    walk_.assign(1, index);
    while (!walk_.empty()) {
      const std::int32_t i = walk_.back();
      walk_.pop_back();
      if (IsLeaf(i)) {
        leaves.push_back(i);
        continue;
      }
      if (nodes_[i].left != kNone) walk_.push_back(nodes_[i].left);
      if (nodes_[i].right != kNone) walk_.push_back(nodes_[i].right);
    }
  }

  void SplitNodeAt(std::int32_t index, std::uint32_t pos) {
    const Node node = nodes_[index];
    const auto left = static_cast<std::int32_t>(nodes_.size());
    nodes_.push_back({node.begin, pos, kNone, kNone});
    nodes_.push_back({pos + 1, node.end, kNone, kNone});
    nodes_[index] = {pos, pos + 1, left, left + 1};
  }

  // Splits each leaf below `index` at its rightmost character outside parentheses that
  // `isSplit` accepts, then splits the piece before it again: every operator binds to the left.
  // The scan of the piece before goes on where the last one stopped, so a pass reads each
  // character outside parentheses once.
  template <class IsSplit>
  void SplitAt(std::int32_t index, IsSplit isSplit) {
    leaves_.clear();
    CollectLeaves(index, leaves_);
    for (std::int32_t node : leaves_) {
      while (node != kNone && nodes_[node].end - nodes_[node].begin >= 2 &&
             !IsWhollyParenthesized(node)) {
        const std::uint32_t begin = nodes_[node].begin;
        std::int32_t next = kNone;
        for (std::uint32_t pos = nodes_[node].end; pos-- > begin;) {
          const char c = text_[pos];
          if (c == ')') {
            if (partner_[pos] <= begin) break;  // the group reaches the piece's start
            pos = partner_[pos];                // the loop steps to the character before the "("
          } else if (isSplit(c)) {
            SplitNodeAt(node, pos);
            next = nodes_[node].left;
            break;
          }
        }
        node = next;
      }
    }
  }

  // Precedence from the weakest to the strongest binding; the function letters are those after
  // "e": "f" to "p". The ";" binds weakest, so that the first argument of log( and odm( is one
  // operand however it is written: "log(1/2;x)" is the logarithm to base 1/2. (The second is one
  // already, WrapSecondArguments put it into parentheses.)
  void SplitNode(std::int32_t index) {
    SplitAt(index, [](char c) { return c == ';'; });
    SplitAt(index, [](char c) { return c == '+' || c == '-'; });
    SplitAt(index, [](char c) { return c == '*' || c == '/'; });
    SplitAt(index, [](char c) { return c == 'd'; });
    SplitAt(index, [](char c) { return c == 'f'; });
    SplitAt(index, [](char c) { return c > 'e'; });
  }

  std::string text_;
  std::vector<std::uint32_t> partner_;      // of each ")", the position of its "("
  std::vector<std::uint32_t> opensBefore_;  // the number of "(" before each position
  std::vector<Node> nodes_;
  std::vector<std::int32_t> leaves_, walk_;  // scratch of SplitAt and CollectLeaves
};

}  // namespace

bool CheckSymbols(std::string_view text, Variables variables) {
  int balance = 0;
  for (char c : text) balance += (c == '(') - (c == ')');
  if (balance != 0) return false;

  static constexpr std::string_view kA[] = {"arcsin(", "arccos(", "arctg(", "arccotg(", "abs("};
  static constexpr std::string_view kC[] = {"cos(", "cotg("};
  static constexpr std::string_view kL[] = {"ln(", "log("};
  static constexpr std::string_view kO[] = {"odm("};
  static constexpr std::string_view kP[] = {"pi"};
  static constexpr std::string_view kS[] = {"sin("};
  static constexpr std::string_view kT[] = {"tg("};
  for (size_t i = 0; i < text.size();) {
    std::span<const std::string_view> names;
    switch (text[i]) {
      case 'a':
        names = kA;
        break;
      case 'c':
        names = kC;
        break;
      case 'l':
        names = kL;
        break;
      case 'o':
        names = kO;
        break;
      case 'p':
        names = kP;
        break;
      case 's':
        names = kS;
        break;
      case 't':
        names = kT;
        break;
      default:
        break;
    }
    if (!names.empty()) {
      size_t length = 0;
      for (std::string_view name : names) {
        if (StartsWith(text, i, name)) length = name.size();
      }
      if (length == 0) return false;
      i += length;
      continue;
    }
    const bool variable = text[i] == 'y' && variables == Variables::XY;
    if (std::string_view("+-*/^xe.,();").find(text[i]) == std::string_view::npos &&
        !IsDigit(text[i]) && !variable) {
      return false;
    }
    ++i;
  }
  return true;
}

bool ParseExpression(std::string_view text, TokenList& list, Variables variables) {
  FreeTokenList(list);
  // A ")" that closes nothing is rejected before any step looks for a partner parenthesis.
  if (text.empty() || !CheckSymbols(text, variables) || !ClosesOnlyOpened(text)) return false;

  std::string work = InsertZerosAndProducts(text);  // before "x" becomes "c"
  for (auto [name, letter] : kLetters) ReplaceAll(work, name, letter);
  RewriteLogarithms(work);  // after "e" became "a", which the base of "ln(" is
  WrapSecondArguments(work);
  if (!CheckAfterClosingParenthesis(work)) return false;

  ParseTree tree(std::move(work));
  if (!tree.Build()) return false;
  const std::vector<std::string_view> postfix = tree.Postfix();
  if (!CheckOperandCount(postfix)) return false;
  NewTokenList(list);
  for (auto token = postfix.rbegin(); token != postfix.rend(); ++token) {
    PushToken(list, std::string(*token));
  }
  return true;
}
