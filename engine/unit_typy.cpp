#include "engine/unit_typy.h"

#include <utility>

Tprvek_z::~Tprvek_z() {
  // Assigning the successor's successor releases one node at a time; each released node's own
  // `next` is already empty, so no destructor recurses.
  std::unique_ptr<Tprvek_z> rest = std::move(next);
  while (rest) rest = std::move(rest->next);
}

void NewTokenList(TokenList& list) {
  list.first_ = std::make_unique<Tprvek_z>();
}

void PushToken(TokenList& list, std::string text) {
  if (text.empty()) return;
  if (!list.first_) NewTokenList(list);
  list.first_ = std::make_unique<Tprvek_z>(std::move(text), std::move(list.first_));
}

std::string PopToken(TokenList& list) {
  if (!list.first_) return {};
  std::unique_ptr<Tprvek_z> node = std::move(list.first_);
  list.first_ = std::move(node->next);
  return std::move(node->text);
}

void ReverseTokenList(TokenList& list) {
  if (!list.first_) return;
  // Relink the token nodes in front of the sentinel, which stays last.
  std::unique_ptr<Tprvek_z> rest = std::move(list.first_);
  std::unique_ptr<Tprvek_z> reversed;
  Tprvek_z* tail = nullptr;  // the first token, which ends up last
  while (rest->next) {       // every node but the sentinel
    std::unique_ptr<Tprvek_z> node = std::move(rest);
    rest = std::move(node->next);
    if (!tail) tail = node.get();
    node->next = std::move(reversed);
    reversed = std::move(node);
  }
  if (!tail) {
    list.first_ = std::move(rest);
    return;
  }
  tail->next = std::move(rest);
  list.first_ = std::move(reversed);
}

TokenList CopyTokenList(const TokenList& list) {
  TokenList copy;
  const Tprvek_z* from = list.First();
  if (!from) return copy;
  NewTokenList(copy);
  // Build the copy back to front, then turn it round, so that copying stays linear.
  for (; from->next; from = from->next.get()) PushToken(copy, from->text);
  ReverseTokenList(copy);
  return copy;
}

void FreeTokenList(TokenList& list) {
  list.first_.reset();
}
