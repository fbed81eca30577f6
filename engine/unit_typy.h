// Token records of the expression engine and the routines of the token list.
#pragma once

#include <memory>
#include <string>

// One node of a token list: one token and the rest of the chain.
struct Tprvek_z {
  std::string text;
  std::unique_ptr<Tprvek_z> next;

  Tprvek_z() = default;
  explicit Tprvek_z(std::string t, std::unique_ptr<Tprvek_z> n = nullptr)
      : text(std::move(t)), next(std::move(n)) {}
  // Releases the chain behind the node one node at a time, so that a long list cannot exhaust
  // the stack.
  ~Tprvek_z();
  Tprvek_z(const Tprvek_z&) = delete;
  Tprvek_z& operator=(const Tprvek_z&) = delete;
};

// A token list: the owner of a chain of nodes that ends in one sentinel node with an empty
// text; a list without tokens is the sentinel alone. A default-constructed list, and a list
// whose sentinel has been popped, holds no chain at all ("no list"). Move-only: a list given by
// value to CheckOperandCount, EvaluatePostfix or DrawGraph is consumed there.
class TokenList {
 public:
  TokenList() = default;
  TokenList(TokenList&&) noexcept = default;
  TokenList& operator=(TokenList&&) noexcept = default;

  // False for "no list".
  bool Exists() const { return first_ != nullptr; }
  // The first node (the sentinel for a list without tokens); nullptr for "no list".
  const Tprvek_z* First() const { return first_.get(); }

 private:
  friend void NewTokenList(TokenList& list);
  friend void PushToken(TokenList& list, std::string text);
  friend std::string PopToken(TokenList& list);
  friend void ReverseTokenList(TokenList& list);
  friend void FreeTokenList(TokenList& list);

  std::unique_ptr<Tprvek_z> first_;
};

// Makes the list a fresh sentinel alone (releasing what it held).
void NewTokenList(TokenList& list);
// Puts a node holding `text` in front of the list; an empty text is ignored. Pushing onto "no
// list" first makes it a fresh sentinel.
void PushToken(TokenList& list, std::string text);
// Takes the first token off the list and returns it. Popping the sentinel returns "" and leaves
// no list; popping no list returns "".
std::string PopToken(TokenList& list);
// Reverses the order of the tokens; the list still ends in exactly one sentinel.
void ReverseTokenList(TokenList& list);
// An independent list with the same tokens in the same order; the list given is unchanged.
TokenList CopyTokenList(const TokenList& list);
// Releases the list's nodes; the list is then no list.
void FreeTokenList(TokenList& list);
