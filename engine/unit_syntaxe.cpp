#include "engine/unit_syntaxe.h"

#include "platform/sysutils.h"

TokenKind ClassifyToken(std::string_view token) {
  if (IsOperand(token)) return TokenKind::Operand;
  if (token.size() != 1) return TokenKind::Unknown;
  switch (token[0]) {
    case ';':
      return TokenKind::Separator;
    case '+':
    case '-':
    case '*':
    case '/':
    case 'd':
    case 'f':
    case 'o':
      return TokenKind::Binary;
    case 'g':
    case 'h':
    case 'i':
    case 'j':
    case 'k':
    case 'l':
    case 'm':
    case 'n':
    case 'p':
      return TokenKind::Unary;
    default:
      return TokenKind::Unknown;
  }
}

bool IsOperand(std::string_view token) {
  if (token == "a" || token == "b" || token == "c" || token == "y") return true;
  double value;
  return TryStrToFloat(token, value);
}

namespace {

// The depth of the value stack after `token`, or -1 when the token finds too few values or is
// no token of the vocabulary.
int DepthAfter(std::string_view token, int depth) {
  switch (ClassifyToken(token)) {
    case TokenKind::Operand:
      return depth + 1;
    case TokenKind::Separator:
      return depth;
    case TokenKind::Unary:
      return depth < 1 ? -1 : depth;
    case TokenKind::Binary:
      return depth < 2 ? -1 : depth - 1;
    case TokenKind::Unknown:
      break;
  }
  return -1;
}

}  // namespace

bool CheckOperandCount(TokenList list) {
  // Counting alone would accept lists that pop an empty stack ("+" before its operands) or
  // hold a text that is no token; following the stack depth rejects both. What is left of the
  // list is released on return.
  int depth = 0;
  while (list.Exists() && list.First()->next) {
    depth = DepthAfter(PopToken(list), depth);
    if (depth < 0) return false;
  }
  return depth == 1;
}

bool CheckOperandCount(std::span<const std::string_view> tokens) {
  int depth = 0;
  for (std::string_view token : tokens) {
    depth = DepthAfter(token, depth);
    if (depth < 0) return false;
  }
  return depth == 1;
}
