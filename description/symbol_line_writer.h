// What the description writer needs of the schematic symbol: its "SYMBOL:" lines. The symbol
// subsystem implements it; the description only holds a pointer, which may be null.
#pragma once

#include <string>

namespace description {

class SymbolLineWriter {
 public:
  virtual ~SymbolLineWriter() = default;
  // Appends the symbol's lines, each ending in a line feed.
  virtual void WriteSymbol(std::string& out) const = 0;
};

}  // namespace description
