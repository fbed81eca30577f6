// Operand and operand-count checks on postfix token lists, shared by both engine variants.
#pragma once

#include <span>
#include <string_view>

#include "engine/unit_typy.h"

// The variables an expression may name: "x" in the one-variable engine, "x" and "y" in the
// two-variable one. Everything else about the language is the same for both.
enum class Variables { X, XY };

// What a postfix token does to the value stack.
enum class TokenKind {
  Operand,    // pushes one value: a number, "a" (e), "b" (pi), "c" (x), "y"
  Separator,  // ";": leaves both arguments on the stack
  Unary,      // a one-argument function: "g" to "p" but "o"
  Binary,     // "+", "-", "*", "/", "d" (power), "f" (logarithm), "o" (root)
  Unknown,    // anything else: no token of the vocabulary
};

TokenKind ClassifyToken(std::string_view token);

// True for "a", "b", "c", "y" and any text that StrToFloat reads (decimal comma).
bool IsOperand(std::string_view token);

// Consumes the list (hand it a copy). True when the tokens, taken in order, leave exactly one
// value, no operator finds fewer values than it takes and every token belongs to the
// vocabulary, so that evaluating the list can never run out of values.
bool CheckOperandCount(TokenList list);

// The same check on tokens in order, without a list.
bool CheckOperandCount(std::span<const std::string_view> tokens);
