#pragma once
// Short card names for tests: "2D" is the Two of Diamonds, "10S" the Ten of Spades, "AH" the
// Ace of Hearts.
#include <initializer_list>
#include <stdexcept>
#include <string_view>

#include "state/GameState.h"

namespace solo::test {

inline int Card(std::string_view name) {
  const char suit = name.back();
  name.remove_suffix(1);
  int value = 0;
  if (name == "A") value = 14;
  else if (name == "K") value = 13;
  else if (name == "Q") value = 12;
  else if (name == "J") value = 11;
  else
    for (char c : name) value = value * 10 + (c - '0');
  int suitIndex = 0;
  switch (suit) {
    case 'D': suitIndex = 0; break;
    case 'C': suitIndex = 1; break;
    case 'H': suitIndex = 2; break;
    case 'S': suitIndex = 3; break;
    default: throw std::invalid_argument("bad suit");
  }
  if (value < 2 || value > 14) throw std::invalid_argument("bad rank");
  return suitIndex * 13 + value - 1;
}

// A built pack with every card in no hand.
inline GameState FreshState() {
  GameState s;
  BuildPack(s);
  return s;
}

inline void Give(GameState& s, int seat, std::initializer_list<std::string_view> cards) {
  for (std::string_view c : cards) SetOwner(s, Card(c), seat);
}

}  // namespace solo::test
