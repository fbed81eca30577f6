// Token lists written as their tokens separated by blanks ("2 c * 1 +"), for tables of cases.
#pragma once

#include <sstream>
#include <string>
#include <string_view>

#include "engine/unit_typy.h"

inline TokenList ListOf(std::string_view tokens) {
  TokenList list;
  NewTokenList(list);
  std::istringstream in{std::string(tokens)};
  for (std::string token; in >> token;) PushToken(list, token);
  ReverseTokenList(list);
  return list;
}

// The tokens in order; "<no list>" for no list, "<no sentinel>" for a chain that lacks one.
inline std::string TokensOf(const TokenList& list) {
  if (!list.Exists()) return "<no list>";
  std::string out;
  const Tprvek_z* node = list.First();
  for (; node->next; node = node->next.get()) {
    if (!out.empty()) out += ' ';
    out += node->text;
  }
  if (!node->text.empty()) out += " <no sentinel>";
  return out;
}
