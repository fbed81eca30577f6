// Acceptance check and parser of the one-variable expression language: "x", "pi", "e", numbers
// with a decimal comma or point, + - * / ^, parentheses, sin( cos( tg( cotg( arcsin( arccos(
// arctg( arccotg( abs( ln( log( odm( and ";" between two arguments. log( and odm( take the base
// or the degree first; each of their two arguments is one operand however it is written, so
// "log(1/2;x)" is the logarithm to base 1/2 and "odm(1+1;x)" the square root.
#pragma once

#include <string_view>

#include "engine/unit_syntaxe.h"
#include "engine/unit_typy.h"

// Character-level acceptance of a typed expression: balanced parenthesis counts, every letter
// part of a known name (functions with their "("), every other character an operator, "x",
// "e", a separator, a parenthesis or a digit ("y" too where `variables` has it). An empty text
// passes.
bool CheckSymbols(std::string_view text, Variables variables = Variables::X);

// Parses an expression. True: `list` holds its postfix tokens in evaluation order, owned by the
// caller (hand it to DrawGraph or EvaluatePostfix, which consume it). False: the text is no
// valid expression and `list` is no list. Shows nothing; the text is not changed. With
// Variables::XY, "y" stands wherever "x" may (as the token "y"), but never in an implicit
// product.
bool ParseExpression(std::string_view text, TokenList& list, Variables variables = Variables::X);
