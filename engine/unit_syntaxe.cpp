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

bool CheckOperandCount(TokenList list) {
  // Counting alone would accept lists that pop an empty stack ("+" before its operands) or
  // hold a text that is no token; following the stack depth rejects both. What is left of the
  // list is released on return.
  int depth = 0;
  while (list.Exists() && list.First()->next) {
    switch (ClassifyToken(PopToken(list))) {
      case TokenKind::Operand:
        ++depth;
        break;
      case TokenKind::Separator:
        break;
      case TokenKind::Unary:
        if (depth < 1) return false;
        break;
      case TokenKind::Binary:
        if (depth < 2) return false;
        --depth;
        break;
      case TokenKind::Unknown:
        return false;
    }
  }
  return depth == 1;
}
