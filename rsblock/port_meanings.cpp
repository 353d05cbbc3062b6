#include "rsblock/port_meanings.h"

#include <array>

namespace rsblock {

namespace {

enum class For { kAll, kEncoder, kDecoder, kStreaming, kDiscrete };

struct Meaning {
  std::string_view port;
  For role;
  std::string_view text;
};

constexpr std::array<Meaning, 18> kMeanings{{
    {"sysclk", For::kAll, "clock; the block acts on its rising edge"},
    {"reset", For::kEncoder, "synchronous, active high: clears the codeword in progress"},
    {"reset", For::kDecoder, "synchronous, active high: drops every word in flight; once at start"},
    {"start", For::kEncoder, "1 on an edge: a codeword begins afresh"},
    {"enable", For::kEncoder, "1 on an edge: one symbol is taken; 0: everything holds"},
    {"rsin", For::kEncoder, "message symbol, highest power first"},
    {"rsout", For::kEncoder, "codeword symbol a clock later: k message, then r check symbols"},
    {"rsin", For::kDecoder, "received symbol, highest power first"},
    {"dsin", For::kStreaming, "rising with rdyin 1: the word's n symbols are taken from this edge"},
    {"dsin", For::kDiscrete, "1 with rdyin 1: the symbol on rsin is taken"},
    {"rdyin", For::kStreaming, "1: a word may start; 0 while one comes in and after it"},
    {"rdyin", For::kDiscrete, "1: a symbol may be taken; 0 briefly after a word's last"},
    {"bypass", For::kDecoder, "read with a word's first symbol: 1 sends that word out unchanged"},
    {"dsout", For::kDecoder, "0 on an edge: that edge's output is dropped (outputs 0)"},
    {"rsout", For::kDecoder, "corrected symbol, in input order, while outvalid is 1"},
    {"outvalid", For::kDecoder, "1 on the n consecutive edges that carry a word out"},
    {"decfail", For::kDecoder, "1 over a word not corrected: it leaves as received"},
    {"numerr", For::kDecoder, "symbols corrected in the word leaving, over all its n edges"},
}};

bool Applies(For row, BlockRole role) {
  switch (row) {
    case For::kAll:
      return true;
    case For::kEncoder:
      return role == BlockRole::kEncoder;
    case For::kDecoder:
      return role != BlockRole::kEncoder;
    case For::kStreaming:
      return role == BlockRole::kStreamingDecoder;
    case For::kDiscrete:
      return role == BlockRole::kDiscreteDecoder;
  }
  return false;
}

}  // namespace

std::string_view PortMeaning(std::string_view name, BlockRole role) {
  for (const Meaning& meaning : kMeanings)
    if (meaning.port == name && Applies(meaning.role, role)) return meaning.text;
  return {};
}

}  // namespace rsblock
